#pragma once

#include "app/widgets/controls.h"

class QPushButton;

namespace fortunara {

// Tab 4: the launchers of the matrix library, the system window and the method window.
class LauncherTab : public Backdrop {
    Q_OBJECT

public:
    explicit LauncherTab(QWidget* parent = nullptr);

    QPushButton* CommandButton6;   // "ARCHIVIO SISTEMI"
    QPushButton* CommandButton1;   // "RIDUZIONE SISTEMI"
    QPushButton* CommandButton14;  // "METODI"
};

}  // namespace fortunara
