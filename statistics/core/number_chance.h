#pragma once

#include <array>
#include <span>
#include <vector>

#include "archive/core/draw_record.h"
#include "statistics/core/scan_range.h"

namespace fortunara {

// What chance alone gives the frequency and the delays of one number, for draws of the game: six
// different numbers of 90, a jolly of the 84 left, a superstar of 90 of its own, every draw
// independent of the others. A jolly or superstar field of 0 (draws from before the superstar
// existed) was not drawn, and gives no chance.

// The chance that number n (1 to 90) stands at ascending place k (1 to 6) of the six:
// C(n - 1, k - 1) * C(90 - n, 6 - k) / C(90, 6).
double PlaceChance(int n, int k);

// Which draws of a range have a jolly and a superstar, and which positions take part: enough to
// say, for each number and each draw, how likely it is to be included.
struct DrawKind {
    bool jolly = false;      // the jolly counts in this draw: its position is ticked and it was drawn
    bool superstar = false;  // the same for the superstar
};
DrawKind KindOf(const DrawRecord& draw, const PositionFlags& positions);

// The chance that number n is included in a draw of that kind: `once` for the main places and the
// jolly (never both in one draw), `superstar` apart, since it may repeat a main number.
struct InclusionChance {
    double once = 0;
    double superstar = 0;
    // At least once: what ends a delay.
    double Any() const { return 1 - (1 - once) * (1 - superstar); }
};
InclusionChance ChanceOfInclusion(int n, const PositionFlags& positions, DrawKind kind);

// How many draws of each kind a range has: element [jolly][superstar].
using KindCounts = std::array<std::array<int, 2>, 2>;

// The frequency of one number over the draws: its mean, its standard deviation and the band of two
// standard deviations around the mean, with the chance that the count falls outside the band
// (below `low` or above `high`), worked out exactly from the binomial counts of the draws.
struct FrequencyChance {
    double mean = 0;
    double deviation = 0;
    double low = 0;
    double high = 0;
    double outside = 0;
};
FrequencyChance ChanceOfFrequency(int n, const PositionFlags& positions, const KindCounts& draws);

// The largest delay of a number (RIT MAX) over draws that end a delay with the given chances, in
// the order the chart walks them (from the "AL" end to the "DAL" end: the stretch before the first
// appearance in that order does not count, the one after the last does; never drawn, the count of
// draws). The smallest value it stays at or below with at least `level` chance: the delay beyond
// which chance alone rarely goes.
int LongestGapPercentile(std::span<const double> chances, double level);

// The current delay of a number (RIT) over draws that end a delay with the given chances, in scan
// order: its mean, and the smallest value it stays at or below with at least `level` chance, with
// the chance it goes beyond that.
struct CurrentDelayChance {
    double mean = 0;
    int percentile = 0;
    double beyond = 0;
};
CurrentDelayChance ChanceOfCurrentDelay(std::span<const double> chances, double level);

// The level of the delay lines: 99 %.
inline constexpr double kRareLevel = 0.99;

}  // namespace fortunara
