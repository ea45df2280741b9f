#include "vertible/core/method_run.h"

#include <gtest/gtest.h>

#include "tests/statistics/draw_builder.h"
#include "vertible/core/forecast_grid.h"

namespace fortunara {
namespace {

MethodNumbers Numbers(std::initializer_list<int> places) {
    MethodNumbers n{};
    std::size_t i = 1;
    for (int v : places) n[i++] = v;
    return n;
}

struct GroupCase {
    const char* name;
    int kind;
    MethodNumbers numbers;
    int position;
    std::vector<int> slip1;
    std::vector<int> slip2;
};

TEST(MethodRun, GroupsOfBothMethods) {
    const GroupCase cases[] = {
        {"vertible example",
         kVertibleMethod,
         Numbers({10, 20, 35, 40, 41, 60}),
         1,
         {13, 31, 58, 59, 14, 32},
         {13, 31, 59, 60, 15, 33}},
        {"g = 0 shown as 90",
         kVertibleMethod,
         Numbers({1, 2, 3, 4, 5, 6}),
         1,
         {90, 9, 45, 46, 1, 10},
         {90, 9, 46, 47, 2, 11}},
        // D = 90 is not reduced; 91 and 92 are, after the adjustment.
        {"g = 45",
         kVertibleMethod,
         Numbers({1, 47, 10, 11, 12, 13}),
         1,
         {45, 54, 90, 1, 46, 55},
         {45, 54, 1, 2, 47, 56}},
        // From place 3 the jolly (7) and the superstar (8) take part.
        {"position 3",
         kVertibleMethod,
         Numbers({90, 90, 10, 20, 35, 40, 41, 60}),
         3,
         {13, 31, 58, 59, 14, 32},
         {13, 31, 59, 60, 15, 33}},
        {"twin example", kTwinMethod, Numbers({27, 30}), 1, {77, 11, 78, 79, 80, 12}, {77, 11, 79, 80, 81, 13}},
        {"equal units take the next twin",
         kTwinMethod,
         Numbers({34, 54}),
         1,
         {44, 55, 45, 46, 47, 56},
         {44, 55, 46, 47, 48, 57}},
        // 88 and 88 + 11 = 99, brought into range as 9.
        {"both units 8", kTwinMethod, Numbers({1, 28, 38}), 2, {88, 9, 89, 90, 1, 10}, {88, 9, 90, 1, 2, 11}},
        {"units 9 count as 1", kTwinMethod, Numbers({49, 19}), 1, {11, 22, 12, 13, 14, 23}, {11, 22, 13, 14, 15, 24}},
    };
    for (const GroupCase& c : cases) {
        const MethodValues values =
            c.kind == kVertibleMethod ? VertibleMethod(c.numbers, c.position) : TwinMethod(c.numbers, c.position);
        const std::array<ForecastLine, 3> group = ForecastGroup(values, 7, "01GEN2020");
        EXPECT_EQ(group[0].numbers, std::vector<int>{c.slip1.front()}) << c.name;
        EXPECT_EQ(group[1].numbers, c.slip1) << c.name;
        EXPECT_EQ(group[2].numbers, c.slip2) << c.name;
    }
}

TEST(MethodRun, GridCellsOfAGroup) {
    const std::array<ForecastLine, 3> group =
        ForecastGroup(VertibleMethod(Numbers({10, 20, 35, 40, 41, 60}), 1), 4253, "21AGO2026");
    const std::vector<std::string> first = {"21AGO2026", "S.star", " 13", "", "", "", "", "", "", "", "", "", "4253"};
    EXPECT_EQ(ForecastCells(group[0]), first);
    const std::vector<std::string> second = {"", "Schedina", "13", "31", "58", "59", "14", "32", "", "", "", "", ""};
    EXPECT_EQ(ForecastCells(group[1]), second);
    EXPECT_EQ(CheckGridCells(group[1]).back(), "4253");
    EXPECT_EQ(OutcomeCells({}), std::vector<std::string>{"/"});
    EXPECT_EQ(OutcomeCells({3, "05SET2026", {31, 14}}), (std::vector<std::string>{"3", "05SET2026", "31", "14"}));
}

TEST(MethodRun, BoxTexts) {
    EXPECT_EQ(MethodKindOf("VERTIBILI"), kVertibleMethod);
    EXPECT_EQ(MethodKindOf("GEMELLI"), kTwinMethod);
    EXPECT_EQ(MethodKindOf("vertibili"), kTwinMethod);
    EXPECT_EQ(MethodPositionOf("CALCOLO SUL N°3"), 3);
    EXPECT_EQ(MethodPositionOf("5"), 5);
    for (const char* refused : {"", "CALCOLO SUL N°0", "CALCOLO SUL N°6", "CALCOLO SUL N°3 ", "METODO"}) {
        EXPECT_EQ(MethodPositionOf(refused), std::nullopt) << refused;
    }
}

class MethodRunOnArchive : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<DrawRecord> draws;
        for (int k = 1; k <= 50; ++k) {
            draws.push_back(test::MakeDraw("01GEN2020", {k, k + 10, k + 25, k + 30, k + 31, k + 39}, 1, 2));
        }
        test::WriteDraws(folder_, draws);
        state_.programFolder = folder_.path();
    }

    std::vector<int> Records(int from, int to) {
        state_.RangeFrom = from;
        state_.RangeTo = to;
        std::vector<int> records;
        for (const ForecastLine& line : RunMethod(state_, kVertibleMethod, 1).lines) {
            if (line.kind == ForecastKind::Superstar) records.push_back(line.record);
        }
        return records;
    }

    test::TempFolder folder_;
    ProgramState state_;
};

TEST_F(MethodRunOnArchive, WalksTheRangeEitherWayCutToTheArchive) {
    EXPECT_EQ(Records(3, 1), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(Records(1, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Records(7, 7), (std::vector<int>{7}));
    EXPECT_EQ(Records(60, 48), (std::vector<int>{50, 49, 48}));
    EXPECT_EQ(Records(0, -5), (std::vector<int>{1}));
}

TEST_F(MethodRunOnArchive, FortyDrawsWriteOneHundredAndTwentyRows) {
    Records(50, 11);
    EXPECT_EQ(state_.ForecastRowCount, 120);
    EXPECT_EQ(state_.ForecastRow, 121);
    EXPECT_EQ(state_.MethodKind, kVertibleMethod);
    EXPECT_EQ(state_.MethodPosition, 1);
    EXPECT_EQ(ForecastGridRows(state_.ForecastRowCount), 130);
    EXPECT_EQ(ForecastGridRows(0), 100);
    EXPECT_EQ(ForecastGridRows(98), 100);
    EXPECT_EQ(ForecastGridRows(99), 110);
}

TEST_F(MethodRunOnArchive, APositionBeyondFiveRunsNothing) {
    state_.MethodPosition = 2;
    const MethodRun run = RunMethod(state_, kVertibleMethod, 6);
    EXPECT_EQ(run.error, kPositionMessage);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(state_.MethodPosition, 2);
}

}  // namespace
}  // namespace fortunara
