#pragma once

#include <array>

#include "app/widgets/controls.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace fortunara {

class AnimatedPicture;
class NumberBoard;

// Tab 1: the number search. The board `Numero(0..89)`, the kind of win `Option1(0..5)`, the
// positions `Check2(1..8)`, the months `Check3(0..11)`, the range `HScroll2`/`HScroll1`, the
// results and the hit list `List1(1)`.
class SearchTab : public Backdrop {
    Q_OBJECT

public:
    explicit SearchTab(QWidget* parent = nullptr);

    NumberBoard* board;
    QPushButton* Command2;  // "Cancella i numeri della ricerca"
    std::array<QRadioButton*, 6> Option1{};
    std::array<QCheckBox*, 9> Check2{};   // 1-8 used
    std::array<QCheckBox*, 12> Check3{};  // months
    QScrollBar* HScroll2;                 // "DAL"
    QLabel* Label32;
    QScrollBar* HScroll1;  // "AL"
    QLabel* Label33;
    QLabel* Label38;       // span
    QLabel* Label20;       // "RITARDO"
    QLabel* Label21;       // "RIT. MAX"
    QLabel* Label22;       // "FREQUENZA"
    QListWidget* List1_1;  // hits
    QListWidget* List1_0;  // hidden, kept sorted
    AnimatedPicture* Cerca;
    AnimatedPicture* Stampante;  // Animazione_Stampante(1)
    AnimatedPicture* Copia;      // Animazione_Copia(1)
};

}  // namespace fortunara
