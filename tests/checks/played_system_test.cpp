#include <gtest/gtest.h>

#include "checks/core/played_system.h"

namespace fortunara {
namespace {

TEST(PlayedSystem, EveryNumberTakesFiveCharacters) {
    const std::vector<int> numbers = {5, 12, 33, 40, 61, 88};
    const std::string line = CombinationLine(numbers);
    EXPECT_EQ(line, "    5   12   33   40   61   88    ");
    EXPECT_EQ(line.size(), 34U);
    EXPECT_EQ(CombinationText(numbers), "    5   12   33   40   61   88");
    EXPECT_EQ(NumbersPrompt(10), "IMMETTI  10 NUMERI DA GIOCARE");
}

TEST(PlayedSystem, TypedNumbers) {
    const std::vector<int> given = {7, 12};
    struct Case {
        const char* answer;
        int value;
        const char* refusal;
    };
    const Case cases[] = {
        {"1", 1, ""},
        {" 90 ", 90, ""},
        {"0", 0, "I NUMERI DEVONO ESSERE DA 1 A 90"},
        {"91", 0, "I NUMERI DEVONO ESSERE DA 1 A 90"},
        {"-3", 0, "I NUMERI DEVONO ESSERE DA 1 A 90"},
        {"4.5", 0, "I NUMERI DEVONO ESSERE DA 1 A 90"},
        {"dieci", 0, "I NUMERI DEVONO ESSERE DA 1 A 90"},
        {"12", 0, "IL NUMERO 12 C'E' GIA' NEL SISTEMA"},
    };
    for (const Case& c : cases) {
        const TypedSystemNumber typed = ReadSystemNumber(c.answer, given);
        EXPECT_EQ(typed.value, c.value) << c.answer;
        EXPECT_EQ(typed.refusal, c.refusal) << c.answer;
    }
}

TEST(PlayedSystem, MatrixAppliedBecomesTheCurrentSystem) {
    MatrixData matrix;
    matrix.numberCount = 4;
    matrix.comboCount = 3;
    matrix.comboSize = 3;
    // A damaged third position (9) has no number; the third combination is cut short.
    matrix.numbers = {1, 2, 3, 2, 9, 4, 1, 4};
    matrix.comments[0] = " SISTEMA DI 4 NUMERI";
    const std::vector<int> numbers = {40, 7, 61, 15};
    const AppliedMatrix applied = ApplyMatrix(matrix, numbers);
    EXPECT_EQ(applied.combinations, (std::vector<std::vector<int>>{{40, 7, 61}, {7, 0, 15}}));

    ProgramState state;
    state.ForecastFlags[15] = 1;
    state.ForecastFlags[3] = 1;
    state.ForecastFlags[90] = 1;
    state.ForecastFlags[4] = 2;
    EXPECT_EQ(ForecastMarks(state), (std::vector<int>{3, 15, 90}));

    state.CommentLines[10] = "old";
    TakeAppliedMatrix(state, matrix, applied);
    EXPECT_EQ(state.TicketNumbers, (std::vector<int>{0, 40, 7, 61, 7, 0, 15}));
    EXPECT_EQ(state.TicketCount, 2);
    EXPECT_EQ(state.TicketSize, 3);
    EXPECT_EQ(state.SystemNumberCount, 4);
    EXPECT_EQ(state.SystemComboCount, 3);
    EXPECT_EQ(state.SystemComboSize, 3);
    EXPECT_EQ(state.CommentLines[1], " SISTEMA DI 4 NUMERI");
    EXPECT_EQ(state.CommentLines[10], "");

    // "SALVA" writes no more combinations than TicketNumbers holds.
    const MatrixData saved = CurrentSystemData(state);
    EXPECT_EQ(saved.comboCount, 2);
    EXPECT_EQ(saved.numbers, (std::vector<int>{40, 7, 61, 7, 0, 15}));
    EXPECT_EQ(saved.comments[0], " SISTEMA DI 4 NUMERI");
    state.SystemComboCount = 1;
    EXPECT_EQ(CurrentSystemData(state).numbers, (std::vector<int>{40, 7, 61}));
}

}  // namespace
}  // namespace fortunara
