#pragma once

#include "app/widgets/controls.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace fortunara {

// Tab 5: the forecast of the most recent numbers, its outcomes and the matrix list.
class ForecastTab : public Backdrop {
    Q_OBJECT

public:
    explicit ForecastTab(QWidget* parent = nullptr);

    QLineEdit* Textbox1;           // "NUMERI NEL SISTEMA"
    QPushButton* CommandButton11;  // "SISTEMI"
    QPushButton* CommandButton10;  // "PREVISIONE"
    QPushButton* CommandButton9;   // "STAMPA"
    QPushButton* CommandButton8;   // "RIDOTTI"
    QPushButton* CommandButton7;   // "ESCI"
    QScrollBar* HScroll5;          // base draw
    QLabel* Label55;
    QLabel* Label1_0;    // the forecast numbers
    QListWidget* List3;  // outcomes
    QListWidget* List6;  // matrix list, shown in place of List3
};

}  // namespace fortunara
