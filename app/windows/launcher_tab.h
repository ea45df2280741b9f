#pragma once

#include <functional>

#include "app/windows/sestine_hooks.h"
#include "ui/main_window_tab.h"

class QPushButton;

namespace fortunara {

// Tab 4 of the main window: the launchers of the matrix library, the system window and the
// method window.
class LauncherTab : public MainWindowTab {
    Q_OBJECT

public:
    explicit LauncherTab(const std::function<void(LaunchedWindow)>& open, QWidget* parent = nullptr);

private:
    QPushButton* CommandButton6;   // "ARCHIVIO SISTEMI"
    QPushButton* CommandButton1;   // "RIDUZIONE SISTEMI"
    QPushButton* CommandButton14;  // "METODI"
};

}  // namespace fortunara
