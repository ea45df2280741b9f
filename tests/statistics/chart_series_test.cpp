// The series of the charts of the statistics tab on a hand-made archive of eight draws.
#include <gtest/gtest.h>

#include <cmath>

#include "statistics/core/distribution_chart.h"
#include "statistics/core/number_charts.h"
#include "statistics/core/statistics_charts.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::MakeDraw;

// Record k holds 10k + 1 .. 10k + 6, except that 5 takes the place of 10k + 1 in records 2, 3 and 7:
// every number is drawn at most once, but 5 three times.
class EightDraws : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<DrawRecord> draws;
        for (int k = 1; k <= 8; ++k) {
            const int first = (k == 2 || k == 3 || k == 7) ? 5 : 10 * k + 1;
            draws.push_back(MakeDraw("0" + std::to_string(k) + "GEN2020",
                                     {first, 10 * k + 2, 10 * k + 3, 10 * k + 4, 10 * k + 5, 10 * k + 6}, 90, 0));
        }
        test::WriteDraws(folder_, draws);
    }
    test::TempFolder folder_;
};

TEST_F(EightDraws, DelayOfANumberRisesDrawByDrawAndFallsToZeroWhereItIsDrawn) {
    const struct {
        const char* name;
        ScanRange range;
        std::vector<int> records;
        std::vector<int> delays;
        std::vector<int> maxAt;
    } rows[] = {
        // From the "AL" end, record 1: before its first appearance the draws walked so far.
        {"newest first", {8, 1}, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 0, 0, 1, 2, 3, 0, 1}, {5}},
        // Scanning upwards the walk starts at record 8; its first stretch (record 8) does not count.
        {"oldest first", {1, 8}, {8, 7, 6, 5, 4, 3, 2, 1}, {1, 0, 1, 2, 3, 0, 0, 1}, {4}},
    };
    for (const auto& row : rows) {
        const DelayHistory history = ComputeDelayHistory(folder_.path(), row.range, MainPositions(), 5);
        ASSERT_EQ(history.error, "");
        EXPECT_EQ(history.records, row.records) << row.name;
        EXPECT_EQ(history.delays, row.delays) << row.name;
        EXPECT_EQ(history.maxDelay, 3) << row.name;
        EXPECT_EQ(history.maxAt, row.maxAt) << row.name;
        // Never drawn in eight draws has a chance of (14/15)^8 = 58 %: only the whole length is rare.
        EXPECT_EQ(history.rareGap, 8) << row.name;
    }
}

TEST_F(EightDraws, FrequenciesAndCurrentDelaysStandBesideTheirChance) {
    const NumberScan scan = ScanNumbers(folder_.path(), {8, 1}, MainPositions());
    ASSERT_EQ(scan.table.error, "");
    const FrequencySeries frequencies = FrequenciesAgainstChance(scan, MainPositions());
    ASSERT_EQ(frequencies.bars.size(), 90u);
    EXPECT_EQ(frequencies.bars[4].frequency, 3);
    EXPECT_EQ(frequencies.bars[11].frequency, 1);
    EXPECT_EQ(frequencies.bars[0].frequency, 0);
    // Mean 8 * 6 / 90 = 0,53 and deviation 0,71: 2 or more is outside, only 5 is.
    EXPECT_EQ(frequencies.outside, 1);
    const double miss = 14.0 / 15;
    EXPECT_NEAR(frequencies.expectedOutside, 90 * (1 - std::pow(miss, 8) - 8 * std::pow(miss, 7) / 15), 1e-9);

    const CurrentDelaySeries delays = CurrentDelaysAgainstChance(scan, MainPositions());
    ASSERT_EQ(delays.bars.size(), 90u);
    // Never drawn: RIT 8, the numbers in order; then 71 .. 76 (record 7) at 1 with 5; record 8 last.
    EXPECT_EQ(delays.bars.front().number, 1);
    EXPECT_EQ(delays.bars.front().delay, 8);
    EXPECT_EQ(delays.bars.back().number, 86);
    EXPECT_EQ(delays.bars.back().delay, 0);
    EXPECT_EQ(delays.beyond, 0);

    const ChartData chart = FrequencyChart(scan, frequencies, MainPositions());
    EXPECT_EQ(chart.notes.front(),
              "8 ESTRAZIONI DAL 08GEN2020 AL 01GEN2020, POSIZIONI 1-6: OGNI NUMERO E' ATTESO 0,53 VOLTE");
    EXPECT_EQ(chart.notes.back().substr(0, 42), "FUORI DALLA FASCIA DEL CASO: 1 NUMERO (5).");
}

TEST_F(EightDraws, DistributionBarsCountTheDrawsBesideTheirExpectation) {
    const DistributionScan scan = ScanDistribution(DistributionKind::Parity, folder_.path(), {8, 1}, MainPositions());
    const std::vector<DistributionBar> bars = DistributionAgainstChance(scan, MainPositions());
    ASSERT_EQ(bars.size(), 7u);
    for (const DistributionBar& bar : bars) EXPECT_EQ(bar.frequency, bar.value == 3 ? 8 : 0) << bar.value;
    EXPECT_NEAR(bars[3].expected, 8 * 14190.0 * 14190.0 / 622614630.0, 1e-9);  // C(45, 3)^2 / C(90, 6)

    // The sums: 10k + 1 + ... + 10k + 6 = 60k + 21, with 5 in place of 10k + 1 in three draws.
    const DistributionScan sums = ScanDistribution(DistributionKind::Sum, folder_.path(), {8, 1}, MainPositions());
    const std::vector<DistributionBar> sumBars = DistributionAgainstChance(sums, MainPositions());
    ASSERT_FALSE(sumBars.empty());
    EXPECT_EQ(sumBars.back().value - sumBars.front().value + 1, static_cast<int>(sumBars.size()));
    int counted = 0;
    for (const DistributionBar& bar : sumBars) counted += bar.frequency;
    EXPECT_EQ(counted, 8);
    EXPECT_EQ(sumBars[static_cast<std::size_t>(81 - sumBars.front().value)].frequency, 1);  // 11 + ... + 16
}

}  // namespace
}  // namespace fortunara
