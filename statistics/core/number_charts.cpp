#include "statistics/core/number_charts.h"

#include <algorithm>

namespace fortunara {

namespace {

// The chance that number n ends a delay in each draw, in scan order.
std::vector<double> DelayEndChances(int n, const PositionFlags& positions, const std::vector<DrawKind>& kinds) {
    // Four kinds of draw at most: each chance is worked out once.
    std::array<std::array<double, 2>, 2> byKind{};
    for (const bool jolly : {false, true}) {
        for (const bool superstar : {false, true}) {
            byKind[jolly][superstar] = ChanceOfInclusion(n, positions, {jolly, superstar}).Any();
        }
    }
    std::vector<double> chances;
    chances.reserve(kinds.size());
    for (const DrawKind& kind : kinds) chances.push_back(byKind[kind.jolly][kind.superstar]);
    return chances;
}

bool Includes(const DrawRecord& draw, const PositionFlags& positions, int n) {
    const std::array<int, 9> values = PositionValues(draw, positions);
    for (std::size_t k = 1; k <= 8; ++k) {
        if (positions[k] && values[k] == n) return true;
    }
    return false;
}

}  // namespace

KindCounts NumberScan::Counts() const {
    KindCounts counts{};
    for (const DrawKind& kind : kinds) ++counts[kind.jolly][kind.superstar];
    return counts;
}

NumberScan ScanNumbers(const std::filesystem::path& programFolder, const ScanRange& range,
                       const PositionFlags& positions) {
    NumberScan scan;
    DelayCounter counter(positions);
    const ScanOutcome outcome = VisitScan(programFolder, range, [&](std::span<const DrawRecord> block) {
        counter.Add(block);
        for (const DrawRecord& draw : block) scan.kinds.push_back(KindOf(draw, positions));
        scan.dates.See(block);
        return true;
    });
    scan.table = counter.Finish();
    scan.table.recordCount = outcome.recordCount;
    scan.table.error = outcome.error;
    return scan;
}

bool FrequencyBar::Outside() const {
    return frequency < chance.low || frequency > chance.high;
}

FrequencySeries FrequenciesAgainstChance(const NumberScan& scan, const PositionFlags& positions) {
    FrequencySeries series;
    const KindCounts counts = scan.Counts();
    for (int n = 1; n <= 90; ++n) {
        FrequencyBar bar{n, scan.table.numbers[static_cast<std::size_t>(n)].frequency,
                         ChanceOfFrequency(n, positions, counts)};
        series.outside += bar.Outside() ? 1 : 0;
        series.expectedOutside += bar.chance.outside;
        series.bars.push_back(bar);
    }
    return series;
}

CurrentDelaySeries CurrentDelaysAgainstChance(const NumberScan& scan, const PositionFlags& positions) {
    CurrentDelaySeries series;
    for (int n = 1; n <= 90; ++n) {
        CurrentDelayBar bar{n, scan.table.numbers[static_cast<std::size_t>(n)].delay,
                            ChanceOfCurrentDelay(DelayEndChances(n, positions, scan.kinds), kRareLevel)};
        series.beyond += bar.delay > bar.chance.percentile ? 1 : 0;
        series.expectedBeyond += bar.chance.beyond;
        series.bars.push_back(bar);
    }
    std::stable_sort(series.bars.begin(), series.bars.end(),
                     [](const CurrentDelayBar& a, const CurrentDelayBar& b) { return a.delay > b.delay; });
    return series;
}

DelayHistory ComputeDelayHistory(const std::filesystem::path& programFolder, const ScanRange& range,
                                 const PositionFlags& positions, int number) {
    DelayHistory history;
    history.number = number;
    std::vector<bool> included;
    std::vector<DrawKind> kinds;
    const ScanOutcome outcome = VisitScan(programFolder, range, [&](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            included.push_back(Includes(draw, positions, number));
            kinds.push_back(KindOf(draw, positions));
            history.dates.push_back(draw.date);
        }
        return true;
    });
    history.recordCount = outcome.recordCount;
    history.error = outcome.error;
    if (!history.error.empty()) return history;

    // The chart walks from the "AL" end, the scan from the "DAL" end.
    const int scanned = static_cast<int>(included.size());
    const int step = ScanStep(range);
    std::reverse(included.begin(), included.end());
    std::reverse(kinds.begin(), kinds.end());
    std::reverse(history.dates.begin(), history.dates.end());
    int last = -1;  // where it was last included, -1 before its first appearance
    for (int i = 0; i < scanned; ++i) {
        history.records.push_back(outcome.start + step * (scanned - 1 - i));
        if (included[static_cast<std::size_t>(i)]) {
            // A stretch between two appearances ends here: its peak is the draw before.
            if (last >= 0) {
                const int gap = i - last - 1;
                if (gap > history.maxDelay) history.maxAt.clear();
                if (gap >= history.maxDelay) {
                    history.maxDelay = gap;
                    history.maxAt.push_back(std::max(i - 1, 0));
                }
            }
            last = i;
        }
        history.delays.push_back(last < 0 ? i + 1 : i - last);
    }
    // The stretch from its last appearance to the "DAL" end counts; never drawn, the whole range.
    if (scanned > 0) {
        const int open = history.delays.back();
        if (open > history.maxDelay || last < 0) history.maxAt.clear();
        if (open >= history.maxDelay || last < 0) {
            history.maxDelay = open;
            history.maxAt.push_back(scanned - 1);
        }
    }
    history.rareGap = LongestGapPercentile(DelayEndChances(number, positions, kinds), kRareLevel);
    return history;
}

}  // namespace fortunara
