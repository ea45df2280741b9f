#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "statistics/core/distribution_chance.h"

namespace fortunara {

// A distribution table beside what chance alone gives each of its values, over the same range and
// positions as the table.

struct DistributionScan {
    DistributionTable table;
    KindCounts kinds{};  // draws of each kind, element [jolly][superstar]
    ScanDates dates;
};
DistributionScan ScanDistribution(DistributionKind property, const std::filesystem::path& programFolder,
                                  const ScanRange& range, const PositionFlags& positions);

struct DistributionBar {
    int value = 0;
    int frequency = 0;
    double expected = 0;  // the draws times the exact chance of the value
};
// Parity and interruptions: the values 0 to 6, as the table. Sums: every sum from 1 between the
// first and the last that occurred or that chance expects at least 0,005 times, so the bars stand
// one sum apart.
std::vector<DistributionBar> DistributionAgainstChance(const DistributionScan& scan, const PositionFlags& positions);

}  // namespace fortunara
