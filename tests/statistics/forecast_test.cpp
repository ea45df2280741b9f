#include <gtest/gtest.h>

#include "state/program_state.h"
#include "statistics/core/forecast.h"
#include "statistics/core/statistics_state.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::FillerDraw;
using test::MakeDraw;

// The forecast over an archive held in memory (record k = archive[k - 1]); counts the records read.
ForecastResult ForecastOver(const std::vector<DrawRecord>& archive, int base, int quantity, int* read = nullptr) {
    const int count = static_cast<int>(archive.size());
    const DrawBlockReader reader = [&](int first, int last) {
        first = std::max(first, 1);
        last = std::min(last, count);
        if (read != nullptr) *read += std::max(last - first + 1, 0);
        return first > last ? std::vector<DrawRecord>{}
                            : std::vector<DrawRecord>(archive.begin() + first - 1, archive.begin() + last);
    };
    return ComputeForecast(count, reader, base, quantity);
}

TEST(Forecast, TakesNumbersAtTheirMostRecentAppearanceAndStopsWithinTheCompletingDraw) {
    const std::vector<DrawRecord> archive = {FillerDraw(), MakeDraw("01GEN2009", {88, 70, 59, 40, 15, 2}),
                                             MakeDraw("03GEN2009", {77, 4, 61, 15, 38, 22}),
                                             MakeDraw("05GEN2009", {1, 3, 5, 7, 9, 11})};
    const ForecastResult result = ForecastOver(archive, 4, 10);
    EXPECT_EQ(result.numbers, (std::vector<int>{2, 4, 15, 22, 38, 40, 59, 61, 70, 77}));
    EXPECT_FALSE(result.shortened);
    EXPECT_FALSE(result.flags[88]);
    EXPECT_TRUE(result.flags[70]);
}

TEST(Forecast, BaseDrawTakesNoPartAndOutcomesStartRightAfterIt) {
    const std::vector<DrawRecord> archive = {
        FillerDraw(),
        MakeDraw("02GEN2009", {6, 5, 4, 3, 2, 1}),
        MakeDraw("03GEN2009", {1, 2, 3, 4, 5, 7}),      // the base
        MakeDraw("04GEN2009", {70, 1, 2, 71, 3, 72}),   // outcome 1: terno
        MakeDraw("05GEN2009", {1, 2, 80, 81, 82, 83}),  // outcome 2: only two
        MakeDraw("06GEN2009", {6, 4, 5, 1, 50, 51}),    // outcome 3: quaterna
    };
    const ForecastResult result = ForecastOver(archive, 3, 6);
    EXPECT_EQ(result.numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(OutcomeLines(result), (std::vector<std::string>{" 1 04GEN2009   1  2  3", " 3 06GEN2009   1  4  5  6"}));
}

TEST(Forecast, BaseAtRecordOneCollectsFromRecordOne) {
    const std::vector<DrawRecord> archive = {MakeDraw("01GEN2009", {11, 12, 13, 14, 15, 16}),
                                             MakeDraw("02GEN2009", {11, 12, 13, 20, 21, 22})};
    const ForecastResult result = ForecastOver(archive, 1, 6);
    EXPECT_EQ(result.numbers, (std::vector<int>{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(OutcomeLines(result), (std::vector<std::string>{" 1 02GEN2009  11 12 13"}));
}

TEST(Forecast, WalkStopsAtRecordOneWithAShorterForecast) {
    const std::vector<DrawRecord> archive = {MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}),
                                             MakeDraw("02GEN2009", {1, 2, 3, 7, 8, 9}), FillerDraw()};
    const ForecastResult result = ForecastOver(archive, 3, 20);
    EXPECT_TRUE(result.shortened);
    EXPECT_EQ(result.numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Forecast, OutcomePositionsBeyondTheNewestDrawListNothing) {
    std::vector<DrawRecord> archive(5, MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}));
    const ForecastResult atNewest = ForecastOver(archive, 5, 6);
    EXPECT_EQ(atNewest.numbers.size(), 6u);
    EXPECT_TRUE(atNewest.outcomes.empty());
    const ForecastResult twoBefore = ForecastOver(archive, 3, 6);
    ASSERT_EQ(twoBefore.outcomes.size(), 2u);
    EXPECT_EQ(twoBefore.outcomes[1].position, 2);
}

TEST(Forecast, ReadsOnlyTheDrawsItNeedsAndTheFortyOutcomes) {
    std::vector<DrawRecord> archive(200, MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}));
    int read = 0;
    ForecastOver(archive, 100, 6, &read);
    EXPECT_LE(read, 16 + kOutcomeDraws);
}

