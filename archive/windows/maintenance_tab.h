#pragma once

#include <array>

#include "platform/api/platform.h"
#include "state/program_state.h"
#include "ui/main_window_tab.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace fortunara {

class AnimatedPicture;
class DataGrid;
class FORM18;

// Tab 6 of the main window, the archive's upkeep: the single draw `Grid5` with `VScroll1` and its
// date box `textbox2`, the pictures "NUOVA ESTRAZIONE" (the eight numbers asked in FORM18) and
// "SALVA" (the draw written into the archive), the buttons of the import and download windows (the
// main window, which knows those windows, connects them),
// "converti" (the text archive converted) and the wheel grid `Grid4`.
class MaintenanceTab : public MainWindowTab {
    Q_OBJECT

public:
    MaintenanceTab(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

    void Load(int recordCount) override;
    void Chosen() override;
    // At the load step and after a writer: `VScroll1` moves to the record and shows it.
    void ShowArchiveRecord(int recordCount, int record) override;

private:
    void ShowDraw(int value);
    void EnterNewDraw();
    void SaveDraw();
    void RunConversion();
    void Warn(const std::string& text);

    ProgramState& state_;
    Platform& platform_;
    DataGrid* Grid5;
    QScrollBar* VScroll1;
    QLineEdit* textbox2;
    AnimatedPicture* Nuova;
    AnimatedPicture* Salva;
    QPushButton* CommandButton5;   // "Copia da Internet"
    QPushButton* CommandButton13;  // "Aggiorna in Internet"
    QPushButton* Command1;         // "converti"
    DataGrid* Grid4;
    FORM18* form18_ = nullptr;
    // The eight numbers Grid5 shows (indices 1-8): the draw of VScroll1, then each number entered.
    // "SALVA" writes these, never what another view left in the shared DrawNumbers.
    std::array<int, 11> shown_{};
};

}  // namespace fortunara
