#include "statistics/core/distribution_chart.h"

namespace fortunara {

namespace {

// Below this an expectation shows as 0,00: the sums chance almost never gives stay off the chart.
constexpr double kVisible = 0.005;

}  // namespace

DistributionScan ScanDistribution(DistributionKind property, const std::filesystem::path& programFolder,
                                  const ScanRange& range, const PositionFlags& positions) {
    DistributionScan scan;
    DistributionCounter counter(property, positions);
    const ScanOutcome outcome = VisitScan(programFolder, range, [&](std::span<const DrawRecord> block) {
        counter.Add(block);
        for (const DrawRecord& draw : block) {
            const DrawKind kind = KindOf(draw, positions);
            ++scan.kinds[kind.jolly][kind.superstar];
        }
        scan.dates.See(block);
        return true;
    });
    scan.table = counter.Finish();
    scan.table.recordCount = outcome.recordCount;
    scan.table.error = outcome.error;
    return scan;
}

std::vector<DistributionBar> DistributionAgainstChance(const DistributionScan& scan, const PositionFlags& positions) {
    const DistributionTable& table = scan.table;
    const std::vector<double> expected = ExpectedFrequencies(table.kind, positions, scan.kinds);
    std::size_t first = 0;
    std::size_t last = table.frequency.size() - 1;
    if (table.kind == DistributionKind::Sum) {
        const auto shown = [&](std::size_t v) { return table.frequency[v] > 0 || expected[v] >= kVisible; };
        first = 1;
        while (first < table.frequency.size() && !shown(first)) ++first;
        while (last > first && !shown(last)) --last;
        if (first >= table.frequency.size()) return {};
    }
    std::vector<DistributionBar> bars;
    for (std::size_t v = first; v <= last; ++v) {
        bars.push_back({static_cast<int>(v), table.frequency[v], expected[v]});
    }
    return bars;
}

}  // namespace fortunara
