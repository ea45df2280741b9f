// What the controls of the search tab do.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "state/click_sound.h"
#include "state/clip_text.h"
#include "statistics/core/archive_reports.h"
#include "statistics/core/statistics_state.h"
#include "statistics/windows/search_tab.h"
#include "ui/animated_picture.h"
#include "ui/number_board.h"
#include "ui/range_pair_box.h"
#include "ui/read_error.h"

namespace fortunara {

namespace {

std::vector<std::string> SelectedEntriesInListOrder(const QListWidget& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->isSelected()) entries.push_back(list.item(i)->text().toStdString());
    }
    return entries;
}

}  // namespace

void SearchTab::Load(int recordCount) {
    range->Load(recordCount);
}

void SearchTab::Activate() {
    std::array<bool, 91> marked{};
    for (std::size_t n = 1; n <= 90; ++n) marked[n] = state_.NumberSelected[n] == 1;
    board->ShowMarks(marked);
}

void SearchTab::Chosen() {
    Cerca->ShowRest();
    Stampante->ShowRest();
    Copia->ShowRest();
}

// A press on a square: a number shown in any colour but black is unmarked, a black one marked.
void SearchTab::ToggleNumber(int index) {
    NumberLabel& label = *board->Numero(index);
    const bool mark = label.TextColour() == QColor(Qt::black);
    state_.NumberSelected[static_cast<std::size_t>(index) + 1] = mark ? 1 : 0;
    label.SetMarked(mark);
}

void SearchTab::ClearBoard() {
    for (std::size_t n = 1; n <= 90; ++n) state_.NumberSelected[n] = 0;
    board->ShowMarks({});
}

SearchRequest SearchTab::ReadRequest() const {
    SearchRequest request;
    for (std::size_t n = 1; n <= 90; ++n) request.marked[n] = state_.NumberSelected[n] == 1;
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        if (Option1[i]->isChecked()) request.sorte = static_cast<int>(i) + 1;
    }
    for (std::size_t k = 1; k <= 8; ++k) request.positions[k] = Check2[k]->isChecked();
    request.positions[0] = false;
    for (std::size_t m = 0; m < 12; ++m) request.months[m] = Check3[m]->isChecked();
    return request;
}

void SearchTab::Search() {
    const ScanRange scan{range->From(), range->To()};
    PlayClickSound(state_, platform_.sounds);
    Cerca->setCursor(Qt::WaitCursor);
    const SearchRequest request = ReadRequest();
    List1_1->clear();

    const SearchResult result = SearchArchive(request, state_.programFolder, scan);
    StoreSearch(result, state_);
    const SearchDisplay display = ShowSearch(result);
    Label22->setText(QString::fromStdString(display.frequenza));
    Label20->setText(QString::fromStdString(display.ritardo));
    Label21->setText(QString::fromStdString(display.ritMax));
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(display.listLines.size()));
    for (const std::string& line : display.listLines) lines << QString::fromStdString(line);
    List1_1->addItems(lines);
    Cerca->unsetCursor();
    ReportReadError(platform_.dialogs, result.error);
}

void SearchTab::PrintReport() {
    PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPlaySound);
    const SearchReportInput input =
        SearchReportFrom(state_, range->FromCaption().toStdString(), range->ToCaption().toStdString(), range->Span());
    PrintSearchReport(platform_.printer, input);
}

void SearchTab::CopyHits() {
    PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPlay);
    const std::string text = SearchListClipText(SelectedEntriesInListOrder(*List1_1));
    // Without a selected hit the clipboard stays as the press left it: empty.
    if (!text.empty()) platform_.clipboard.SetText(text);
}

}  // namespace fortunara
