// The chance lines of the charts against values worked out here: binomials by hand, the longest gap
// by counting every outcome of a short range, the distributions by their formulas and by every draw
// of a small pool.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <map>

#include "state/binomial.h"
#include "statistics/core/distribution_chance.h"
#include "statistics/core/number_chance.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

constexpr double kDraws90 = 622614630.0;  // C(90, 6)

PositionFlags Ticked(std::initializer_list<int> positions) {
    return PositionsFromList(positions);
}

TEST(Chance, FrequencyBandIsTwoBinomialDeviationsWithItsExactTail) {
    const double q = 6.0 / 90;
    const double s = 1.0 / 90;
    const double j = 7.0 / 90;
    const struct {
        const char* name;
        int number;
        PositionFlags positions;
        KindCounts draws;
        double mean;
        double variance;
        double outside;  // the chance of a count below mean - 2 sd or above mean + 2 sd
    } rows[] = {
        // Above 1.06 means 2 or 3 of 3 draws.
        {"six main numbers",
         1,
         MainPositions(),
         {{{3, 0}, {0, 0}}},
         3 * q,
         3 * q * (1 - q),
         3 * q * q * (1 - q) + q * q * q},
        {"with the jolly",
         40,
         Ticked({1, 2, 3, 4, 5, 6, 7}),
         {{{0, 0}, {3, 0}}},
         3 * j,
         3 * j * (1 - j),
         3 * j * j * (1 - j) + j * j * j},
        // Number 1 is the smallest of the six in C(89, 5) draws: 6 / 90 of them.
        {"smallest place only",
         1,
         Ticked({1}),
         {{{3, 0}, {0, 0}}},
         3 * q,
         3 * q * (1 - q),
         3 * q * q * (1 - q) + q * q * q},
        {"90 is never the smallest", 90, Ticked({1}), {{{3, 0}, {0, 0}}}, 0, 0, 0},
        // Superstar ticked, one of three draws from before the superstar: 2 or more is outside.
        {"superstar in two draws of three",
         7,
         Ticked({1, 2, 3, 4, 5, 6, 8}),
         {{{1, 2}, {0, 0}}},
         3 * q + 2 * s,
         3 * q * (1 - q) + 2 * s * (1 - s),
         1 - std::pow(1 - q, 3) * std::pow(1 - s, 2) -
             (3 * q * std::pow(1 - q, 2) * std::pow(1 - s, 2) + std::pow(1 - q, 3) * 2 * s * (1 - s))},
    };
    for (const auto& row : rows) {
        const FrequencyChance chance = ChanceOfFrequency(row.number, row.positions, row.draws);
        const double deviation = std::sqrt(row.variance);
        EXPECT_NEAR(chance.mean, row.mean, 1e-12) << row.name;
        EXPECT_NEAR(chance.deviation, deviation, 1e-12) << row.name;
        EXPECT_NEAR(chance.low, row.mean - 2 * deviation, 1e-12) << row.name;
        EXPECT_NEAR(chance.high, row.mean + 2 * deviation, 1e-12) << row.name;
        EXPECT_NEAR(chance.outside, row.outside, 1e-12) << row.name;
    }
}

// RIT MAX of one outcome, walked from the "AL" end: the stretch before the first appearance does
// not count, the one after the last does; never drawn, the whole length.
int RitMax(unsigned outcome, int draws) {
    int last = -1;
    int longest = 0;
    for (int i = 0; i < draws; ++i) {
        if ((outcome >> i) & 1U) {
            if (last >= 0) longest = std::max(longest, i - last - 1);
            last = i;
        }
    }
    return last < 0 ? draws : std::max(longest, draws - 1 - last);
}

int BruteForcePercentile(const std::vector<double>& chances, double level) {
    const int draws = static_cast<int>(chances.size());
    std::vector<double> byMax(static_cast<std::size_t>(draws) + 1, 0.0);
    for (unsigned outcome = 0; outcome < (1U << draws); ++outcome) {
        double weight = 1;
        for (int i = 0; i < draws; ++i) {
            const double p = chances[static_cast<std::size_t>(i)];
            weight *= (outcome >> i) & 1U ? p : 1 - p;
        }
        byMax[static_cast<std::size_t>(RitMax(outcome, draws))] += weight;
    }
    double cumulative = 0;
    for (int limit = 0; limit <= draws; ++limit) {
        cumulative += byMax[static_cast<std::size_t>(limit)];
        if (cumulative >= level - 1e-12) return limit;
    }
    return draws;
}

TEST(Chance, LongestGapPercentileAgreesWithEveryOutcomeCounted) {
    std::vector<double> alternating;
    for (int i = 0; i < 14; ++i) alternating.push_back(i % 2 == 0 ? 0.45 : 0.2);
    std::vector<double> withoutSuperstarAtFirst(6, 6.0 / 90);
    withoutSuperstarAtFirst.resize(16, 0.5);
    const struct {
        const char* name;
        std::vector<double> chances;
        double level;
    } rows[] = {
        {"steady 0.3, 99 %", std::vector<double>(14, 0.3), 0.99},
        {"steady 0.3, 90 %", std::vector<double>(12, 0.3), 0.90},
        {"steady 0.5, 99 %", std::vector<double>(16, 0.5), 0.99},
        {"changing chances", alternating, 0.99},
        {"rare first, then often", withoutSuperstarAtFirst, 0.99},
        {"six of 90 over ten draws: never drawn is likely", std::vector<double>(10, 6.0 / 90), 0.99},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LongestGapPercentile(row.chances, row.level), BruteForcePercentile(row.chances, row.level))
            << row.name;
    }
}