TEST(Forecast, QuantityZeroGivesAnEmptyForecast) {
    const std::vector<DrawRecord> archive(50, MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}));
    const ForecastResult result = ForecastOver(archive, 5, 0);
    EXPECT_TRUE(result.numbers.empty());
    EXPECT_TRUE(result.outcomes.empty());
    EXPECT_EQ(ForecastCaption(result), "");
}

TEST(Forecast, CaptionPutsFourBlanksBeforeOneDigitAndTwoBeforeTwoDigits) {
    ForecastResult result;
    result.numbers = {3, 9, 15, 40};
    EXPECT_EQ(ForecastCaption(result), "     3     9   15   40");
}

TEST(Forecast, OutcomeLineIsPositionDateAndThreeWideNumbers) {
    const std::string line = OutcomeLine({7, "14MAR2009", {4, 23, 81}});
    EXPECT_EQ(line, " 7 14MAR2009   4 23 81");
    EXPECT_EQ(line.size(), 22u);
    EXPECT_EQ(OutcomeLine({40, "01GEN2010", {1, 2, 3, 90}}), " 40 01GEN2010   1  2  3 90");
}

TEST(Forecast, ReadsTheArchiveFileByRecordNumber) {
    test::TempFolder folder;
    std::vector<DrawRecord> archive(12, FillerDraw());
    archive[3] = MakeDraw("01FEB2009", {4, 23, 81, 2, 3, 5});      // record 4: before the base
    archive[11] = MakeDraw("14MAR2009", {81, 60, 23, 61, 4, 62});  // record 12: outcome 7
    test::WriteDraws(folder, archive);
    const ForecastResult result = ComputeForecast(folder.path(), 5, 6);
    EXPECT_EQ(result.recordCount, 12);
    EXPECT_EQ(result.numbers, (std::vector<int>{2, 3, 4, 5, 23, 81}));
    EXPECT_EQ(OutcomeLines(result), (std::vector<std::string>{" 7 14MAR2009   4 23 81"}));
}

TEST(Forecast, QuantityIsTheLeadingNumberOfTheTextWithinZeroToNinety) {
    struct Case {
        const char* text;
        int value;
        bool valid;
    };
    const Case cases[] = {{"10", 10, true},    {"", 0, true},      {"abc", 0, true}, {" 1 2", 12, true},
                          {"12abc", 12, true}, {"6.4", 6, true},   {"90", 90, true}, {"91", 0, false},
                          {"-1", 0, false},    {"1000", 0, false}, {"6,5", 6, true}, {"+7", 7, true}};
    for (const Case& c : cases) {
        const Quantity quantity = ReadQuantity(c.text);
        EXPECT_EQ(quantity.valid, c.valid) << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_EQ(quantity.value, c.value) << c.text;
        }
    }
}

TEST(Forecast, StoreLeavesFlagsAndListAndLeavesTheSearchAlone) {
    const std::vector<DrawRecord> archive = {MakeDraw("01GEN2009", {9, 8, 7, 6, 5, 4}), FillerDraw()};
    const ForecastResult result = ForecastOver(archive, 2, 3);
    ProgramState state;
    state.ForecastFlags[1] = 1;
    state.ForecastNumbers[4] = 33;
    state.SearchNumbers[1] = 12;
    state.SearchMaxDelay = 9;
    state.SearchHitCount = 6;
    StoreForecast(result, state);
    std::array<int, 91> flags{};
    flags[4] = flags[5] = flags[6] = 1;
    EXPECT_EQ(state.ForecastFlags, flags);
    EXPECT_EQ(std::vector<int>(state.ForecastNumbers.begin() + 1, state.ForecastNumbers.begin() + 5),
              (std::vector<int>{4, 5, 6, 33}));
    // What the search report prints stays the search's.
    EXPECT_EQ(state.SearchNumbers[1], 12);
    EXPECT_EQ(state.SearchHitCount, 6);
    EXPECT_EQ(state.SearchMaxDelay, 9);
}

}  // namespace
}  // namespace fortunara
