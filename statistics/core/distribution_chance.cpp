#include "statistics/core/distribution_chance.h"

#include <cstddef>

#include "state/binomial.h"

namespace fortunara {

namespace {

using Table = std::vector<double>;

// The draws are walked number by number, 1 to `pool`: each number is skipped or becomes the next of
// the six in ascending order (for the sum, also the jolly). A state counts the ways to get there.

Table ParityCounts(const PositionFlags& positions, int pool) {
    // [chosen][even values so far]
    std::vector<Table> ways(7, Table(7, 0.0));
    ways[0][0] = 1;
    for (int x = 1; x <= pool; ++x) {
        for (std::size_t k = 6; k-- > 0;) {
            const std::size_t even = positions[k + 1] && x % 2 == 0 ? 1 : 0;
            for (std::size_t e = 0; e + even < 7; ++e) ways[k + 1][e + even] += ways[k][e];
        }
    }
    // A position that does not take part reads 0, which is even.
    std::size_t off = 0;
    for (std::size_t k = 1; k <= 6; ++k) off += positions[k] ? 0 : 1;
    Table counts(7, 0.0);
    for (std::size_t e = 0; e + off < 7; ++e) counts[e + off] = ways[6][e];
    return counts;
}

Table InterruptionCounts(const PositionFlags& positions, int pool) {
    // [chosen][the last one chosen is x - 1][breaks so far]
    std::vector<std::array<Table, 2>> ways(7, {Table(7, 0.0), Table(7, 0.0)});
    ways[0][0][0] = 1;
    for (int x = 1; x <= pool; ++x) {
        for (std::size_t k = 7; k-- > 0;) {
            for (std::size_t b = 0; b < 7; ++b) {
                for (const std::size_t adjacent : {0U, 1U}) {
                    const double w = ways[k][adjacent][b];
                    if (w == 0) continue;
                    ways[k][adjacent][b] = 0;
                    ways[k][0][b] += w;  // x skipped
                    if (k == 6) continue;
                    // x is the (k + 1)-th: no break only where both places take part and are neighbours;
                    // a place that does not take part reads 0, which no value follows by one.
                    const bool kept = k == 0 || (positions[k] && positions[k + 1] && adjacent == 1);
                    ways[k + 1][1][b + (kept ? 0 : 1)] += w;
                }
            }
        }
    }
    Table counts(7, 0.0);
    for (std::size_t b = 0; b < 7; ++b) counts[b] = ways[6][0][b] + ways[6][1][b];
    return counts;
}

Table SumCounts(const PositionFlags& positions, bool jolly, int pool) {
    const std::size_t sums = static_cast<std::size_t>(kLargestSum) + 1;
    // [chosen][jolly taken][sum]
    std::vector<std::array<Table, 2>> ways(7, {Table(sums, 0.0), Table(sums, 0.0)});
    ways[0][0][0] = 1;
    for (int x = 1; x <= pool; ++x) {
        const auto value = static_cast<std::size_t>(x);
        for (std::size_t k = 7; k-- > 0;) {
            for (std::size_t taken = jolly ? 2 : 1; taken-- > 0;) {
                Table& from = ways[k][taken];
                for (std::size_t s = sums; s-- > 0;) {
                    const double w = from[s];
                    if (w == 0) continue;
                    if (k < 6) {
                        const std::size_t to = s + (positions[k + 1] ? value : 0);
                        if (to < sums) ways[k + 1][taken][to] += w;
                    }
                    if (jolly && taken == 0 && s + value < sums) ways[k][1][s + value] += w;
                }
            }
        }
    }
    return ways[6][jolly ? 1 : 0];
}

}  // namespace

std::vector<double> PropertyChances(DistributionKind property, const PositionFlags& positions, DrawKind drawKind,
                                    int pool) {
    Table counts;
    double draws = static_cast<double>(Binomial(pool, 6));
    switch (property) {
        case DistributionKind::Parity:
            counts = ParityCounts(positions, pool);
            break;
        case DistributionKind::Interruptions:
            counts = InterruptionCounts(positions, pool);
            break;
        case DistributionKind::Sum:
            counts = SumCounts(positions, drawKind.jolly, pool);
            if (drawKind.jolly) draws *= pool - 6;
            if (drawKind.superstar) {
                // The superstar adds 1 to `pool`, each as likely.
                Table withStar(counts.size(), 0.0);
                for (std::size_t s = 0; s < counts.size(); ++s) {
                    for (std::size_t star = 1; star <= static_cast<std::size_t>(pool) && s + star < counts.size();
                         ++star) {
                        withStar[s + star] += counts[s];
                    }
                }
                counts = std::move(withStar);
                draws *= pool;
            }
            break;
    }
    for (double& c : counts) c /= draws;
    return counts;
}

std::vector<double> ExpectedFrequencies(DistributionKind property, const PositionFlags& positions,
                                        const KindCounts& draws) {
    std::vector<double> expected;
    for (const bool jolly : {false, true}) {
        for (const bool superstar : {false, true}) {
            const int count = draws[jolly][superstar];
            if (count == 0) continue;
            const std::vector<double> chances = PropertyChances(property, positions, {jolly, superstar});
            if (expected.empty()) expected.assign(chances.size(), 0.0);
            for (std::size_t v = 0; v < chances.size(); ++v) expected[v] += count * chances[v];
        }
    }
    if (expected.empty()) expected.assign(property == DistributionKind::Sum ? kLargestSum + 1 : 7, 0.0);
    return expected;
}

}  // namespace fortunara
