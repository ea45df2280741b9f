#pragma once

#include <array>

#include "platform/api/platform.h"
#include "state/program_state.h"
#include "statistics/core/number_search.h"
#include "ui/main_window_tab.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace fortunara {

class AnimatedPicture;
class NumberBoard;
class RangePairBox;

// Tab 1 of the main window, the number search: the board `Numero(0..89)`, the kind of win
// `Option1(0..5)`, the positions `Check2(1..8)`, the months `Check3(0..11)`, the range
// `HScroll2`/`HScroll1`, the figures "RITARDO", "RIT. MAX", "FREQUENZA" and the hit list `List1(1)`,
// with the pictures "CERCA", "STAMPA" (the search report) and "COPIA" (the selected hits).
class SearchTab : public MainWindowTab {
    Q_OBJECT

public:
    SearchTab(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

    void Load(int recordCount) override;
    // The board shows the numbers the next search will look for.
    void Activate() override;
    void Chosen() override;

private:
    void ToggleNumber(int index);
    void ClearBoard();
    void Search();
    void PrintReport();
    void CopyHits();
    SearchRequest ReadRequest() const;

    ProgramState& state_;
    Platform& platform_;
    NumberBoard* board;
    QPushButton* Command2;  // "Cancella i numeri della ricerca"
    std::array<QRadioButton*, 6> Option1{};
    std::array<QCheckBox*, 9> Check2{};   // 1-8 used
    std::array<QCheckBox*, 12> Check3{};  // months
    RangePairBox* range;                  // HScroll2 "DAL", HScroll1 "AL", Label38 span
    QLabel* Label20;                      // "RITARDO"
    QLabel* Label21;                      // "RIT. MAX"
    QLabel* Label22;                      // "FREQUENZA"
    QListWidget* List1_1;                 // hits
    QListWidget* List1_0;                 // hidden, kept sorted
    AnimatedPicture* Cerca;
    AnimatedPicture* Stampante;  // Animazione_Stampante(1)
    AnimatedPicture* Copia;      // Animazione_Copia(1)
};

}  // namespace fortunara
