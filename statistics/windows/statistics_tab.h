#pragma once

#include <array>
#include <optional>

#include "platform/api/platform.h"
#include "state/program_state.h"
#include "statistics/core/distributions.h"
#include "statistics/core/statistics_charts.h"
#include "ui/main_window_tab.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace fortunara {

class DataGrid;
class RangePairBox;
struct StatisticsGrid;

// Tab 2 of the main window: "90 NUMERI", "PARI E DISPARI", "SOMMA" and "INTERRUZIONI" fill `grid2`
// and `Titolo` over the range `HScroll3`/`HScroll4` with the positions ticked in `Check3d3(1..8)`;
// "GRAFICO" opens the chart of that table beside chance.
class StatisticsTab : public MainWindowTab {
    Q_OBJECT

public:
    StatisticsTab(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

    void Load(int recordCount) override;
    // The delay column's header reads "RIT." once the tab was chosen.
    void Chosen() override;
    // A new archive: the "AL" selector `HScroll4` stands on its newest draw.
    void ArchiveReplaced(int recordCount) override;

private:
    void ShowDelays();
    void ShowDistribution(DistributionKind kind);
    void ShowTable(const StatisticsGrid& table);
    PositionFlags ReadPositions() const;
    // "GRAFICO": the chart of the table in the grid, over its range and positions.
    void OpenChart();
    int PickedNumber() const;

    ProgramState& state_;
    Platform& platform_;
    DataGrid* grid2;
    QLabel* Titolo;
    QPushButton* CommandButton12;  // "90 NUMERI"
    QPushButton* CommandButton2;   // "PARI E DISPARI"
    QPushButton* CommandButton3;   // "SOMMA"
    QPushButton* CommandButton4;   // "INTERRUZIONI"
    QPushButton* CommandGrafico;   // "GRAFICO"
    std::array<QCheckBox*, 9> Check3d3{};
    RangePairBox* range;  // HScroll3 "DAL", HScroll4 "AL", Label31 span
    QListWidget* List2;
    QListWidget* List1_2;
    // The table the grid shows, as its chart asks for it; none before the first table.
    std::optional<ChartRequest> shown_;
};

}  // namespace fortunara
