// What the controls of the statistics tab do.
#include <QCheckBox>
#include <QLabel>

#include "state/click_sound.h"
#include "statistics/core/number_delays.h"
#include "statistics/core/statistics_grid.h"
#include "statistics/windows/grafico.h"
#include "statistics/windows/statistics_tab.h"
#include "ui/data_grid.h"
#include "ui/range_pair_box.h"
#include "ui/read_error.h"
#include "ui/window_display.h"

namespace fortunara {

void StatisticsTab::Load(int recordCount) {
    grid2->SetShape(6, 91);
    grid2->SetColumnWidthTwips(0, 500);
    for (int c = 1; c <= 5; ++c) {
        grid2->SetColumnWidthTwips(c, 1600);
        grid2->SetColumnRight(c);
    }
    grid2->SetText(0, 0, QString("Q. "));
    grid2->SetText(0, 1, QString("RITARDO"));
    grid2->SetText(0, 2, QString("FREQUENZA"));
    range->Load(recordCount);
}

void StatisticsTab::Chosen() {
    grid2->SetText(0, 2, QString("RIT."));
}

void StatisticsTab::ArchiveReplaced(int recordCount) {
    range->MoveTo(recordCount, recordCount);
}

PositionFlags StatisticsTab::ReadPositions() const {
    PositionFlags positions{};
    for (std::size_t k = 0; k < positions.size(); ++k) positions[k] = Check3d3[k]->isChecked();
    return positions;
}

void StatisticsTab::ShowDelays() {
    const ScanRange scan{range->From(), range->To()};
    PlayClickSound(state_, platform_.sounds);
    const PositionFlags positions = ReadPositions();
    const DelayTable table = ComputeDelays(state_.programFolder, scan, positions);
    state_.RecordCount = table.recordCount;
    ShowTable(DelayGrid(table));
    shown_ = ChartRequest{StatisticsChart::Frequencies, scan, positions, 1};
    ReportReadError(platform_.dialogs, table.error);
}

void StatisticsTab::ShowDistribution(DistributionKind kind) {
    PlayClickSound(state_, platform_.sounds);
    const ScanRange scan{range->From(), range->To()};
    const PositionFlags positions = ReadPositions();
    const DistributionTable table = ComputeDistribution(kind, state_.programFolder, scan, positions);
    state_.RecordCount = table.recordCount;
    ShowTable(DistributionGrid(table));
    const StatisticsChart chart = kind == DistributionKind::Parity ? StatisticsChart::Parity
                                  : kind == DistributionKind::Sum  ? StatisticsChart::Sums
                                                                   : StatisticsChart::Interruptions;
    shown_ = ChartRequest{chart, scan, positions, 1};
    ReportReadError(platform_.dialogs, table.error);
}

// The chart of the table the grid shows; before any table, the frequencies over the selectors and
// boxes as they stand. The number whose delay it follows is the row picked in the table of the 90
// numbers, else the first marked on the search board, else 1.
void StatisticsTab::OpenChart() {
    PlayClickSound(state_, platform_.sounds);
    ChartRequest request =
        shown_.value_or(ChartRequest{StatisticsChart::Frequencies, {range->From(), range->To()}, ReadPositions(), 1});
    request.number = PickedNumber();
    RunModalWindow(
        platform_.modal,
        [this, request](QWidget* parent) -> QWidget* { return new Grafico(state_, platform_, request, parent); },
        window());
    emit modalWindowClosed();
}

int StatisticsTab::PickedNumber() const {
    const int row = grid2->currentRow();
    if (shown_ && shown_->chart == StatisticsChart::Frequencies && row >= 1 && row <= 90) return row;
    for (int n = 1; n <= 90; ++n) {
        if (state_.NumberSelected[static_cast<std::size_t>(n)] == 1) return n;
    }
    return 1;
}

// Shape, column widths, header row, rows. Cells a table does not write are left empty, not
// showing what an earlier table put there.
void StatisticsTab::ShowTable(const StatisticsGrid& table) {
    Titolo->setText(QString::fromStdString(table.title));
    grid2->setUpdatesEnabled(false);
    grid2->clearContents();
    grid2->SetShape(table.ColumnCount(), table.RowCount());
    for (int c = 0; c < table.ColumnCount(); ++c) {
        grid2->SetColumnWidthTwips(c, table.columnWidths[static_cast<std::size_t>(c)]);
    }
    grid2->SetRowHeightTwips(0, table.headerRowHeight);
    for (std::size_t c = 0; c < table.headers.size(); ++c) grid2->SetText(0, static_cast<int>(c), table.headers[c]);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<std::string>& row = table.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (!row[c].empty()) grid2->SetText(static_cast<int>(r) + 1, static_cast<int>(c), row[c]);
        }
    }
    grid2->setUpdatesEnabled(true);
}

}  // namespace fortunara
