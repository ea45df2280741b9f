#include "statistics/windows/statistics_tab_handler.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/state/click_sound.h"
#include "app/widgets/data_grid.h"
#include "app/windows/sestine.h"
#include "app/windows/tab_statistics.h"
#include "statistics/core/distributions.h"
#include "statistics/core/number_delays.h"
#include "statistics/core/statistics_grid.h"
#include "statistics/core/statistics_state.h"
#include "statistics/windows/statistics_messages.h"

namespace fortunara {

namespace {

ScanRange ReadRange(const StatisticsTab& tab) {
    return {tab.HScroll3->value(), tab.HScroll4->value()};
}

PositionFlags ReadPositions(const StatisticsTab& tab) {
    PositionFlags positions{};
    for (std::size_t k = 0; k < positions.size(); ++k) positions[k] = tab.Check3d3[k]->isChecked();
    return positions;
}

void ShowDelays(Sestine& window) {
    StatisticsTab& tab = window.Statistics();
    ProgramState& state = window.State();
    const ScanRange range = ReadRange(tab);
    PlayClickSound(state, window.PlatformBundle().sounds);
    const PositionFlags positions = ReadPositions(tab);
    const DelayTable table = ComputeDelays(state.programFolder, range, positions);
    StoreScanState(range, positions, table.recordCount, state);
    const StatisticsGrid grid = DelayGrid(table);
    tab.Titolo->setText(QString::fromStdString(grid.title));
    ShowStatisticsGrid(*tab.grid2, grid);
    ReportReadError(window.PlatformBundle().dialogs, table.error);
}

void ShowDistribution(Sestine& window, DistributionKind kind) {
    StatisticsTab& tab = window.Statistics();
    ProgramState& state = window.State();
    PlayClickSound(state, window.PlatformBundle().sounds);
    const ScanRange range = ReadRange(tab);
    const PositionFlags positions = ReadPositions(tab);
    const DistributionTable table = ComputeDistribution(kind, state.programFolder, range, positions);
    StoreScanState(range, positions, table.recordCount, state);
    const StatisticsGrid grid = DistributionGrid(table);
    tab.Titolo->setText(QString::fromStdString(grid.title));
    ShowStatisticsGrid(*tab.grid2, grid);
    ReportReadError(window.PlatformBundle().dialogs, table.error);
}

}  // namespace

void ShowStatisticsGrid(DataGrid& grid, const StatisticsGrid& table) {
    grid.setUpdatesEnabled(false);
    grid.clearContents();
    grid.SetShape(table.ColumnCount(), table.RowCount());
    for (int c = 0; c < table.ColumnCount(); ++c) {
        grid.SetColumnWidthTwips(c, table.columnWidths[static_cast<std::size_t>(c)]);
    }
    grid.SetRowHeightTwips(0, table.headerRowHeight);
    for (std::size_t c = 0; c < table.headers.size(); ++c) grid.SetText(0, static_cast<int>(c), table.headers[c]);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<std::string>& row = table.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (!row[c].empty()) grid.SetText(static_cast<int>(r) + 1, static_cast<int>(c), row[c]);
        }
    }
    grid.setUpdatesEnabled(true);
}

void ConnectStatisticsTab(Sestine& window) {
    StatisticsTab& tab = window.Statistics();
    QObject::connect(tab.CommandButton12, &QPushButton::clicked, &tab, [&window] { ShowDelays(window); });
    const std::array<std::pair<QPushButton*, DistributionKind>, 3> distributions = {{
        {tab.CommandButton2, DistributionKind::Parity},
        {tab.CommandButton3, DistributionKind::Sum},
        {tab.CommandButton4, DistributionKind::Interruptions},
    }};
    for (const auto& [button, kind] : distributions) {
        QObject::connect(button, &QPushButton::clicked, &tab,
                         [&window, kind = kind] { ShowDistribution(window, kind); });
    }
}

}  // namespace fortunara
