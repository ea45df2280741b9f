// The Qt-free glue of the system window: typed values, the request, the draw, the loaded file.
#include <gtest/gtest.h>

#include <limits>

#include "systems/core/sistemi_output.h"
#include "systems/core/sistemi_run.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::TempFolder;

TEST(ForecastHandOver, TakesTheFirstForecastNumbersWithTheirLabel) {
    ProgramState state;
    state.CurrentMatrixName = "\r\n";
    const int forecast[] = {4, 15, 22, 38, 61, 77, 80};
    for (std::size_t i = 0; i < 7; ++i) state.ForecastNumbers[i + 1] = forecast[i];
    state.EnteredNumbers[7] = 9;
    const HandedNumbers six = TakeForecastNumbers(state, 6);
    EXPECT_EQ(six.quantityText, "6");
    EXPECT_EQ(six.label, "6\r\n NUMERI    :   04   15   22   38   61   77   ");
    EXPECT_EQ(std::vector<int>(state.EnteredNumbers.begin() + 1, state.EnteredNumbers.begin() + 8),
              (std::vector<int>{4, 15, 22, 38, 61, 77, 9}));

    state.CurrentMatrixName.clear();
    EXPECT_EQ(TakeForecastNumbers(state, 0).label, "0 NUMERI    :   ");
    EXPECT_EQ(TakeForecastNumbers(state, 95).quantityText, "90");
}

TEST(SistemiRequest, TakesTheEnteredNumbersUpToPositionNinety) {
    ProgramState state;
    for (int i = 1; i <= 90; ++i) state.EnteredNumbers[static_cast<std::size_t>(i)] = 91 - i;
    state.GuaranteeMode = 3;
    const SystemRequest ten = SistemiRequest(state, 10, 1, true, std::nullopt);
    EXPECT_EQ(ten.numbers, (std::vector<int>{90, 89, 88, 87, 86, 85, 84, 83, 82, 81}));
    EXPECT_EQ(ten.guaranteeMode, 3);
    EXPECT_EQ(ten.reductionOption, 1);
    EXPECT_TRUE(ten.print);
    EXPECT_EQ(SistemiRequest(state, 95, 0, false, std::nullopt).numbers.size(), 90u);
    EXPECT_TRUE(SistemiRequest(state, -3, 0, false, std::nullopt).numbers.empty());
}

TEST(SistemiDraw, ARecordOutsideTheArchiveReadsEmpty) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    ProgramState state;
    state.programFolder = folder.path();
    EXPECT_EQ(ChooseCheckDraw(state, 10), "03GEN1998");
    EXPECT_EQ(state.DrawNumbers[6], 90);
    EXPECT_EQ(ChooseCheckDraw(state, 11), "");
    EXPECT_EQ(state.DrawNumbers, (std::array<int, 11>{}));
}

TEST(SistemiLoad, AFileThatEndsEarlyHandsOnOnlyWholeCombinations) {
    TempFolder folder;
    // Three combinations announced, eight numbers and no comments present.
    folder.WriteFile("CORTO.SSI",
                     "\"9\"\r\n\"3\"\r\n\"6\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"6\"\r\n"
                     "\"7\"\r\n\"8\"\r\n");
    ProgramState state;
    state.programFolder = folder.path();
    state.CommentLines[1] = "PRIMA";
    const LoadedSystem loaded = LoadPlayedSystem(state, "CORTO.SSI");  // relative: the program folder
    ASSERT_TRUE(loaded.error.empty());
    EXPECT_EQ(loaded.rows, (std::vector<std::vector<int>>{{1, 2, 3, 4, 5, 6}, {7, 8}}));
    EXPECT_EQ(state.SystemComboCount, 3);
    EXPECT_EQ(state.TicketCount, 1);
    EXPECT_EQ(state.TicketSize, 6);
    EXPECT_EQ(state.TicketNumbers, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    // The comment lines of the system loaded before do not outlive the load.
    EXPECT_EQ(state.CommentLines[1], "");
    EXPECT_EQ(loaded.notice,
              "IL FILE CORTO.SSI DICE 3 COMBINAZIONI MA FINISCE PRIMA: 8 RIGHE DOPO LE PRIME TRE, NE "
              "SERVONO 28");
    EXPECT_EQ(loaded.report, (std::vector<std::string>{"", "    1    2    3    4    5    6", "    7    8"}));
}

TEST(SistemiLoad, AMissingFileChangesNothing) {
    TempFolder folder;
    ProgramState state;
    state.programFolder = folder.path();
    state.TicketCount = 4;
    const LoadedSystem loaded = LoadPlayedSystem(state, folder.path() / "NESSUNO.SSI");
    EXPECT_FALSE(loaded.error.empty());
    EXPECT_TRUE(loaded.rows.empty());
    EXPECT_EQ(state.TicketCount, 4);
}

}  // namespace
}  // namespace fortunara
