#pragma once

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

ChartData FrequencyChart(const NumberScan& scan, const FrequencySeries& series, const PositionFlags& positions);
ChartData CurrentDelayChart(const NumberScan& scan, const CurrentDelaySeries& series,
                            const PositionFlags& positions);
ChartData DelayHistoryChart(const DelayHistory& history, const PositionFlags& positions);
ChartData DistributionChart(const DistributionScan& scan, const std::vector<DistributionBar>& bars,
                            const PositionFlags& positions);

}  // namespace fortunara
