#include <gtest/gtest.h>

#include "state/program_state.h"
#include "statistics/core/number_search.h"
#include "statistics/core/statistics_state.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::FillerDraw;
using test::MakeDraw;

SearchRequest Marked(std::initializer_list<int> numbers, int sorte) {
    SearchRequest request;
    for (int n : numbers) request.marked[static_cast<std::size_t>(n)] = true;
    request.sorte = sorte;
    return request;
}

// Filler draws with the given draws at the given scan positions.
std::vector<DrawRecord> ScanWith(int length, const std::vector<std::pair<int, DrawRecord>>& placed) {
    std::vector<DrawRecord> draws(static_cast<std::size_t>(length), FillerDraw());
    for (const auto& [position, draw] : placed) draws[static_cast<std::size_t>(position)] = draw;
    return draws;
}

TEST(NumberSearch, TernoWithFourMarkedNumbersDrawnCountsFourCombinations) {
    const auto draws = ScanWith(3, {{1, MakeDraw("10FEB2009", {30, 5, 77, 20, 10, 60})}});
    const SearchResult result = SearchArchive(Marked({5, 10, 20, 30}, 3), draws);
    ASSERT_EQ(result.hits.size(), 1u);
    EXPECT_EQ(result.total, 4);
    EXPECT_EQ(result.hits[0].matched, (std::vector<int>{5, 10, 20, 30}));
    EXPECT_EQ(result.delay, 1);
    EXPECT_EQ(ShowSearch(result).listLines, (std::vector<std::string>{" 1 10FEB2009  5  10  20  30  ( 1) "}));
}

TEST(NumberSearch, WinningCombinationsAreTheBinomialOfMatchesOverTheKind) {
    // Six marked numbers all drawn: 6 singles, 15 ambi, 20 terni, 15 quaterne, 6 cinquine, 1 sestina.
    const std::vector<DrawRecord> draws = {MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6})};
    const long long expected[] = {6, 15, 20, 15, 6, 1};
    for (int sorte = 1; sorte <= 6; ++sorte) {
        EXPECT_EQ(SearchArchive(Marked({1, 2, 3, 4, 5, 6}, sorte), draws).total, expected[sorte - 1]) << sorte;
    }
}

TEST(NumberSearch, SuperstarEqualToAMainNumberMatchesTwice) {
    SearchRequest request = Marked({33}, 1);
    request.positions[8] = true;
    const std::vector<DrawRecord> draws = {MakeDraw("03MAR2009", {33, 1, 2, 3, 4, 5}, 6, 33)};
    const SearchResult result = SearchArchive(request, draws);
    ASSERT_EQ(result.hits.size(), 1u);
    EXPECT_EQ(result.hits[0].matched, (std::vector<int>{33, 33}));
    EXPECT_EQ(result.total, 2);
    EXPECT_EQ(SearchHitText(result.hits[0]), "03MAR2009  33  33  ( 0) ");

    request.positions[8] = false;
    EXPECT_EQ(SearchArchive(request, draws).hits[0].matched, (std::vector<int>{33}));
}

TEST(NumberSearch, JollyCountsOnlyWhenItsBoxIsTicked) {
    const std::vector<DrawRecord> draws = {MakeDraw("03MAR2009", {1, 2, 3, 4, 5, 6}, 44, 45)};
    SearchRequest request = Marked({44}, 1);
    EXPECT_TRUE(SearchArchive(request, draws).hits.empty());
    request.positions[7] = true;
    EXPECT_EQ(SearchArchive(request, draws).hits.size(), 1u);
}

TEST(NumberSearch, DelayIsTheFirstHitAndMaxDelayTheLongestGapFromPositionZero) {
    const DrawRecord hit = MakeDraw("01GEN2009", {7, 1, 2, 3, 4, 5});
    const auto draws = ScanWith(14, {{2, hit}, {3, hit}, {10, hit}});
    const SearchResult result = SearchArchive(Marked({7}, 1), draws);
    EXPECT_EQ(result.hits.size(), 3u);
    EXPECT_EQ(result.delay, 2);
    EXPECT_EQ(result.maxDelay, 7);
    EXPECT_EQ(result.total, 3);
    const SearchDisplay display = ShowSearch(result);
    EXPECT_EQ(display.ritardo, " 2");
    EXPECT_EQ(display.ritMax, " 7");
    EXPECT_EQ(display.frequenza, " 3");
}

TEST(NumberSearch, MonthFilterSkipsOtherMonthsButTheyStillUseScanPositions) {
    const std::vector<DrawRecord> draws = {MakeDraw("02GEN2009", {7, 1, 2, 3, 4, 5}),
                                           MakeDraw("05MAR2009", {11, 12, 13, 14, 15, 16}),
                                           MakeDraw("12MAR2009", {7, 21, 22, 23, 24, 25})};
    SearchRequest request = Marked({7}, 1);
    request.months[2] = true;  // March only
    const SearchResult march = SearchArchive(request, draws);
    ASSERT_EQ(march.hits.size(), 1u);
    EXPECT_EQ(march.delay, 2);
    EXPECT_EQ(SearchHitText(march.hits[0]), "12MAR2009  7  ( 2) ");

    request.months = {};  // no box ticked: every month takes part
    EXPECT_EQ(SearchArchive(request, draws).hits.size(), 2u);
}

TEST(NumberSearch, NothingMarkedOrFewerMarkedThanTheKindFindsNothing) {
    const std::vector<DrawRecord> draws = {MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6})};
    for (const SearchRequest& request : {Marked({}, 1), Marked({1, 2}, 3)}) {
        const SearchResult result = SearchArchive(request, draws);
        EXPECT_TRUE(result.hits.empty());
        const SearchDisplay display = ShowSearch(result);
        EXPECT_EQ(display.ritardo + display.ritMax + display.frequenza, " 0 0 0");
        EXPECT_TRUE(display.listLines.empty());
    }
}

