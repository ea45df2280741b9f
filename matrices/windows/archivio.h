#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "matrices/core/matrix_list.h"
#include "platform/api/platform.h"
#include "state/program_state.h"
#include "ui/window_display.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace fortunara {

class MatrixEntry;

// The windows Archivio opens; the composition root fills them. An empty factory opens nothing.
struct ArchivioOpeners {
    WindowFactory Sistemi;   // "RIDUZIONE GENERALE": the system window, modal
    WindowFactory Presenti;  // a matrix button: the check window on that matrix, modal
};

// The matrix window, opened modal by "ARCHIVIO SISTEMI": the library by quantity on the tab
// "Sistemi Presenti", a new matrix typed in by hand on the tab "Nuovo Sistema".
class Archivio : public QDialog {
    Q_OBJECT

public:
    Archivio(ProgramState& state, Platform& platform, ArchivioOpeners openers = {}, QWidget* parent = nullptr);
    ~Archivio() override;

private:
    QWidget* BuildLibraryTab();
    QWidget* BuildEditorTab();
    void Load();

    // "Sistemi Presenti".
    void ListQuantity(int quantity);
    void ShowPage(int page);
    void OpenMatrix(int button);
    void OpenSistemi();

    // "Nuovo Sistema".
    void EnterNumbers();
    void EnterComments();
    void OpenInTextEditor();
    bool Positions(MatrixEntry& entry);
    void Tell(const std::string& text);

    ProgramState& state_;
    Platform& platform_;
    ArchivioOpeners openers_;

    QTabWidget* SSTab1;
    // "Sistemi Presenti".
    QGroupBox* Frame1;
    QListWidget* List1;
    QLabel* Label2;  // "LISTA"
    QGroupBox* Frame12;
    std::array<QPushButton*, kMatrixButtons> CommandButton3;
    QPushButton* Precedenti;      // "PRECEDENTI": the page before
    QPushButton* Altri;           // "ALTRI": the page after
    QLabel* Pagina;               // which page of how many
    QLabel* Label1;               // "SISTEMI PRESENTI"
    QPushButton* CommandButton2;  // "RIDUZIONE GENERALE"
    QPushButton* CommandButton1;  // "ESCI"
    // "Nuovo Sistema".
    QLabel* Label3;  // "NUOVA MATRICE DI SISTEMA"
    QGroupBox* Frame4;
    QLineEdit* TextBox1;  // "Quantità Numeri"
    QGroupBox* Frame5;
    QLineEdit* TextBox2;  // "Quantità Bollette"
    QLabel* Label5;       // "BOLLETTE"
    QGroupBox* Frame3;
    std::array<QRadioButton*, 8> OptionButton1;  // "-- Terzine" .. "Decine   --"
    QPushButton* CommandButton24;                // "NUMERI"
    QPushButton* CommandButton25;                // "COMMENTO"
    QPushButton* CommandButton23;                // "CORREGGE"
    QGroupBox* Frame2;
    QListWidget* List2;
    QPushButton* CommandButton22;  // "RIDUZIONE GENERALE"
    QPushButton* CommandButton21;  // "ESCI"

    // The listing on the buttons and the page shown.
    std::vector<MatrixListEntry> listed_;
    MatrixButtonPage page_;
    // The editor: the size of a combination (3 to 10) and whether an entry has started.
    int comboSize_ = 6;
    bool entered_ = false;
};

}  // namespace fortunara
