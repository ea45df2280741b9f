#pragma once

#include <array>

#include "app/widgets/controls.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace fortunara {

class DataGrid;

// Tab 2: delays, frequencies and distributions in `grid2`, over the range `HScroll3`/`HScroll4`,
// with the position boxes `Check3d3(0..8)`.
class StatisticsTab : public Backdrop {
    Q_OBJECT

public:
    explicit StatisticsTab(QWidget* parent = nullptr);

    DataGrid* grid2;
    QLabel* Titolo;
    QPushButton* CommandButton12;  // "90 NUMERI"
    QPushButton* CommandButton2;   // "PARI E DISPARI"
    QPushButton* CommandButton3;   // "SOMMA"
    QPushButton* CommandButton4;   // "INTERRUZIONI"
    std::array<QCheckBox*, 9> Check3d3{};
    QScrollBar* HScroll3;  // "DAL"
    QLabel* Label23;
    QScrollBar* HScroll4;  // "AL"
    QLabel* Label30;
    QLabel* Label31;  // span
    QListWidget* List2;
    QListWidget* List1_2;
};

}  // namespace fortunara
