#pragma once

#include <QDialog>

#include "platform/api/platform.h"
#include "slips/core/slip_layout.h"
#include "slips/core/slip_printing.h"
#include "state/program_state.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fortunara {

// The slip window: the seven layout values with "CARICA" and "SALVA" of valori.tab, the printer's
// selection, the calibration page "TEST" and the slips of the current system with "STAMPA", from
// combination "Inizio Schedina" to "Fine Schedina". Opened modal by "SCHEDINE" of the system
// window and of the check window, which set SlipSource first: 0 for the current system in
// TicketNumbers, any other value for the result grid of the system window. `resultGrid` reads that
// grid; a window opened without one takes TicketNumbers whatever SlipSource says.
class Schedine : public QDialog {
    Q_OBJECT

public:
    Schedine(ProgramState& state, Platform& platform, CombinationSource resultGrid = {}, QWidget* parent = nullptr);

private:
    void Load();
    QLineEdit* ValueBox(SlipValue value) const;
    // The texts of the seven layout boxes as they read now.
    SlipLayoutTexts Texts() const;

    // Handlers.
    void LoadLayout();
    void SaveLayout();
    void ChoosePrinter();
    void PrintCalibration();
    void PrintSlips();
    void Click();
    bool Ask(const std::string& question);

    ProgramState& state_;
    Platform& platform_;
    CombinationSource resultGrid_;

    QWidget* Sfondo;
    QLabel* Label1;               // "OPZIONI STAMPA"
    QGroupBox* Frame1;            // "Valori"
    QPushButton* CommandButton5;  // "CARICA"
    QPushButton* CommandButton2;  // "SALVA"
    QLineEdit* Text7;             // "Dimens.Y": DY
    QLineEdit* Text6;             // "Dimens. X": DX
    QLineEdit* Text8;             // "Interlinea Y": IY
    QLineEdit* Text5;             // "Interlinea X": IX
    QGroupBox* Frame6;            // "Avanzamento Schedina"
    QRadioButton* Option3d1;      // "- Continua"
    QRadioButton* Option3d2;      // "- A Richiesta"
    QLineEdit* Text14;            // "TAB 2 Schedine": T2
    QLineEdit* Text1;             // "TAB Orizzontale": HO
    QLineEdit* Text2;             // "TAB Verticale": VE
    QLineEdit* Text4;             // "Fine Schedina"
    QLineEdit* Text3;             // "Inizio Schedina"
    QPushButton* CommandButton6;  // "STAMPANTE"
    QPushButton* CommandButton1;  // "TEST"
    QPushButton* CommandButton3;  // "STAMPA"
    QPushButton* CommandButton4;  // "ESCI"
};

}  // namespace fortunara