TEST(NumberSearch, ListLineOfTheThirdHitMatchesTheWindowLayout) {
    const auto draws = ScanWith(13, {{0, MakeDraw("01GEN2019", {12, 45, 1, 2, 3, 4})},
                                     {4, MakeDraw("03GEN2019", {45, 60, 12, 2, 3, 4})},
                                     {12, MakeDraw("05GEN2019", {45, 2, 3, 12, 70, 71})}});
    const SearchDisplay display = ShowSearch(SearchArchive(Marked({12, 45}, 2), draws));
    ASSERT_EQ(display.listLines.size(), 3u);
    EXPECT_EQ(display.listLines[2], " 3 05GEN2019  12  45  ( 12) ");
}

TEST(NumberSearch, ReverseDirectionCountsFromTheOlderEnd) {
    test::TempFolder folder;
    test::WriteDraws(folder, {FillerDraw("01GEN2009"), MakeDraw("02GEN2009", {9, 1, 2, 3, 4, 5}),
                              FillerDraw("03GEN2009"), FillerDraw("04GEN2009"), FillerDraw("05GEN2009")});
    const SearchResult forwards = SearchArchive(Marked({9}, 1), folder.path(), {1, 5});
    EXPECT_EQ(forwards.recordCount, 5);
    EXPECT_EQ(forwards.scanned, 5);
    EXPECT_EQ(forwards.delay, 1);
    const SearchResult backwards = SearchArchive(Marked({9}, 1), folder.path(), {5, 1});
    EXPECT_EQ(backwards.delay, 3);
    EXPECT_EQ(backwards.hits.at(0).date, "02GEN2009");
}

TEST(NumberSearch, MoreHitsThanTheListHoldsKeepCountingAndSayHowManyMore) {
    const std::vector<DrawRecord> draws(kListedHits + 3, MakeDraw("01GEN2009", {7, 1, 2, 3, 4, 5}));
    const SearchResult result = SearchArchive(Marked({7}, 1), draws);
    EXPECT_EQ(result.total, kListedHits + 3);
    EXPECT_EQ(result.hits.size(), static_cast<std::size_t>(kListedHits + 3));
    const SearchDisplay display = ShowSearch(result);
    ASSERT_EQ(display.listLines.size(), static_cast<std::size_t>(kListedHits + 1));
    EXPECT_EQ(display.listLines[kListedHits - 1], " 5000 01GEN2009  7  ( 4999) ");
    EXPECT_EQ(display.listLines.back(), "... E ALTRI 3 COLPI NON ELENCATI");

    ProgramState state;
    StoreSearch(result, state);
    EXPECT_EQ(state.SearchHitCount, kListedHits + 3);
    EXPECT_EQ(state.SearchHitTexts.size(), static_cast<std::size_t>(kListedHits));
    EXPECT_EQ(state.SearchHitTexts.back(), "01GEN2009  7  ( 4999) ");
}

TEST(NumberSearch, StoreLeavesItsResultsForTheReportAndNoOtherWindowsNumbers) {
    ProgramState state;
    state.ForecastNumbers = {0, 90, 89, 88, 87};
    state.ForecastFlags[90] = 1;
    state.CommentLines[1] = "commento del sistema";
    state.SearchNumbers[3] = 99;
    const ProgramState before = state;
    const auto draws = ScanWith(
        5, {{1, MakeDraw("01FEB2009", {45, 12, 1, 2, 3, 4})}, {3, MakeDraw("08FEB2009", {12, 45, 1, 2, 3, 4})}});
    const SearchResult result = SearchArchive(Marked({45, 12}, 2), draws);
    StoreSearch(result, state);

    EXPECT_EQ(std::vector<int>(state.SearchNumbers.begin() + 1, state.SearchNumbers.begin() + 4),
              (std::vector<int>{12, 45, 99}));  // only the marked count is rewritten
    EXPECT_EQ(state.SearchHitTexts, (std::vector<std::string>{"01FEB2009  12  45  ( 1) ", "08FEB2009  12  45  ( 3) "}));
    // The forecast's numbers and the current system's comments are not the search's to change.
    EXPECT_EQ(state.ForecastNumbers, before.ForecastNumbers);
    EXPECT_EQ(state.ForecastFlags, before.ForecastFlags);
    EXPECT_EQ(state.CommentLines, before.CommentLines);
    EXPECT_EQ(state.CurrentDrawDate, "08FEB2009");
    EXPECT_EQ(state.SearchCount, 3);
    EXPECT_EQ(state.SearchSorte, 2);
    EXPECT_EQ(state.SearchDelay, 1);
    EXPECT_EQ(state.SearchMaxDelay, 2);
    EXPECT_EQ(state.SearchTotal, 2);
    EXPECT_EQ(state.SearchHitCount, 2);
}

TEST(NumberSearch, SearchWithoutHitsLeavesNoHitOfTheSearchBefore) {
    ProgramState state;
    state.SearchHitTexts = {"01GEN2009  1  ( 0) "};
    state.CurrentDrawDate = "01GEN2009";
    StoreSearch(SearchArchive(Marked({1}, 1), std::vector<DrawRecord>{FillerDraw()}), state);
    EXPECT_TRUE(state.SearchHitTexts.empty());
    EXPECT_EQ(state.CurrentDrawDate, "01GEN2009");
    EXPECT_EQ(state.SearchHitCount, 0);
}

}  // namespace
}  // namespace fortunara
