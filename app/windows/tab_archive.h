#pragma once

#include "app/widgets/controls.h"

class QLabel;
class QRadioButton;
class QScrollBar;

namespace fortunara {

class AnimatedPicture;
class DataGrid;

// Tab 0: the archive table `grid3` with `VScroll3`, the order options, the archive print range
// and the print and copy pictures.
class ArchiveTab : public Backdrop {
    Q_OBJECT

public:
    explicit ArchiveTab(QWidget* parent = nullptr);

    DataGrid* grid3;
    QScrollBar* VScroll3;
    QRadioButton* SSOption1_0;  // "Ruote"
    QRadioButton* SSOption1_1;  // "Crescente"
    QScrollBar* HScroll7;       // print range, "DAL"
    QLabel* Label4;
    QScrollBar* HScroll6;  // print range, "AL"
    QLabel* Label9;
    AnimatedPicture* Stampante;  // Animazione_Stampante(0)
    AnimatedPicture* Copia;      // Animazione_Copia(0)
};

}  // namespace fortunara
