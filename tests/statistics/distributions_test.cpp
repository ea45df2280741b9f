#include <gtest/gtest.h>

#include "statistics/core/distributions.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::MakeDraw;

struct ValueCase {
    const char* name;
    std::array<int, 6> main;
    std::vector<int> positions;
    int parity;
    int sum;
    int interruptions;
};

TEST(Distributions, PropertyOfADrawFollowsItsTickedPositions) {
    const ValueCase cases[] = {
        {"consecutive", {4, 2, 6, 1, 3, 5}, {1, 2, 3, 4, 5, 6}, 3, 21, 0},
        {"consecutive_with_jolly_and_star", {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7, 8}, 3, 21 + 70 + 80, 0},
        {"spread", {50, 40, 30, 20, 10, 5}, {1, 2, 3, 4, 5, 6}, 5, 155, 5},
        // Without box 1 the smallest number reads 0: even, nothing to the sum, a break before 2.
        {"box_one_cleared", {1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6}, 4, 20, 1},
        {"nothing_ticked", {1, 3, 5, 7, 9, 11}, {}, 6, 0, 5},
        {"two_runs", {10, 11, 12, 40, 41, 42}, {1, 2, 3, 4, 5, 6}, 4, 156, 1},
    };
    for (const ValueCase& c : cases) {
        const DrawRecord draw = MakeDraw("01GEN2009", c.main, 70, 80);
        const PositionFlags positions = PositionsFromList(c.positions);
        EXPECT_EQ(DistributionValue(DistributionKind::Parity, draw, positions), c.parity) << c.name;
        EXPECT_EQ(DistributionValue(DistributionKind::Sum, draw, positions), c.sum) << c.name;
        EXPECT_EQ(DistributionValue(DistributionKind::Interruptions, draw, positions), c.interruptions) << c.name;
    }
}

TEST(Distributions, ParityGridLabelsEvenBeforeOddAndGivesUnseenValuesTheScanLength) {
    const std::vector<DrawRecord> draws = {MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}),
                                           MakeDraw("02GEN2009", {5, 10, 20, 30, 40, 50}),
                                           MakeDraw("03GEN2009", {7, 8, 9, 10, 11, 12})};
    const StatisticsGrid grid = DistributionGrid(ComputeDistribution(DistributionKind::Parity, draws, MainPositions()));
    EXPECT_EQ(grid.title, "Pari e Dispari");
    EXPECT_EQ(grid.columnWidths, (std::vector<int>{750, 1400, 1400}));
    EXPECT_EQ(grid.headers, (std::vector<std::string>{" P - D ", "FREQUENZA", "RITARDO"}));
    ASSERT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.rows[0], (std::vector<std::string>{" 0 - 6", " 0", " 3"}));
    EXPECT_EQ(grid.rows[3], (std::vector<std::string>{" 3 - 3", " 2", " 0"}));
    EXPECT_EQ(grid.rows[5], (std::vector<std::string>{" 5 - 1", " 1", " 1"}));
}

TEST(Distributions, InterruptionRowForSixIsAlwaysEmpty) {
    const std::vector<DrawRecord> draws(4, MakeDraw("01GEN2009", {5, 10, 20, 30, 40, 50}));
    const StatisticsGrid grid =
        DistributionGrid(ComputeDistribution(DistributionKind::Interruptions, draws, MainPositions()));
    EXPECT_EQ(grid.title, "Interruzioni");
    EXPECT_EQ(grid.headers, (std::vector<std::string>{" n° ", "FREQ", "RIT"}));
    ASSERT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.rows[5], (std::vector<std::string>{"5", " 4", " 0"}));
    EXPECT_EQ(grid.rows[6], (std::vector<std::string>{"6", " 0", " 4"}));
}

TEST(Distributions, SumTableHasOneRowPerSumThatOccurredAscending) {
    const std::vector<DrawRecord> draws = {MakeDraw("01GEN2009", {10, 11, 12, 13, 14, 15}),
                                           MakeDraw("02GEN2009", {1, 2, 3, 4, 5, 6}),
                                           MakeDraw("03GEN2009", {15, 14, 13, 12, 11, 10})};
    const StatisticsGrid grid = DistributionGrid(ComputeDistribution(DistributionKind::Sum, draws, MainPositions()));
    EXPECT_EQ(grid.title, "Somma totale dei sei numeri");
    EXPECT_EQ(grid.columnWidths, (std::vector<int>{700, 1300, 1300}));
    EXPECT_EQ(grid.headers, (std::vector<std::string>{"SOMMA", "FREQUENZA", "RITARDO"}));
    EXPECT_EQ(grid.rows, (std::vector<std::vector<std::string>>{{"21", " 1", " 1"}, {"75", " 2", " 0"}}));

    const StatisticsGrid one =
        DistributionGrid(ComputeDistribution(DistributionKind::Sum, std::span(draws).subspan(1, 1), MainPositions()));
    EXPECT_EQ(one.rows, (std::vector<std::vector<std::string>>{{"21", " 1", " 0"}}));
}

TEST(Distributions, SumsFromSixHundredTenUpGetTheirRowsAndSumZeroHasNone) {
    PositionFlags all = PositionsFromList({1, 2, 3, 4, 5, 6, 7, 8});
    const std::vector<DrawRecord> draws = {MakeDraw("01GEN2009", {85, 86, 87, 88, 89, 90}, 84, 90),
                                           MakeDraw("02GEN2009", {85, 86, 87, 88, 89, 90}, 84, 1),
                                           MakeDraw("03GEN2009", {80, 86, 87, 88, 89, 90}, 84, 6)};
    const std::vector<DistributionRow> rows = DistributionRows(ComputeDistribution(DistributionKind::Sum, draws, all));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value, 610);
    EXPECT_EQ(rows[0].frequency, 2);
    EXPECT_EQ(rows[0].delay, 1);
    EXPECT_EQ(rows[1].value, 699);

    const DistributionTable none = ComputeDistribution(DistributionKind::Sum, draws, PositionFlags{});
    EXPECT_EQ(none.frequency[0], 3);
    EXPECT_TRUE(DistributionRows(none).empty());
}

TEST(Distributions, ReadsTheRangeFromTheArchiveInScanOrder) {
    test::TempFolder folder;
    test::WriteDraws(folder, {MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}), MakeDraw("02GEN2009", {5, 10, 20, 30, 40, 50}),
                              MakeDraw("03GEN2009", {5, 10, 20, 30, 40, 50})});
    const DistributionTable table =
        ComputeDistribution(DistributionKind::Interruptions, folder.path(), {3, 1}, MainPositions());
    EXPECT_EQ(table.recordCount, 3);
    EXPECT_EQ(table.scanned, 3);
    EXPECT_EQ(table.delay[0], 2);
    EXPECT_EQ(table.frequency[5], 2);
    EXPECT_EQ(table.delay[5], 0);
}

}  // namespace
}  // namespace fortunara
