#include "vertible/core/forecast_check.h"

#include <gtest/gtest.h>

#include <random>

#include "archive/core/draw_scan.h"
#include "tests/statistics/draw_builder.h"
#include "vertible/core/chance.h"
#include "vertible/core/method_walk.h"

namespace fortunara {
namespace {

using test::FillerDraw;
using test::MakeDraw;

ForecastLine Superstar(int record, int number) {
    return {record, "01GEN2020", ForecastKind::Superstar, {number}};
}
ForecastLine Slip(int record, std::vector<int> numbers) {
    return {record, "01GEN2020", ForecastKind::Slip, std::move(numbers)};
}

struct RuleCase {
    const char* name;
    ForecastLine line;
    DrawRecord draw;
    std::optional<std::vector<int>> matched;
};

TEST(ForecastCheck, WinRules) {
    const ForecastLine slip = Slip(1, {13, 31, 58, 59, 14, 32});
    const RuleCase cases[] = {
        {"superstar", Superstar(1, 13), MakeDraw("", {1, 2, 3, 4, 5, 6}, 7, 13), std::vector<int>{13}},
        {"superstar among the main numbers", Superstar(1, 13), MakeDraw("", {13, 2, 3, 4, 5, 6}, 7, 8), std::nullopt},
        {"two main numbers, in the slip's order", slip, MakeDraw("", {14, 2, 31, 4, 5, 6}, 7, 8),
         std::vector<int>{31, 14}},
        {"one main number", slip, MakeDraw("", {14, 2, 3, 4, 5, 6}, 7, 8), std::nullopt},
        {"jolly and superstar do not count", slip, MakeDraw("", {14, 2, 3, 4, 5, 6}, 31, 32), std::nullopt},
        {"a doubled number matches twice", Slip(1, {5, 5, 60, 61, 62, 63}), MakeDraw("", {5, 2, 3, 4, 80, 81}, 7, 8),
         std::vector<int>{5, 5}},
    };
    for (const RuleCase& c : cases) EXPECT_EQ(WinningNumbers(c.line, c.draw), c.matched) << c.name;
}

TEST(ForecastCheck, FirstWinningDrawAndGroupsCountedOnce) {
    test::TempFolder folder;
    std::vector<DrawRecord> draws(30, FillerDraw());
    draws[3] = MakeDraw("04GEN2020", {1, 2, 3, 4, 5, 6}, 7, 13);       // record 4
    draws[5] = MakeDraw("06GEN2020", {14, 2, 31, 4, 5, 6}, 7, 8);      // record 6
    draws[24] = MakeDraw("25GEN2020", {14, 31, 58, 4, 5, 6}, 59, 50);  // record 25
    draws[26] = MakeDraw("27GEN2020", {81, 82, 83, 84, 85, 86}, 87, 0);
    draws[27] = draws[26];
    test::WriteDraws(folder, draws);
    const std::vector<ForecastLine> lines = {
        // Won by its superstar at the third draw and by its first slip: one group won.
        Superstar(1, 13), Slip(1, {13, 31, 58, 59, 14, 32}), Slip(1, {13, 31, 59, 60, 15, 33}),
        // Won only by its second slip, at the last draw examined.
        Superstar(7, 13), Slip(7, {70, 71, 72, 73, 74, 75}), Slip(7, {14, 31, 72, 73, 74, 75}),
        // Five draws follow, three of them with a superstar; none wins.
        Superstar(25, 40), Slip(25, {60, 61, 62, 63, 64, 65}), Slip(25, {60, 61, 62, 63, 64, 65})};
    const ForecastCheck check = CheckForecasts(folder.path(), lines);
    ASSERT_EQ(check.error, "");
    ASSERT_EQ(check.outcomes.size(), lines.size());
    EXPECT_EQ(check.outcomes[0].waited, 3);
    EXPECT_EQ(check.outcomes[0].date, "04GEN2020");
    EXPECT_EQ(check.outcomes[0].matched, std::vector<int>{13});
    EXPECT_EQ(check.outcomes[1].waited, 5);
    EXPECT_EQ(check.outcomes[1].matched, (std::vector<int>{31, 14}));
    EXPECT_EQ(check.outcomes[3].waited, 0);
    EXPECT_EQ(check.outcomes[5].waited, 18);
    EXPECT_EQ(check.outcomes[5].date, "25GEN2020");
    EXPECT_EQ(check.outcomes[5].matched, (std::vector<int>{14, 31}));
    EXPECT_EQ(check.outcomes[6].waited, 0);
    EXPECT_EQ(check.played, 3);
    EXPECT_EQ(check.won, 2);
    EXPECT_EQ(PercentText(check.percent), "66,67 %");
    EXPECT_EQ(check.chance.played, 3);
    EXPECT_DOUBLE_EQ(check.chance.expected, 2 * ChanceOfWinning(18, 18) + ChanceOfWinning(5, 3));
}

TEST(ForecastCheck, NothingToCheckCountsOnePlayedAndNoneWon) {
    test::TempFolder folder;
    test::WriteDraws(folder, {FillerDraw()});
    const ForecastCheck check = CheckForecasts(folder.path(), {});
    EXPECT_EQ(check.played, 1);
    EXPECT_EQ(check.won, 0);
    EXPECT_EQ(PercentText(check.percent), "0, %");
    EXPECT_EQ(check.chance.expected, 0.0);
    EXPECT_EQ(PercentText(100.0 * 21 / 105), "20, %");
}

// The walk reads the archive a block at a time, each block with the draws after it: a line near the
// end of a block is checked against the next block's draws exactly as the check of the whole range
// in one read checks it, walking either way.
TEST(ForecastCheck, TheWalkChecksAcrossBlocksAsTheCheckOfTheWholeRange) {
    test::TempFolder folder;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(1, 90);
    std::vector<DrawRecord> draws;
    for (int k = 0; k < kScanBlockRecords + 40; ++k) {
        draws.push_back(test::MakeDraw(
            "01GEN2020",
            {number(random), number(random), number(random), number(random), number(random), number(random)},
            number(random), number(random)));
    }
    test::WriteDraws(folder, draws);
    const int newest = static_cast<int>(draws.size());
    for (const auto& [from, to] : {std::pair(newest, 1), std::pair(1, newest)}) {
        std::vector<ForecastLine> lines;
        std::vector<LineOutcome> outcomes;
        const MethodWalk walk = WalkMethod(folder.path(), from, to, kVertibleMethod, 2, true,
                                           [&](const ForecastLine& line, const LineOutcome* outcome) {
                                               lines.push_back(line);
                                               outcomes.push_back(*outcome);
                                           });
        ASSERT_EQ(walk.error, "");
        ASSERT_EQ(lines.size(), 3u * newest);
        const ForecastCheck whole = CheckForecasts(folder.path(), lines);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(outcomes[i].waited, whole.outcomes[i].waited) << "record " << lines[i].record;
            ASSERT_EQ(outcomes[i].matched, whole.outcomes[i].matched) << "record " << lines[i].record;
        }
        EXPECT_EQ(walk.check.won, whole.won);
        EXPECT_EQ(walk.check.played, newest);
        EXPECT_DOUBLE_EQ(walk.check.chance.expected, whole.chance.expected);
    }
}

}  // namespace
}  // namespace fortunara
