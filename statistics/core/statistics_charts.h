#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "state/chart_data.h"
#include "statistics/core/distribution_chart.h"
#include "statistics/core/number_charts.h"

namespace fortunara {

// The charts of the statistics tab as the chart window draws, prints and saves them: titles, axes,
// series and the lines under them that say how they compare with chance.

// "1-6", "1-3,7", "nessuna": the ticked positions as --posizioni takes them.
std::string PositionsText(const PositionFlags& positions);

// The charts of the chart window, in the order its list names them.
enum class StatisticsChart { Frequencies, NumberDelay, CurrentDelays, Parity, Sums, Interruptions };

// What to draw: over the range and positions of the table it comes from; `number` for NumberDelay.
struct ChartRequest {
    StatisticsChart chart = StatisticsChart::Frequencies;
    ScanRange range;
    PositionFlags positions{};
    int number = 1;
};
struct ChartOutcome {
    ChartData chart;
    int recordCount = 0;
    std::string error;  // the archive could not be opened
};
// Reads the range and draws the chart asked for.
ChartOutcome MakeStatisticsChart(const std::filesystem::path& programFolder, const ChartRequest& request);

ChartData FrequencyChart(const NumberScan& scan, const FrequencySeries& series, const PositionFlags& positions);
ChartData CurrentDelayChart(const NumberScan& scan, const CurrentDelaySeries& series, const PositionFlags& positions);
ChartData DelayHistoryChart(const DelayHistory& history, const PositionFlags& positions);
ChartData DistributionChart(const DistributionScan& scan, const std::vector<DistributionBar>& bars,
                            const PositionFlags& positions);

}  // namespace fortunara
