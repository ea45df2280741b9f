#pragma once

#include "app/widgets/controls.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace fortunara {

class AnimatedPicture;
class DataGrid;

// Tab 6: the archive maintenance. The single draw `Grid5` with `VScroll1` and its date box
// `textbox2`, the new-draw and save pictures, the import, download and conversion buttons and
// the wheel grid `Grid4`.
class MaintenanceTab : public Backdrop {
    Q_OBJECT

public:
    explicit MaintenanceTab(QWidget* parent = nullptr);

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
