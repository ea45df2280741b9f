#pragma once

#include <QDialog>
#include <optional>
#include <span>
#include <vector>

#include "matrices/core/matrix_files.h"
#include "platform/api/platform.h"
#include "state/program_state.h"
#include "ui/window_display.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace fortunara {

// The windows Presenti opens; the composition root fills them (a test may leave one out).
struct PresentiOpeners {
    WindowFactory Controllo;  // "CONTROLLO": the win check, modal
    WindowFactory Schedine;   // "SCHEDINE": the play slips, modal
    WindowFactory Garanzie;   // "GARANZIE": what the current system guarantees, modal
};

// The check window on a matrix of the library (SelectedMatrixFile): the matrix applied to typed
// numbers ("SISTEMA") or, when opened from the main window's matrix list, to the forecast numbers;
// a played system loaded and saved ("CARICA", "SALVA"); the draw to check against (HScroll1); and
// on to the win check and the play slips. Modal; what it builds stays the current system.
class Presenti : public QDialog {
    Q_OBJECT

public:
    Presenti(ProgramState& state, Platform& platform, PresentiOpeners openers = {}, QWidget* parent = nullptr);
    ~Presenti() override;

private:
    void Load();
    void DrawChosen(int record);

    // Handlers (presenti_handlers.cpp).
    void TypedSystem();
    void ForecastSystem();
    void LoadFile();
    void SaveFile();
    void OpenCheck();
    void OpenSlips();
    void OpenGuarantees();
    void PrintingSwitched(bool on);

    // Applying a matrix: the file, then its combinations and comment lines into List1.
    std::optional<MatrixData> OpenMatrix();
    void ListCombinations(const std::vector<std::vector<int>>& combinations, bool emptyLineAfterEach);
    void ListComments();
    void SwitchPrintingOff();
    void AddToNumbers(const std::string& text);
    void Warn(const std::string& text);
    void Click();

    ProgramState& state_;
    Platform& platform_;
    PresentiOpeners openers_;
    // The numbers in place of the matrix positions, position p at p - 1.
    std::vector<int> systemNumbers_;

    QGroupBox* Frame1;  // "Controllo Sistema"
    QScrollBar* HScroll1;
    QLabel* Label2;
    QPushButton* CommandButton1;  // "SISTEMA"
    QPushButton* CommandButton2;  // "CARICA"
    QPushButton* CommandButton3;  // "SALVA"
    QPushButton* CommandButton6;  // "CONTROLLO"
    QPushButton* CommandButton7;  // "SCHEDINE"
    QPushButton* CommandButton8;  // "GARANZIE"
    QPushButton* CommandButton4;  // "ESCI"
    QCheckBox* CheckBox1;         // "STAMPA"
    QLabel* TitoloSistema;        // "SISTEMA"
    QListWidget* List1;
    QLabel* TitoloNumeri;  // "NUMERI DEL SISTEMA"
    QLabel* Label1;
    QLabel* Label22;
};

}  // namespace fortunara
