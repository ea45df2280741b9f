#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "systems/core/covering_table.h"
#include "systems/core/system_certificate.h"
#include "systems/core/system_optimizer.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using Tickets = std::vector<std::vector<int>>;

// Six distinct positions 0..N-1 a ticket, and no case failing by the certificate.
void ExpectKeeps(const Tickets& tickets, int positions, int drawn, int atLeast) {
    ASSERT_FALSE(tickets.empty());
    for (const std::vector<int>& ticket : tickets) {
        ASSERT_EQ(ticket.size(), 6u);
        EXPECT_EQ(std::set<int>(ticket.begin(), ticket.end()).size(), 6u);
        EXPECT_GE(ticket.front(), 0);
        EXPECT_LT(ticket.back(), positions);
    }
    const Holes holes = FindHoles({positions, tickets}, drawn, atLeast, 1);
    EXPECT_EQ(holes.count, 0) << positions << ' ' << drawn << ' ' << atLeast;
}

TEST(Optimizer, ReachesTheKnownOptimaOfSmallCoverings) {
    struct Case {
        int positions, atLeast;
        long long steps;
        std::size_t optimum;
    };
    for (const Case& c : {Case{8, 2, 1'000'000, 3}, Case{10, 3, 400'000, 10}, Case{10, 5, 3'000'000, 50}}) {
        const OptimizerResult result = OptimizeSystem({c.positions, c.atLeast, c.atLeast, 7, c.steps});
        EXPECT_EQ(result.tickets.size(), c.optimum) << c.positions << ' ' << c.atLeast;
        EXPECT_FALSE(result.stopped);
        ExpectKeeps(result.tickets, c.positions, c.atLeast, c.atLeast);
    }
}

// The lotto guarantees: whenever `drawn` of the N are drawn, some ticket holds `atLeast` of them,
// looked at here on every set of `drawn` positions.
TEST(Optimizer, KeepsLottoGuaranteesOnEveryDrawnSet) {
    struct Case {
        int positions, drawn, atLeast;
    };
    for (const Case& c : {Case{12, 4, 3}, Case{13, 5, 3}, Case{12, 6, 4}}) {
        const OptimizerResult result = OptimizeSystem({c.positions, c.drawn, c.atLeast, 3, 200'000});
        ASSERT_FALSE(result.tickets.empty());
        std::vector<int> mask(static_cast<std::size_t>(c.positions), 0);
        std::fill(mask.begin(), mask.begin() + c.drawn, 1);
        long long failing = 0;
        do {
            const bool kept = std::any_of(result.tickets.begin(), result.tickets.end(), [&](const std::vector<int>& t) {
                return std::count_if(t.begin(), t.end(), [&](int p) { return mask[static_cast<std::size_t>(p)]; }) >=
                       c.atLeast;
            });
            failing += kept ? 0 : 1;
        } while (std::prev_permutation(mask.begin(), mask.end()));
        EXPECT_EQ(failing, 0) << c.positions << ' ' << c.drawn << ' ' << c.atLeast;
        // Weaker than the covering of atLeast, so never larger than its best known size.
        EXPECT_LT(result.tickets.size(), c.atLeast == 3 ? 20u : 80u);
    }
}

TEST(Optimizer, SameSeedAndStepsGiveTheSameSystem) {
    const OptimizerRequest request{14, 3, 3, 11, 150'000};
    const OptimizerResult first = OptimizeSystem(request);
    EXPECT_EQ(first.steps, 150'000);
    EXPECT_EQ(OptimizeSystem(request).tickets, first.tickets);
}

TEST(Optimizer, StoppedReturnsTheBestCheckedSystem) {
    std::vector<int> heard;
    // Stopped once the search proper has reported 40 times (the greedy start reports no steps).
    const OptimizerResult result = OptimizeSystem({18, 4, 4, 5, 0}, [&](int best, long long steps) {
        if (steps > 0) heard.push_back(best);
        return heard.size() < 40;
    });
    EXPECT_TRUE(result.stopped);
    ASSERT_FALSE(heard.empty());
    EXPECT_LE(result.tickets.size(), static_cast<std::size_t>(heard.back()));
    ExpectKeeps(result.tickets, 18, 4, 4);
}

TEST(Optimizer, RefusesWhatCannotBeSearched) {
    EXPECT_FALSE(OptimizerAccepts({10, 3, 4, 1, 0}));  // atLeast above drawn
    EXPECT_FALSE(OptimizerAccepts({10, 7, 3, 1, 0}));  // more drawn than a ticket holds
    EXPECT_FALSE(OptimizerAccepts({90, 6, 5, 1, 0}));  // too many cases to keep
    EXPECT_TRUE(OptimizeSystem({10, 3, 4, 1, 100}).tickets.empty());
}

// The bound computed agrees with the bundled table's on every cell.
TEST(Optimizer, SchonheimBoundAgreesWithTheBundledTable) {
    const std::vector<BestCovering> table = ReadCoveringTable(test::Assets());
    ASSERT_EQ(table.size(), 136u);
    for (const BestCovering& cell : table) {
        EXPECT_EQ(SchonheimBound(cell.numbers, cell.atLeast), cell.lowerBound) << cell.numbers << ' ' << cell.atLeast;
        EXPECT_LE(cell.lowerBound, cell.bestKnown);
    }
    const std::optional<BestCovering> terno = FindCovering(table, 20, 3);
    ASSERT_TRUE(terno);
    EXPECT_EQ(terno->bestKnown, 71);
    EXPECT_FALSE(FindCovering(table, 20, 6));
}

}  // namespace
}  // namespace fortunara
