#pragma once

#include <functional>

#include "app/state/program_state.h"
#include "app/widgets/main_window_tab.h"
#include "app/windows/sestine_hooks.h"
#include "platform/api/platform.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace fortunara {

class AnimatedPicture;
class DataGrid;

// Tab 6 of the main window, the archive maintenance: the single draw `Grid5` with `VScroll1` and
// its date box `textbox2`, the new-draw and save pictures, the import, download and conversion
// buttons and the wheel grid `Grid4`.
class MaintenanceTab : public MainWindowTab {
    Q_OBJECT

public:
    MaintenanceTab(ProgramState& state, Platform& platform, const WindowOpeners& openers,
                   std::function<void(LaunchedWindow)> open, QWidget* parent = nullptr);

    void Load(int recordCount) override;
    void Chosen() override;
    // After the archive was written, or at the load step: the single view moves to the newest draw.
    void ShowNewestDraw(int recordCount);

private:
    void ShowDraw(int value);

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
};

}  // namespace fortunara
