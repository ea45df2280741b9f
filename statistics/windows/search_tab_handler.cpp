#include "statistics/windows/search_tab_handler.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/state/click_sound.h"
#include "app/widgets/animated_picture.h"
#include "app/widgets/number_board.h"
#include "app/windows/sestine.h"
#include "app/windows/tab_search.h"
#include "statistics/core/number_search.h"
#include "statistics/core/statistics_state.h"
#include "statistics/windows/statistics_messages.h"

namespace fortunara {

namespace {

const QColor kMarked(255, 0, 0);

bool IsMarked(const ProgramState& state, int index) {
    return state.NumberSelected[static_cast<std::size_t>(index) + 1] == 1;
}

void ShowMark(NumberLabel& label, bool marked) {
    label.SetTextColour(marked ? kMarked : QColor(Qt::black));
    label.SetRaised(!marked);
}

// A press on a square: a number shown in any colour but black is unmarked, a black one marked.
void ToggleNumber(SearchTab& tab, ProgramState& state, int index) {
    NumberLabel& label = *tab.board->Numero(index);
    const bool mark = label.TextColour() == QColor(Qt::black);
    // The flag first: the square's colour follows it (see MarkKeeper).
    state.NumberSelected[static_cast<std::size_t>(index) + 1] = mark ? 1 : 0;
    ShowMark(label, mark);
}

void ClearBoard(SearchTab& tab, ProgramState& state) {
    for (int i = 0; i < 90; ++i) {
        state.NumberSelected[static_cast<std::size_t>(i) + 1] = 0;
        ShowMark(*tab.board->Numero(i), false);
    }
}

// The main window turns the board black whenever it becomes active again (after any other
// window), yet the search keeps looking for the marked numbers. So that the board never hides
// what the search will look for, a marked number gets its red back whenever its square is
// recoloured.
class MarkKeeper : public QObject {
public:
    MarkKeeper(SearchTab& tab, const ProgramState& state) : QObject(&tab), state_(state) {
        for (int i = 0; i < 90; ++i) tab.board->Numero(i)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            auto* label = static_cast<NumberLabel*>(watched);
            if (IsMarked(state_, label->Index()) && label->TextColour() != kMarked) ShowMark(*label, true);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const ProgramState& state_;
};

SearchRequest ReadSearchRequest(const SearchTab& tab, const ProgramState& state) {
    SearchRequest request;
    for (std::size_t n = 1; n <= 90; ++n) request.marked[n] = state.NumberSelected[n] == 1;
    for (std::size_t i = 0; i < tab.Option1.size(); ++i) {
        if (tab.Option1[i]->isChecked()) request.sorte = static_cast<int>(i) + 1;
    }
    for (std::size_t k = 1; k <= 8; ++k) request.positions[k] = tab.Check2[k]->isChecked();
    request.positions[0] = false;
    for (std::size_t m = 0; m < 12; ++m) request.months[m] = tab.Check3[m]->isChecked();
    return request;
}

void Search(Sestine& window, SearchSummary& summary) {
    SearchTab& tab = window.Search();
    ProgramState& state = window.State();
    Platform& platform = window.PlatformBundle();
    const ScanRange range{tab.HScroll2->value(), tab.HScroll1->value()};
    PlayClickSound(state, platform.sounds);
    tab.Cerca->setCursor(Qt::WaitCursor);
    const SearchRequest request = ReadSearchRequest(tab, state);
    tab.List1_1->clear();

    const SearchResult result = SearchArchive(request, state.programFolder, range);
    StoreSearch(result, range, request.positions, state, summary);
    const SearchDisplay display = ShowSearch(result);
    tab.Label22->setText(QString::fromStdString(display.frequenza));
    tab.Label20->setText(QString::fromStdString(display.ritardo));
    tab.Label21->setText(QString::fromStdString(display.ritMax));
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(display.listLines.size()));
    for (const std::string& line : display.listLines) lines << QString::fromStdString(line);
    tab.List1_1->addItems(lines);
    tab.Cerca->unsetCursor();
    ReportReadError(platform.dialogs, result.error);
}

}  // namespace

void ConnectSearchTab(Sestine& window, SearchSummary& summary) {
    SearchTab& tab = window.Search();
    ProgramState& state = window.State();
    new MarkKeeper(tab, state);
    QObject::connect(tab.board, &NumberBoard::numberPressed, &tab,
                     [&tab, &state](int index) { ToggleNumber(tab, state, index); });
    QObject::connect(tab.Command2, &QPushButton::clicked, &tab, [&tab, &state] { ClearBoard(tab, state); });
    QObject::connect(tab.Cerca, &AnimatedPicture::released, &tab, [&window, &summary] { Search(window, summary); });
}

}  // namespace fortunara