TEST(Chance, CurrentDelayIsGeometricCutAtTheRange) {
    const double miss = 14.0 / 15;
    // (14/15)^67 = 0.0098 is the first tail under 1 %: RIT stays at 66 or below 99 times in 100.
    const CurrentDelayChance whole = ChanceOfCurrentDelay(std::vector<double>(4000, 1.0 / 15), kRareLevel);
    EXPECT_EQ(whole.percentile, 66);
    EXPECT_NEAR(whole.beyond, std::pow(miss, 67), 1e-12);
    EXPECT_NEAR(whole.mean, 14 * (1 - std::pow(miss, 4000)), 1e-9);
    // Ten draws: never drawn (RIT 10) has 50 % chance, so no delay below 10 is rare.
    const CurrentDelayChance shortRange = ChanceOfCurrentDelay(std::vector<double>(10, 1.0 / 15), kRareLevel);
    EXPECT_EQ(shortRange.percentile, 10);
    EXPECT_EQ(shortRange.beyond, 0);
    EXPECT_NEAR(shortRange.mean, 14 * (1 - std::pow(miss, 10)), 1e-12);
}

TEST(Chance, DistributionsOfSixOfNinetyFollowTheirFormulas) {
    const std::vector<double> parity = PropertyChances(DistributionKind::Parity, MainPositions(), {});
    const std::vector<double> breaks = PropertyChances(DistributionKind::Interruptions, MainPositions(), {});
    for (int v = 0; v <= 6; ++v) {
        // v even of 45 and 6 - v odd of 45; i breaks are i + 1 runs: C(85, i + 1) C(5, i) ways.
        EXPECT_NEAR(parity[static_cast<std::size_t>(v)],
                    static_cast<double>(Binomial(45, v) * Binomial(45, 6 - v)) / kDraws90, 1e-15);
        EXPECT_NEAR(breaks[static_cast<std::size_t>(v)],
                    static_cast<double>(Binomial(85, v + 1) * Binomial(5, v)) / kDraws90, 1e-15);
    }
    const std::vector<double> sums = PropertyChances(DistributionKind::Sum, MainPositions(), {});
    EXPECT_EQ(sums[20], 0);
    EXPECT_NEAR(sums[21], 1 / kDraws90, 1e-20);  // 1 2 3 4 5 6
    EXPECT_NEAR(sums[23], 2 / kDraws90, 1e-20);  // 1 2 3 4 5 8, 1 2 3 4 6 7
    const auto mean = [](const std::vector<double>& chances) {
        double m = 0;
        for (std::size_t v = 0; v < chances.size(); ++v) m += static_cast<double>(v) * chances[v];
        return m;
    };
    EXPECT_NEAR(mean(sums), 6 * 45.5, 1e-9);
    EXPECT_NEAR(mean(PropertyChances(DistributionKind::Sum, Ticked({1, 2, 3, 4, 5, 6, 7, 8}), {true, true})), 8 * 45.5,
                1e-9);
}

TEST(Chance, DistributionsAgreeWithEveryDrawOfASmallPool) {
    constexpr int kPool = 12;
    const PositionFlags positionSets[] = {MainPositions(), Ticked({1, 3, 5}), Ticked({2, 3, 4, 5, 6, 7, 8}), Ticked({}),
                                          Ticked({1, 2, 3, 4, 5, 6, 7, 8})};
    for (const PositionFlags& positions : positionSets) {
        const DrawKind kind{positions[7], positions[8]};
        for (const DistributionKind property :
             {DistributionKind::Parity, DistributionKind::Sum, DistributionKind::Interruptions}) {
            std::map<int, double> counted;
            double draws = 0;
            for (unsigned six = 0; six < (1U << kPool); ++six) {
                if (std::popcount(six) != 6) continue;
                std::array<int, 6> main{};
                std::vector<int> left;
                for (int n = 1, k = 0; n <= kPool; ++n) {
                    if ((six >> (n - 1)) & 1U) {
                        main[static_cast<std::size_t>(k++)] = n;
                    } else {
                        left.push_back(n);
                    }
                }
                for (const int jolly : left) {
                    for (int star = 1; star <= kPool; ++star) {
                        const int v =
                            DistributionValue(property, test::MakeDraw("01GEN2020", main, jolly, star), positions);
                        // Where the draw's kind leaves the jolly or superstar out, each is as likely.
                        counted[v] += 1;
                        draws += 1;
                    }
                }
            }
            const std::vector<double> chances = PropertyChances(property, positions, kind, kPool);
            for (std::size_t v = 0; v < chances.size(); ++v) {
                const auto found = counted.find(static_cast<int>(v));
                const double expected = found == counted.end() ? 0 : found->second / draws;
                EXPECT_NEAR(chances[v], expected, 1e-12)
                    << "value " << v << " property " << static_cast<int>(property) << " positions " << positions[1]
                    << positions[2] << positions[3] << positions[4] << positions[5] << positions[6] << positions[7]
                    << positions[8];
            }
        }
    }
}

}  // namespace
}  // namespace fortunara
