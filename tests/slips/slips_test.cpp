// The squares of a slip, valori.tab, and which combinations go on which slip.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "slips/core/slip_layout.h"
#include "slips/core/slip_printing.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

const SlipLayout kLayout{1000, 2000, 300, 250, 200, 150};  // HO, VE, IX, IY, DX, DY

TEST(SlipGrid, MarksLieAtTheirSquaresCorners) {
    const struct {
        int panel;
        int number;
        PrintMark mark;
    } rows[] = {
        {1, 1, {3400, 2000, 3600, 2150}},   // first row, column 8
        {1, 6, {4900, 2000, 5100, 2150}},   // first row, column 13
        {1, 7, {1000, 2250, 1200, 2400}},   // second row, column 0
        {1, 20, {4900, 2250, 5100, 2400}},  // end of the second row
        {1, 90, {4900, 3500, 5100, 3650}},  // seventh row, column 13
        {2, 1, {3400, 3750, 3600, 3900}},   // the next panel goes on at the same row distance
        {5, 90, {4900, 10500, 5100, 10650}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SquareMark(kLayout, row.panel, row.number), row.mark) << row.panel << "/" << row.number;
    }
}

TEST(SlipGrid, CalibrationPageMarksEverySquareOfTheFivePanelsOnce) {
    const std::vector<SlipMark> marks = CalibrationMarks(kLayout);
    ASSERT_EQ(marks.size(), 450u);
    std::vector<std::pair<int, int>> corners;
    for (const SlipMark& mark : marks) corners.emplace_back(mark.mark.left, mark.mark.top);
    std::sort(corners.begin(), corners.end());
    EXPECT_EQ(std::adjacent_find(corners.begin(), corners.end()), corners.end());
    EXPECT_EQ(marks.front().mark, (PrintMark{3400, 2000, 3600, 2150}));
    EXPECT_EQ(marks.back().mark, (PrintMark{4900, 10500, 5100, 10650}));
}

TEST(SlipGrid, LayoutValuesAreTheNumbersTheirTextsStartWith) {
    SlipLayoutTexts texts;
    At(texts, SlipValue::HO) = "  1000 twip";
    At(texts, SlipValue::VE) = "2000.4";
    At(texts, SlipValue::IX) = "abc";
    At(texts, SlipValue::IY) = "-250";
    At(texts, SlipValue::DX) = "";
    At(texts, SlipValue::DY) = "1e3";
    const SlipLayout layout = LayoutOf(texts);
    EXPECT_EQ(layout.ho, 1000);
    EXPECT_EQ(layout.ve, 2000);
    EXPECT_EQ(layout.ix, 0);
    EXPECT_EQ(layout.iy, -250);
    EXPECT_EQ(layout.dx, 0);
    EXPECT_EQ(layout.dy, 1);
    // Values at the ends of an int give corners at those ends, never a wrapped-around position.
    const SlipLayout huge{2000000000, 2000000000, 2000000000, 2000000000, 2000000000, 2000000000};
    EXPECT_EQ(SquareMark(huge, 5, 90).right, std::numeric_limits<int>::max());
}

TEST(SlipLayoutFile, SavedTextsComeBackAsTheyWere) {
    test::TempFolder folder;
    SlipLayoutTexts texts = {"1500", "  720 ", "TAB", "340,5", "", "abc def", "-12.5"};
    ASSERT_TRUE(WriteSlipLayout(folder.path(), texts).ok());
    EXPECT_EQ(folder.ReadFile("matrion/valori.tab"),
              "\"1500\"\r\n\"  720 \"\r\n\"TAB\"\r\n\"340,5\"\r\n\"\"\r\n\"abc def\"\r\n\"-12.5\"\r\n");
    const SlipLayoutRead read = ReadSlipLayout(folder.path());
    ASSERT_TRUE(read.error.empty());
    for (std::size_t i = 0; i < kSlipValues; ++i) EXPECT_EQ(read.texts[i], texts[i]) << "line " << i + 1;
}

TEST(SlipLayoutFile, ShortUnquotedAndMissingFiles) {
    test::TempFolder folder;
    EXPECT_TRUE(ReadSlipLayout(folder.path()).missing);

    folder.WriteFile("matrion/valori.tab", "1500, 7\n\"720\"\r\n");
    const SlipLayoutRead shortFile = ReadSlipLayout(folder.path());
    EXPECT_FALSE(shortFile.missing);
    EXPECT_EQ(shortFile.texts[0], "1500");
    EXPECT_EQ(shortFile.texts[1], "720");
    for (std::size_t i = 2; i < kSlipValues; ++i) EXPECT_FALSE(shortFile.texts[i]) << "line " << i + 1;
}

TEST(SlipLayoutFile, AFolderThatCannotBeWrittenIsSaidAndNothingChanges) {
    test::TempFolder folder;
    folder.WriteFile("matrion", "a file where the matrix folder should be");
    const FileOutcome saved = WriteSlipLayout(folder.path(), {"1", "2", "3", "4", "5", "6", "7"});
    EXPECT_EQ(saved.error, "IMPOSSIBILE SCRIVERE IL FILE valori.tab NELLA CARTELLA " +
                               (folder.path() / "matrion").string() + ": I VALORI NON SONO STATI SALVATI");
    EXPECT_EQ(folder.ReadFile("matrion"), "a file where the matrix folder should be");
}

