#include <gtest/gtest.h>

#include <algorithm>

#include "systems/core/development.h"
#include "tests/systems/system_test_support.h"

namespace fortunara {
namespace {

using test::Combo;
using test::RequestFor;
using test::RequestWithNumbers;

int CountWith(const std::vector<int>& numbers, const ConditionSettings& settings) {
    SystemRequest request = RequestWithNumbers(numbers);
    request.conditions = settings;
    const SystemRun run = RunDevelopment(request);
    EXPECT_EQ(run.end, RunEnd::Completed);
    EXPECT_TRUE(run.conditioned);
    return run.Count();
}

// Numbers 1, 2, 3, 10, 20, 30: 2 consecutive pairs, 3 interruptions, 4 even numbers, sum 66.
TEST(Conditions, EachTestOnTheOneCandidateOfSixNumbers) {
    const std::vector<int> numbers = {1, 2, 3, 10, 20, 30};
    struct Case {
        const char* name;
        void (*set)(ConditionSettings&);
        int accepted;
    };
    const Case cases[] = {
        {"consecutivi 2", [](ConditionSettings& s) { s.consecutive[2] = true; }, 1},
        {"consecutivi 1 e 3", [](ConditionSettings& s) { s.consecutive[1] = s.consecutive[3] = true; }, 0},
        {"interruzioni 3", [](ConditionSettings& s) { s.interruptions[3] = true; }, 1},
        {"interruzioni 2", [](ConditionSettings& s) { s.interruptions[2] = true; }, 0},
        {"pari 4", [](ConditionSettings& s) { s.even[4] = true; }, 1},
        {"pari 3 e 5", [](ConditionSettings& s) { s.even[3] = s.even[5] = true; }, 0},
        {"somma 66-66", [](ConditionSettings& s) { s.sumFrom[0] = 66, s.sumTo[0] = 66; }, 1},
        {"somma 67-90", [](ConditionSettings& s) { s.sumFrom[3] = 67, s.sumTo[3] = 90; }, 0},
        {"capogioco 20", [](ConditionSettings& s) { s.heads[2] = 20; }, 1},
        {"capogioco 21", [](ConditionSettings& s) { s.heads[0] = 21; }, 0},
        {"capogioco 20 due volte", [](ConditionSettings& s) { s.heads[0] = s.heads[3] = 20; }, 1},
        {"capogioco 20 e 4", [](ConditionSettings& s) { s.heads[0] = 20, s.heads[1] = 4; }, 0},
        {"tutto insieme",
         [](ConditionSettings& s) {
             s.consecutive[2] = s.interruptions[3] = s.even[4] = true;
             s.sumFrom[1] = 60, s.sumTo[1] = 70, s.heads[0] = 1;
         },
         1},
    };
    for (const Case& c : cases) {
        ConditionSettings settings;
        c.set(settings);
        EXPECT_EQ(CountWith(numbers, settings), c.accepted) << c.name;
    }
}

TEST(Conditions, ConsecutivePairsFollowTheCandidateOrder) {
    ConditionSettings none;
    none.consecutive[0] = true;
    // 12 then 13 (positions 1 and 2) is a pair in the 5 candidates that hold both.
    EXPECT_EQ(CountWith({12, 13, 20, 30, 40, 50, 60}, none), 2);
    // 13 then 12 is not.
    EXPECT_EQ(CountWith({13, 12, 20, 30, 40, 50, 60}, none), 7);
}

TEST(Conditions, HeadNumbersMustAllBeInTheCombination) {
    ConditionSettings settings;
    settings.heads[0] = 7;   // "Primo :"
    settings.heads[2] = 33;  // "Terzo :"
    SystemRequest request = RequestWithNumbers({1, 7, 12, 33, 40, 50, 61, 70, 80, 90});
    request.conditions = settings;
    const SystemRun run = RunDevelopment(request);
    EXPECT_EQ(run.Count(), 70);  // C(8, 4): the combinations holding both
    for (const Combo& numbers : run.numbers) {
        EXPECT_NE(std::find(numbers.begin(), numbers.end(), 7), numbers.end());
        EXPECT_NE(std::find(numbers.begin(), numbers.end(), 33), numbers.end());
    }
}

TEST(Conditions, SumRanges) {
    ConditionSettings two;
    two.sumFrom[0] = 100, two.sumTo[0] = 150;
    two.sumFrom[2] = 200, two.sumTo[2] = 250;
    EXPECT_EQ(CountWith({5, 20, 30, 35, 40, 45}, two), 0);   // 175
    EXPECT_EQ(CountWith({10, 20, 30, 40, 45, 55}, two), 1);  // 200
    EXPECT_EQ(CountWith({10, 20, 30, 40, 45, 5}, two), 1);   // 150

    ConditionSettings fromOnly;  // "A" empty reads as 0: no sum lies in 100..0
    fromOnly.sumFrom[0] = 100;
    EXPECT_EQ(CountWith({10, 20, 30, 40, 45, 55, 60, 70, 80, 90}, fromOnly), 0);
}

TEST(Conditions, SwitchedOnWithNothingSetAcceptsEverything) {
    SystemRequest request = RequestFor(10);
    request.conditions = ConditionSettings{};
    const SystemRun run = RunDevelopment(request);
    EXPECT_EQ(run.Count(), 210);
    EXPECT_TRUE(run.conditioned);
    EXPECT_FALSE(RunDevelopment(RequestFor(10)).conditioned);
}

TEST(Conditions, GroupFilterCountsTheNumbersTakenFromEachGroup) {
    ConditionSettings settings;
    for (int r = 1; r <= 3; ++r) settings.groups.Enter(r, 1, r);  // group 1: numbers 1, 2, 3
    settings.groups.Enter(kGroupLowerRow, 1, 2);
    settings.groups.Enter(kGroupUpperRow, 1, 2);
    const std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(CountWith(numbers, settings), 210);  // the group filter starts switched off

    settings.groups.Toggle();
    EXPECT_EQ(CountWith(numbers, settings), 3 * 35);  // two of {1,2,3}, four of the other seven

    ConditionSettings emptyFirstRow = settings;  // a column with nothing in row 1 is not a group
    emptyFirstRow.groups.GroupGrid[1][1] = 0;
    EXPECT_EQ(CountWith(numbers, emptyFirstRow), 210);

    settings.groups.Toggle();
    EXPECT_EQ(CountWith(numbers, settings), 210);
}

TEST(Conditions, GroupCellEntry) {
    GroupSettings groups;
    EXPECT_EQ(groups.GroupFilterOn, -1);
    EXPECT_TRUE(groups.Enter(4, 3, 17));
    EXPECT_EQ(groups.GroupGrid[4][3], 17);
    EXPECT_EQ(groups.GroupRowCount, 4);
    EXPECT_EQ(groups.GroupColumnCount, 3);
    EXPECT_TRUE(groups.Enter(2, 1, 0));  // an empty answer writes 0
    EXPECT_TRUE(groups.Enter(kGroupUpperRow, 7, 3));
    EXPECT_EQ(groups.GroupRowCount, 4);  // bound rows do not count as group rows
    EXPECT_EQ(groups.GroupColumnCount, 7);
    EXPECT_FALSE(groups.Enter(5, 2, 91));
    EXPECT_FALSE(groups.Enter(5, 2, -1));
    EXPECT_FALSE(groups.Enter(34, 2, 5));  // row 34 has no storage
    EXPECT_FALSE(groups.Enter(0, 2, 5));
    EXPECT_EQ(groups.GroupGrid[5][2], 0);
    groups.Toggle();
    EXPECT_EQ(groups.GroupFilterOn, 5);
    groups.Toggle();
    EXPECT_EQ(groups.GroupFilterOn, -1);
}

}  // namespace
}  // namespace fortunara
