#include "vertible/core/method_run.h"

#include <gtest/gtest.h>

#include "tests/statistics/draw_builder.h"
#include "vertible/core/forecast_grid.h"

namespace fortunara {
namespace {

struct GroupCase {
    const char* name;
    int kind;
    int position;
    std::vector<int> places;  // the draw's numbers from place 1 on, the rest 0
    std::vector<int> slips;   // the first play slip, then the second
};

TEST(MethodRun, GroupsOfBothMethods) {
    const GroupCase cases[] = {
        {"example", kVertibleMethod, 1, {10, 20, 35, 40, 41, 60}, {13, 31, 58, 59, 14, 32, 13, 31, 59, 60, 15, 33}},
        {"g = 0 shown as 90", kVertibleMethod, 1, {1, 2, 3, 4, 5, 6}, {90, 9, 45, 46, 1, 10, 90, 9, 46, 47, 2, 11}},
        // D = 90 is not reduced; 91 and 92 are, after the adjustment.
        {"g = 45", kVertibleMethod, 1, {1, 47, 10, 11, 12, 13}, {45, 54, 90, 1, 46, 55, 45, 54, 1, 2, 47, 56}},
        // From place 3 the jolly (7) and the superstar (8) take part.
        {"place 3",
         kVertibleMethod,
         3,
         {9, 9, 10, 20, 35, 40, 41, 60},
         {13, 31, 58, 59, 14, 32, 13, 31, 59, 60, 15, 33}},
        {"twin example", kTwinMethod, 1, {27, 30}, {77, 11, 78, 79, 80, 12, 77, 11, 79, 80, 81, 13}},
        {"equal units, the next twin", kTwinMethod, 1, {34, 54}, {44, 55, 45, 46, 47, 56, 44, 55, 46, 47, 48, 57}},
        // 88 and 88 + 11 = 99, brought into range as 9.
        {"both units 8", kTwinMethod, 2, {1, 28, 38}, {88, 9, 89, 90, 1, 10, 88, 9, 90, 1, 2, 11}},
        {"units 9 count as 1", kTwinMethod, 1, {49, 19}, {11, 22, 12, 13, 14, 23, 11, 22, 13, 14, 15, 24}},
    };
    for (const GroupCase& c : cases) {
        MethodNumbers n{};
        std::copy(c.places.begin(), c.places.end(), n.begin() + 1);
        const MethodValues values =
            c.kind == kVertibleMethod ? VertibleMethod(n, c.position) : TwinMethod(n, c.position);
        const std::array<ForecastLine, 3> group = ForecastGroup(values, 7, "01GEN2020");
        EXPECT_EQ(group[0].numbers, std::vector<int>{c.slips.front()}) << c.name;
        EXPECT_EQ(group[1].numbers, std::vector<int>(c.slips.begin(), c.slips.begin() + 6)) << c.name;
        EXPECT_EQ(group[2].numbers, std::vector<int>(c.slips.begin() + 6, c.slips.end())) << c.name;
    }
}

TEST(MethodRun, GridCellsOfAGroup) {
    const std::array<ForecastLine, 3> group =
        ForecastGroup(VertibleMethod({0, 10, 20, 35, 40, 41, 60}, 1), 4253, "21AGO2026");
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
        std::vector<int> records;
        for (const ForecastLine& line : RunMethod(state_, kVertibleMethod, 1, {from, to}).lines) {
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
    // Forty draws write 120 rows from row 2 on: the grid grows from 100 to 130 rows.
    Records(50, 11);
    EXPECT_EQ(state_.ForecastRowCount, 120);
    EXPECT_EQ(ForecastGridRows(state_.ForecastRowCount), 130);
    EXPECT_EQ(ForecastGridRows(98), 100);
    EXPECT_EQ(ForecastGridRows(99), 110);
}

TEST_F(MethodRunOnArchive, APositionBeyondFiveRunsNothing) {
    state_.ForecastRowCount = 7;
    const MethodRun run = RunMethod(state_, kVertibleMethod, 6, {50, 1});
    EXPECT_EQ(run.error, kPositionMessage);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(state_.ForecastRowCount, 7);
}

}  // namespace
}  // namespace fortunara