// A system of `count` combinations, combination c holding c, c + 100, ..., c + 500.
ProgramState SystemOf(int count) {
    ProgramState state;
    state.TicketCount = count;
    state.TicketSize = 6;
    for (int c = 1; c <= count; ++c) {
        for (int j = 0; j < 6; ++j) state.TicketNumbers.push_back(c + 100 * j);
    }
    return state;
}

std::vector<int> FirstNumbers(const SlipPanels& panels) {
    std::vector<int> first;
    for (const SlipCombination& numbers : panels) first.push_back(numbers.empty() ? 0 : numbers.front());
    return first;
}

TEST(SlipPrinting, FiveCombinationsPerSlipFromFirstUntilASlipWouldStartAfterLast) {
    const ProgramState state = SystemOf(20);
    const CombinationSource source = TicketCombinations(state);
    ASSERT_EQ(SlipCount(1, 12), 3);
    EXPECT_EQ(FirstNumbers(FillSlip(SlipStart(1, 0), source)), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(FirstNumbers(FillSlip(SlipStart(1, 1), source)), (std::vector<int>{6, 7, 8, 9, 10}));
    EXPECT_EQ(FirstNumbers(FillSlip(SlipStart(1, 2), source)), (std::vector<int>{11, 12, 13, 14, 15}));
    EXPECT_EQ(SlipCount(1, 15), 3);
    EXPECT_EQ(SlipCount(1, 16), 4);
    EXPECT_EQ(SlipCount(5, 5), 1);
    EXPECT_EQ(SlipCount(6, 5), 0);
    EXPECT_EQ(SlipCount(-2147483647, 2147483647), 858993459);
}

TEST(SlipPrinting, ThirdCombinationOnIsReadFromPositionThirteen) {
    ProgramState state = SystemOf(0);
    for (int i = 1; i <= 60; ++i) state.TicketNumbers.push_back(i);
    state.TicketCount = 10;
    const SlipPanels panels = FillSlip(SlipStart(3, 0), TicketCombinations(state));
    EXPECT_EQ(panels[0], (SlipCombination{13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(panels[4], (SlipCombination{37, 38, 39, 40, 41, 42}));
}

// A system of seven-number tickets (a matrix of "Settine" checked in Presenti) puts each ticket
// whole on its panel; one of three numbers marks three squares.
TEST(SlipPrinting, ATicketOfAnotherSizeFillsItsPanelWhole) {
    for (const int size : {7, 3}) {
        ProgramState state;
        state.TicketSize = size;
        state.TicketCount = 2;
        for (int i = 1; i <= 2 * size; ++i) state.TicketNumbers.push_back(i);
        const SlipPanels panels = FillSlip(1, TicketCombinations(state));
        SlipCombination second(static_cast<std::size_t>(size));
        std::iota(second.begin(), second.end(), size + 1);
        EXPECT_EQ(panels[1], second) << size;
        EXPECT_TRUE(panels[2].empty()) << size;
    }
}

TEST(SlipPrinting, PanelsPastTheSystemOrBeforeItsFirstCombinationStayEmpty) {
    ProgramState state = SystemOf(7);
    EXPECT_EQ(FirstNumbers(FillSlip(6, TicketCombinations(state))), (std::vector<int>{6, 7, 0, 0, 0}));
    EXPECT_EQ(FirstNumbers(FillSlip(-1, TicketCombinations(state))), (std::vector<int>{0, 0, 1, 2, 3}));
    // The count says how many combinations there are, even when the list holds more or fewer.
    state.TicketCount = 3;
    EXPECT_EQ(FirstNumbers(FillSlip(1, TicketCombinations(state))), (std::vector<int>{1, 2, 3, 0, 0}));
    state.TicketCount = 50;
    EXPECT_EQ(FirstNumbers(FillSlip(6, TicketCombinations(state))), (std::vector<int>{6, 7, 0, 0, 0}));
    EXPECT_EQ(FirstNumbers(FillSlip(1, {})), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST(SlipPrinting, EachNumberOfAPanelMarksItsSquare) {
    SlipPanels panels{};
    panels[0] = {1, 2, 3, 4, 5, 90};
    panels[2] = {7, 7, 0, 0, 0, 0};  // twice at the same place; 0 marks nothing
    std::vector<std::pair<SlipSquare, int>> squares;
    for (const SlipMark& marked : SlipMarks(kLayout, panels)) {
        const PrintMark& mark = marked.mark;
        const int rows = (mark.top - kLayout.ve) / kLayout.iy;
        squares.push_back({{rows % 7, (mark.left - kLayout.ho) / kLayout.ix}, rows / 7 + 1});
        EXPECT_EQ(mark.right - mark.left, kLayout.dx);
        EXPECT_EQ(mark.bottom - mark.top, kLayout.dy);
    }
    const std::vector<std::pair<SlipSquare, int>> expected = {{{0, 8}, 1},  {{0, 9}, 1},  {{0, 10}, 1}, {{0, 11}, 1},
                                                              {{0, 12}, 1}, {{6, 13}, 1}, {{1, 0}, 3},  {{1, 0}, 3}};
    EXPECT_EQ(squares, expected);
}

}  // namespace
}  // namespace fortunara
