#include <gtest/gtest.h>

#include <atomic>
#include <limits>

#include "systems/core/development.h"
#include "tests/systems/system_test_support.h"

namespace fortunara {
namespace {

using test::Combo;
using test::Combos;
using test::RequestFor;
using test::RequestWithNumbers;

TEST(Development, IntegralOfSevenComesInLexicographicOrder) {
    const SystemRun run = RunDevelopment(RequestFor(7));
    EXPECT_EQ(run.end, RunEnd::Completed);
    EXPECT_EQ(run.positions, (Combos{{1, 2, 3, 4, 5, 6},
                                     {1, 2, 3, 4, 5, 7},
                                     {1, 2, 3, 4, 6, 7},
                                     {1, 2, 3, 5, 6, 7},
                                     {1, 2, 4, 5, 6, 7},
                                     {1, 3, 4, 5, 6, 7},
                                     {2, 3, 4, 5, 6, 7}}));
}

TEST(Development, PositionsStandForTheNumbersInEntryOrder) {
    const SystemRun run = RunDevelopment(RequestWithNumbers({5, 12, 3, 40, 41, 90}));
    ASSERT_EQ(run.Count(), 1);
    EXPECT_EQ(run.positions[0], (Combo{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(run.numbers[0], (Combo{5, 12, 3, 40, 41, 90}));
}

TEST(Development, GuaranteeSchemesOfEightNumbers) {
    EXPECT_EQ(RunDevelopment(RequestFor(8, 2)).positions, (Combos{{1, 2, 3, 4, 5, 6},
                                                                  {1, 2, 4, 5, 6, 7},
                                                                  {1, 2, 5, 6, 7, 8},
                                                                  {2, 3, 4, 5, 6, 7},
                                                                  {2, 3, 5, 6, 7, 8},
                                                                  {3, 4, 5, 6, 7, 8}}));
    const Combos terno = RunDevelopment(RequestFor(8, 3)).positions;
    ASSERT_EQ(terno.size(), 10u);
    EXPECT_EQ(Combos(terno.begin(), terno.begin() + 4),
              (Combos{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 5, 6, 7}, {1, 2, 3, 6, 7, 8}, {1, 3, 4, 5, 6, 7}}));
    EXPECT_EQ(terno.back(), (Combo{3, 4, 5, 6, 7, 8}));
    const Combos cinquina = RunDevelopment(RequestFor(8, 5)).positions;
    ASSERT_EQ(cinquina.size(), 21u);
    EXPECT_EQ(Combos(cinquina.begin(), cinquina.begin() + 4),
              (Combos{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 5, 8}, {1, 2, 3, 5, 6, 7}}));
}

TEST(Development, ReductionsOfEightAndNineNumbers) {
    EXPECT_EQ(RunDevelopment(RequestFor(8, 1, 1)).positions,
              (Combos{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 7, 8}, {1, 2, 5, 6, 7, 8}, {3, 4, 5, 6, 7, 8}}));
    EXPECT_EQ(RunDevelopment(RequestFor(9, 1, 2)).positions,
              (Combos{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 9}}));
}

struct CountCase {
    int n;
    int mode;
    int option;
    int count;
};

TEST(Development, CombinationCounts) {
    const CountCase cases[] = {
        {10, 1, 0, 210}, {10, 1, -1, 210}, {10, 2, 0, 15}, {10, 3, 0, 35}, {10, 4, 0, 70},
        {10, 5, 0, 126}, {10, 1, 1, 18},   {10, 1, 2, 5},  {10, 1, 3, 2},  {12, 1, 1, 68},
        {12, 1, 2, 10},  {12, 1, 3, 4},    {6, 2, 0, 1},   {6, 3, 0, 1},   {6, 4, 0, 1},
        {6, 5, 0, 1},    {7, 1, 1, 1},     {7, 1, 2, 1},   {7, 1, 3, 1},
    };
    for (const CountCase& c : cases) {
        const SystemRun run = RunDevelopment(RequestFor(c.n, c.mode, c.option));
        EXPECT_EQ(run.Count(), c.count) << "N " << c.n << " mode " << c.mode << " option " << c.option;
        EXPECT_EQ(run.end, RunEnd::Completed);
        EXPECT_EQ(run.positions.front(), (Combo{1, 2, 3, 4, 5, 6}));
        if (c.mode > 1) {
            EXPECT_EQ(GuaranteeComboCount(c.n, c.mode), static_cast<unsigned>(c.count));
        }
    }
    // A guarantee ignores an option that is still selected.
    EXPECT_EQ(RunDevelopment(RequestFor(10, 3, 2)).Count(), 35);
}

TEST(Development, FortyNumbersStopAtTheCapacity) {
    const SystemRun run = RunDevelopment(RequestFor(40));
    EXPECT_EQ(run.end, RunEnd::CapacityReached);
    EXPECT_TRUE(run.Overflowed());
    EXPECT_EQ(run.Message(), "ATTENZIONE LE COMBINAZIONI CREATE SONO ECCESSIVE ");
    ASSERT_EQ(run.Count(), 30000);
    // The first 30000 combinations in lexicographic order, then the stop.
    EXPECT_TRUE(std::is_sorted(run.positions.begin(), run.positions.end()));
    EXPECT_EQ(std::adjacent_find(run.positions.begin(), run.positions.end()), run.positions.end());
    EXPECT_EQ(run.positions[29999], (Combo{1, 2, 7, 14, 16, 21}));
    EXPECT_EQ(run.numbers.size(), 30000u);
}

TEST(Development, TheCapacityStopsAtTheFirstAcceptedCombinationBeyondIt) {
    SystemRequest request = RequestFor(7);
    request.capacity = 7;
    EXPECT_EQ(RunDevelopment(request).end, RunEnd::Completed);
    request.capacity = 6;
    const SystemRun stopped = RunDevelopment(request);
    EXPECT_EQ(stopped.end, RunEnd::CapacityReached);
    EXPECT_EQ(stopped.Count(), 6);
}

TEST(Development, AQuantityAboveNinetyStopsAtTheFirstPositionWithoutNumber) {
    const SystemRun run = RunDevelopment(RequestFor(95));
    EXPECT_EQ(run.end, RunEnd::PositionWithoutNumber);
    EXPECT_EQ(run.Message(), "ATTENZIONE LE COMBINAZIONI CREATE SONO ECCESSIVE ");
    ASSERT_EQ(run.Count(), 85);
    EXPECT_EQ(run.positions.back(), (Combo{1, 2, 3, 4, 5, 90}));
    for (const int mode : {2, 3, 4, 5}) {
        const SystemRun guarantee = RunDevelopment(RequestFor(95, mode));
        EXPECT_EQ(guarantee.end, RunEnd::PositionWithoutNumber) << mode;
        EXPECT_LE(guarantee.positions.back()[5], 90);
    }
}

TEST(Development, TheLargestQuantityTheEntryBoxGivesStopsLikeAnyAboveNinety) {
    for (const int mode : {1, 2, 3, 4, 5}) {
        const SystemRun run = RunDevelopment(RequestFor(std::numeric_limits<int>::max(), mode));
        EXPECT_EQ(run.end, RunEnd::PositionWithoutNumber) << mode;
        EXPECT_EQ(run.positions, RunDevelopment(RequestFor(95, mode)).positions) << mode;
    }
}

TEST(Development, FewerThanSixNumbersDevelopNothing) {
    for (const int n : {5, 0, -3}) {
        SystemRequest request = RequestFor(5);
        request.quantity = n;
        request.conditions = ConditionSettings{};
        const SystemRun run = RunDevelopment(request);
        EXPECT_EQ(run.end, RunEnd::TooFewNumbers);
        EXPECT_EQ(run.Message(), "NUMERI NON SUFFICENTI ! ");
        EXPECT_EQ(run.Count(), 0);
        EXPECT_TRUE(run.conditioned);
        EXPECT_FALSE(run.Overflowed());
    }
}

TEST(Development, NumbersOutsideTheBoardAreRefused) {
    EXPECT_THROW(RunDevelopment(RequestWithNumbers({1, 2, 3, 4, 5, 91})), std::invalid_argument);
    SystemRequest tooMany = RequestFor(90);
    tooMany.numbers.push_back(1);
    EXPECT_THROW(RunDevelopment(tooMany), std::invalid_argument);
}

// Conditions that accept hardly anything make the development look at all C(90,6) candidates.
ConditionSettings OnlyAllConsecutive() {
    ConditionSettings settings;
    settings.consecutive[5] = true;
    return settings;
}

TEST(Development, ProgressRisesToTheEndAndACancelEndsTheRunEarly) {
    SystemRequest request = RequestFor(40);
    request.conditions = OnlyAllConsecutive();
    std::vector<double> shares;
    const SystemRun full = RunDevelopment(request, {[&](double share) { shares.push_back(share); }, nullptr});
    EXPECT_EQ(full.end, RunEnd::Completed);
    EXPECT_EQ(full.Count(), 35);
    ASSERT_GT(shares.size(), 10u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_DOUBLE_EQ(shares.back(), 1.0);

    std::atomic<bool> cancel{false};
    int calls = 0;
    request.quantity = 90;
    request.numbers = RequestFor(90).numbers;
    const SystemRun cancelled = RunDevelopment(request, {[&](double share) {
                                                             EXPECT_LT(share, 0.5);
                                                             if (++calls == 3) cancel = true;
                                                         },
                                                         &cancel});
    EXPECT_EQ(cancelled.end, RunEnd::Cancelled);
    EXPECT_FALSE(cancelled.Completed());
    EXPECT_TRUE(cancelled.Message().empty());
    EXPECT_LT(cancelled.Count(), 85);
}

}  // namespace
}  // namespace fortunara
