#include <gtest/gtest.h>

#include "statistics/core/number_delays.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::FillerDraw;
using test::MakeDraw;

const NumberDelay& Of(const DelayTable& table, int n) {
    return table.numbers[static_cast<std::size_t>(n)];
}

void ExpectDelay(const DelayTable& table, int n, int frequency, int delay, int maxDelay) {
    EXPECT_EQ(Of(table, n).frequency, frequency) << "number " << n;
    EXPECT_EQ(Of(table, n).delay, delay) << "number " << n;
    EXPECT_EQ(Of(table, n).maxDelay, maxDelay) << "number " << n;
}

TEST(NumberDelays, OneDrawGivesZeroDelaysToItsNumbersAndOneToTheOthers) {
    const std::vector<DrawRecord> draws = {MakeDraw("01GEN2009", {17, 5, 3, 4, 2, 6}, 7, 8)};
    const DelayTable table = ComputeDelays(draws, MainPositions());
    EXPECT_EQ(table.scanned, 1);
    for (int n : {2, 3, 4, 5, 6, 17}) ExpectDelay(table, n, 1, 0, 0);
    for (int n : {1, 7, 8, 90}) ExpectDelay(table, n, 0, 1, 1);
}

TEST(NumberDelays, SuperstarEqualToAMainNumberCountsTwiceButDelaysOnce) {
    PositionFlags positions = MainPositions();
    positions[8] = true;
    const std::vector<DrawRecord> draws = {FillerDraw(), MakeDraw("01GEN2009", {33, 1, 2, 3, 4, 5}, 6, 33),
                                           FillerDraw(), FillerDraw()};
    ExpectDelay(ComputeDelays(draws, positions), 33, 2, 1, 1);
}

TEST(NumberDelays, NumberOnlyInTheLastScannedDrawHasDelayOneLessThanTheLength) {
    const std::vector<DrawRecord> draws = {FillerDraw(), FillerDraw(), FillerDraw(), FillerDraw(),
                                           MakeDraw("01GEN2009", {9, 1, 2, 3, 4, 5})};
    ExpectDelay(ComputeDelays(draws, MainPositions()), 9, 1, 4, 4);
}

TEST(NumberDelays, StretchAfterTheLastAppearanceDoesNotCount) {
    const DrawRecord nine = MakeDraw("01GEN2009", {9, 1, 2, 3, 4, 5});
    std::vector<DrawRecord> draws(20, FillerDraw());
    draws[0] = nine;
    draws[5] = nine;
    ExpectDelay(ComputeDelays(draws, MainPositions()), 9, 2, 0, 4);
}

TEST(NumberDelays, PositionsFollowTheAscendingOrderOfTheMainNumbers) {
    // Stored order 50, 10, ...: position 1 is the smallest number, 10, wherever it was stored.
    const std::vector<DrawRecord> draws = {MakeDraw("01GEN2009", {50, 10, 60, 70, 80, 20}, 30, 40)};
    const DelayTable smallest = ComputeDelays(draws, PositionsFromList({1}));
    EXPECT_EQ(Of(smallest, 10).frequency, 1);
    EXPECT_EQ(Of(smallest, 50).frequency, 0);
    const DelayTable jolly = ComputeDelays(draws, PositionsFromList({7}));
    EXPECT_EQ(Of(jolly, 30).frequency, 1);
    EXPECT_EQ(Of(jolly, 10).frequency, 0);
}

TEST(NumberDelays, NoPositionTickedLeavesEveryNumberAbsent) {
    const std::vector<DrawRecord> draws(3, MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}, 7, 8));
    const DelayTable table = ComputeDelays(draws, PositionFlags{});
    for (int n = 1; n <= 90; ++n) ExpectDelay(table, n, 0, 3, 3);
}

TEST(NumberDelays, ForwardRangeCountsFromTheOlderEnd) {
    test::TempFolder folder;
    test::WriteDraws(folder, {MakeDraw("01GEN2009", {9, 1, 2, 3, 4, 5}), FillerDraw(), FillerDraw(),
                              MakeDraw("04GEN2009", {11, 1, 2, 3, 4, 5})});
    const DelayTable forwards = ComputeDelays(folder.path(), {1, 4}, MainPositions());
    EXPECT_EQ(forwards.recordCount, 4);
    ExpectDelay(forwards, 9, 1, 0, 0);
    ExpectDelay(forwards, 11, 1, 3, 3);
    const DelayTable backwards = ComputeDelays(folder.path(), {4, 1}, MainPositions());
    ExpectDelay(backwards, 9, 1, 3, 3);
    ExpectDelay(backwards, 11, 1, 0, 0);
}

TEST(NumberDelays, RangeBeyondTheArchiveScansOnlyTheRecordsItHolds) {
    test::TempFolder folder;
    test::WriteDraws(folder, {FillerDraw(), MakeDraw("02GEN2009", {9, 1, 2, 3, 4, 5})});
    const DelayTable table = ComputeDelays(folder.path(), {7, 1}, MainPositions());
    EXPECT_EQ(table.scanned, 2);
    ExpectDelay(table, 9, 1, 0, 0);
}

TEST(NumberDelays, GridHasTheTitleHeadersWidthsAndTextForms) {
    std::vector<DrawRecord> draws(12, MakeDraw("01GEN2009", {7, 1, 2, 3, 4, 5}));
    draws[0] = FillerDraw();
    const StatisticsGrid grid = DelayGrid(ComputeDelays(draws, MainPositions()));
    EXPECT_EQ(grid.title, "Ritardi e frequenze dei 90 numeri");
    EXPECT_EQ(grid.columnWidths, (std::vector<int>{600, 900, 900, 900, 900}));
    EXPECT_EQ(grid.headers, (std::vector<std::string>{"N°", "FREQ", "RIT", "RIT MAX", "CMAX"}));
    EXPECT_EQ(grid.headerRowHeight, 200);
    EXPECT_EQ(grid.RowCount(), 91);
    EXPECT_EQ(grid.rows[6], (std::vector<std::string>{"7", " 11", " 1", " 1", ""}));
    EXPECT_EQ(grid.rows[89], (std::vector<std::string>{"90", " 0", " 12", " 12", ""}));
}

}  // namespace
}  // namespace fortunara
