#include <gtest/gtest.h>

#include <limits>
#include <numeric>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "systems/core/guarantee_subject.h"
#include "systems/core/sistemi_output.h"
#include "systems/core/system_save.h"
#include "tests/support/temp_folder.h"
#include "tests/systems/system_test_support.h"

namespace fortunara {
namespace {

using test::TempFolder;

// A state after entering numbers and developing them, as the window leaves it.
ProgramState Developed(const std::vector<int>& numbers, int guaranteeMode, int option) {
    ProgramState state;
    for (std::size_t i = 0; i < numbers.size(); ++i) state.EnteredNumbers[i + 1] = numbers[i];
    state.GuaranteeMode = guaranteeMode;
    SystemRequest request = test::RequestWithNumbers(numbers);
    request.guaranteeMode = guaranteeMode;
    request.reductionOption = option;
    StoreDevelopment(request, RunDevelopment(request), state);
    return state;
}

TEST(SystemSave, TernoOfOneToTenBecomesARegisteredMatrix) {
    TempFolder folder;
    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"STOP\"\r\n");
    ProgramState state = Developed({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3, -1);
    state.programFolder = folder.path();
    ASSERT_EQ(state.SystemComboCount, 35);
    EXPECT_TRUE(EntryIsConsecutiveRun(state, 10));

    const MatrixData data = PrepareSystemSave(state, {"10", 10, -1, SavedSystemKind::Matrix});
    std::vector<std::size_t> entries;
    const MatrixSave saved = SaveSystemAsMatrix(state, data, [&entries](std::size_t k) { entries.push_back(k); });
    ASSERT_TRUE(saved.ok()) << saved.error;
    EXPECT_EQ(saved.name, "10N03506.SIS");
    EXPECT_EQ(state.CurrentMatrixName, "10N03506.SIS");
    // Each of the 210 entries is told in turn as it is written.
    ASSERT_EQ(entries.size(), 210u);
    for (std::size_t k = 0; k < entries.size(); ++k) EXPECT_EQ(entries[k], k + 1);
    EXPECT_EQ(ReadMatrixIndex(folder.path()).Entries(), std::vector<std::string>{"10N03506.SIS"});

    const MatrixRead read = ReadMatrixFile(folder.path(), "10N03506.SIS");
    ASSERT_TRUE(read.complete);
    EXPECT_EQ(read.data.numberCount, 10);
    EXPECT_EQ(read.data.comboCount, 35);
    EXPECT_EQ(read.data.comboSize, 6);
    ASSERT_EQ(read.data.numbers.size(), 210u);
    EXPECT_EQ(std::vector<int>(read.data.numbers.begin() + 6, read.data.numbers.begin() + 12),
              (std::vector<int>{1, 2, 3, 5, 6, 7}));
    EXPECT_EQ(read.data.comments[0], " SISTEMA DI 10 NUMERI IN  35 ");
    EXPECT_EQ(read.data.comments[2], "GARANZIA DEL TERNO");
    const std::string bytes = folder.ReadFile("matrion/10N03506.SIS");
    EXPECT_EQ(bytes.substr(0, 17), " 10 \r\n 35 \r\n 6 \r\n");
    EXPECT_EQ(state.TicketNumbers.size(), 211u);
    EXPECT_EQ(state.SystemNumberCount, 10);
    EXPECT_EQ(state.SystemComboSize, 6);
}

TEST(SystemSave, MatrixNeedsANameThatFitsAndRoomInTheIndex) {
    TempFolder folder;
    ProgramState state = Developed({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3, -1);
    state.programFolder = folder.path();
    const MatrixData data = PrepareSystemSave(state, {"10", 10, -1, SavedSystemKind::Matrix});
    folder.WriteFile("matrion", "a file where the matrix folder should be");
    const MatrixSave unwritable = SaveSystemAsMatrix(state, data);
    EXPECT_FALSE(unwritable.ok());
    EXPECT_FALSE(unwritable.refused);
    EXPECT_EQ(state.CurrentMatrixName, "10N03506.SIS");  // named before anything is written

    // A missing index is the empty library, created with the first matrix.
    std::filesystem::remove(folder.path() / "matrion");
    ASSERT_TRUE(SaveSystemAsMatrix(state, data).ok());
    ProgramState big = Developed({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 1, 0);  // 924 combinations
    big.programFolder = folder.path();
    EXPECT_TRUE(SaveSystemAsMatrix(big, PrepareSystemSave(big, {"12", 12, 0, SavedSystemKind::Matrix})).ok());
    ProgramState bigger = Developed({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 1, 0);  // 1716
    bigger.programFolder = folder.path();
    const MatrixSave refused =
        SaveSystemAsMatrix(bigger, PrepareSystemSave(bigger, {"13", 13, 0, SavedSystemKind::Matrix}));
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(ReadMatrixIndex(folder.path()).Entries(), (std::vector<std::string>{"10N03506.SIS", "12N92406.SIS"}));

    // An index of 499 names takes no more, and then not even the file is written.
    std::string full = "\"\"\r\n";
    for (int i = 1; i <= kMatrixIndexCapacity; ++i) full += "\"M" + std::to_string(i) + ".SIS\"\r\n";
    folder.WriteFile("matrion/SISTEMI.TXT", full + "\"STOP\"\r\n");
    std::filesystem::remove(folder.path() / "matrion" / "10N03506.SIS");
    state.CurrentMatrixName = "12N92406.SIS";
    const MatrixSave noRoom = SaveSystemAsMatrix(state, data);
    EXPECT_TRUE(noRoom.refused);
    EXPECT_EQ(noRoom.error,
              "L'ELENCO DELLE MATRICI E' PIENO: NON SI POSSONO REGISTRARE PIU' DI 499 MATRICI: SALVALO COME SISTEMA");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "matrion" / "10N03506.SIS"));
    EXPECT_EQ(state.CurrentMatrixName, "12N92406.SIS");
}

TEST(SystemSave, IntegralAsPlayedSystemFile) {
    TempFolder folder;
    ProgramState state = Developed({5, 12, 3, 40, 41, 90, 7}, 1, 0);
    state.CommentLines[6] = "DA UN CARICAMENTO PRECEDENTE";
    const MatrixData data = PrepareSystemSave(state, {"7", 7, 0, SavedSystemKind::PlayedSystem});
    const std::filesystem::path file = folder.path() / "gioco.SSI";
    ASSERT_TRUE(WriteSystemFile(file, data).ok());

    const MatrixRead read = ReadSystemFile(file);
    ASSERT_TRUE(read.complete);
    EXPECT_EQ(read.data.comments[0], " SISTEMA DI 7 NUMERI IN  7 SESTINE");
    EXPECT_EQ(read.data.comments[1], std::string(80, '-'));
    EXPECT_EQ(read.data.comments[2], " RIDOTTO     n - 0");
    EXPECT_EQ(read.data.comments[3], " SISTEMA INTEGRALE ");
    EXPECT_EQ(read.data.comments[4], std::string(80, '-'));
    EXPECT_EQ(read.data.comments[5], "DA UN CARICAMENTO PRECEDENTE");  // lines 6 to 10 carry over
    EXPECT_EQ(std::vector<int>(read.data.numbers.begin(), read.data.numbers.begin() + 6),
              (std::vector<int>{5, 12, 3, 40, 41, 90}));
    EXPECT_EQ(folder.ReadFile("gioco.SSI").substr(0, 15), "\"7\"\r\n\"7\"\r\n\"6\"\r\n");
}

TEST(SystemSave, CommentLinesFollowTheGuaranteeAndTheOption) {
    ProgramState state = Developed({1, 2, 3, 4, 5, 6, 7, 8, 9}, 1, 2);
    state.CommentLines[3] = "VECCHIA 3";
    state.CommentLines[4] = "VECCHIA 4";
    PrepareSystemSave(state, {"9", 9, 2, SavedSystemKind::Matrix});
    EXPECT_EQ(state.CommentLines[1], " SISTEMA DI 9 NUMERI IN  3 ");
    EXPECT_EQ(state.CommentLines[3], " RIDOTTO     n - 2");
    EXPECT_EQ(state.CommentLines[4], "");

    state.CommentLines[3] = "VECCHIA 3";
    state.CommentLines[4] = "VECCHIA 4";
    PrepareSystemSave(state, {"9", 9, -1, SavedSystemKind::Matrix});  // no option selected
    EXPECT_EQ(state.CommentLines[3], "VECCHIA 3");
    EXPECT_EQ(state.CommentLines[4], "");

    state.GuaranteeMode = 5;
    state.CommentLines[4] = "VECCHIA 4";
    state.CommentLines[5] = "VECCHIA 5";
    PrepareSystemSave(state, {"9", 9, -1, SavedSystemKind::Matrix});
    EXPECT_EQ(state.CommentLines[3], "GARANZIA DEL CINQUINA");
    EXPECT_EQ(state.CommentLines[4], "VECCHIA 4");
    EXPECT_EQ(state.CommentLines[5], "VECCHIA 5");
}

TEST(SystemSave, ConsecutiveRunsInEntryOrder) {
    ProgramState state;
    const auto enter = [&state](const std::vector<int>& numbers) {
        for (std::size_t i = 0; i < numbers.size(); ++i) state.EnteredNumbers[i + 1] = numbers[i];
        return static_cast<int>(numbers.size());
    };
    EXPECT_TRUE(EntryIsConsecutiveRun(state, enter({5, 6, 7, 8, 9, 10, 11, 12, 13, 14})));
    EXPECT_FALSE(EntryIsConsecutiveRun(state, enter({1, 2, 3, 5, 6, 7})));
    EXPECT_FALSE(EntryIsConsecutiveRun(state, enter({2, 1, 3, 4, 5, 6})));
    EXPECT_FALSE(EntryIsConsecutiveRun(state, 95));
    // The entry box reads any text as a number, down to the smallest int. Such a quantity has no
    // pairs to compare, like 0, and must not wrap round into a walk past element 90.
    std::vector<int> board(90);
    std::iota(board.begin(), board.end(), 1);
    enter(board);
    EXPECT_EQ(EntryIsConsecutiveRun(state, std::numeric_limits<int>::min()), EntryIsConsecutiveRun(state, 0));
}

TEST(SystemSave, OnlyACompletedRunReplacesTheDevelopment) {
    ProgramState state = Developed({1, 2, 3, 4, 5, 6, 7, 8}, 2, -1);
    EXPECT_EQ(state.SystemComboCount, 6);
    EXPECT_EQ(state.TicketCount, 6);
    // The check window takes the shape from here: six numbers per combination of the eight.
    EXPECT_EQ(state.SystemComboSize, 6);
    EXPECT_EQ(state.SystemNumberCount, 8);
    EXPECT_EQ(state.SystemCombos[2], (std::array<int, 7>{0, 1, 2, 4, 5, 6, 7}));

    const SystemRequest stopped = test::RequestFor(40);
    StoreDevelopment(stopped, RunDevelopment(stopped), state);  // stopped at the capacity
    EXPECT_EQ(state.SystemComboCount, 6);
    EXPECT_EQ(state.TicketCount, 6);
    EXPECT_EQ(state.SystemNumberCount, 8);
    EXPECT_EQ(state.SystemCombos[2], (std::array<int, 7>{0, 1, 2, 4, 5, 6, 7}));
}

// CARICA loads a file whatever N it says; the guarantees page then sees no more than the 90 numbers
// (the tickets' own and stand-ins), where two billion stand-ins once took gigabytes.
TEST(SystemSave, LoadedSystemSayingTwoBillionNumbersHasNinety) {
    ProgramState state;
    state.programFolder = test::TestData("");
    const LoadedSystem loaded = LoadPlayedSystem(state, "played-system-saying-two-billion-numbers.SSI");
    ASSERT_EQ(loaded.error, "");
    EXPECT_NE(loaded.notice, "");
    const GuaranteeSubject subject = CurrentSystemSubject(state);
    ASSERT_EQ(subject.chosen.size(), 90U);
    EXPECT_EQ(std::vector<int>(subject.chosen.begin(), subject.chosen.begin() + 7),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 0}));
    EXPECT_EQ(subject.chosen.back(), -83);
}

}  // namespace
}  // namespace fortunara
