#include <gtest/gtest.h>

#include <string>

#include "systems/core/development.h"
#include "tests/systems/plain_development.h"
#include "tests/systems/system_test_support.h"

// The fast development against the step-by-step one: the same combinations, in the same order,
// with the same ending, for every quantity from 6 to 24, every guarantee and reduction option,
// with and without conditions.

namespace fortunara {
namespace {

// Distinct numbers in a scrambled entry order, so that conditions depend on positions unevenly.
std::vector<int> ScrambledNumbers(int n, unsigned seed) {
    std::vector<int> pool(90);
    std::iota(pool.begin(), pool.end(), 1);
    for (int i = 89; i > 0; --i) {
        seed = seed * 1103515245u + 12345u;
        std::swap(pool[static_cast<std::size_t>(i)], pool[(seed >> 8) % static_cast<unsigned>(i + 1)]);
    }
    pool.resize(static_cast<std::size_t>(std::min(n, 90)));
    return pool;
}

struct ConditionCase {
    const char* name;
    std::optional<ConditionSettings> settings;
};

std::vector<ConditionCase> ConditionCases(const std::vector<int>& numbers) {
    std::vector<ConditionCase> cases = {{"senza condizioni", std::nullopt}, {"condizioni vuote", ConditionSettings{}}};

    ConditionSettings mixed;  // every test but heads and groups
    mixed.consecutive[0] = mixed.consecutive[1] = true;
    mixed.interruptions[4] = mixed.interruptions[5] = true;
    mixed.even[2] = mixed.even[3] = mixed.even[4] = true;
    mixed.sumFrom[0] = 120;
    mixed.sumTo[0] = 260;
    mixed.sumFrom[2] = 300;
    mixed.sumTo[2] = 400;
    cases.push_back({"consecutivi pari somme", mixed});

    ConditionSettings heads;  // a head number among the entered ones, a group of the first numbers
    heads.heads[1] = numbers[2];
    heads.groups.Toggle();
    for (int r = 1; r <= 5 && r <= static_cast<int>(numbers.size()); ++r) {
        heads.groups.Enter(r, 2, numbers[static_cast<std::size_t>(r - 1)]);
    }
    heads.groups.Enter(kGroupLowerRow, 2, 1);
    heads.groups.Enter(kGroupUpperRow, 2, 2);
    cases.push_back({"capigioco e gruppo", heads});

    ConditionSettings odd;  // an odd mix: a sum range with only "DA", interruptions alone
    odd.interruptions[3] = odd.interruptions[5] = true;
    odd.sumFrom[1] = 100;
    odd.sumFrom[3] = 50;
    odd.sumTo[3] = 330;
    odd.even[0] = odd.even[1] = odd.even[5] = odd.even[6] = true;
    cases.push_back({"interruzioni e somme", odd});
    return cases;
}

void ExpectSameRun(const SystemRequest& request, const std::string& what) {
    const SystemRun fast = RunDevelopment(request);
    const test::PlainRun plain = test::RunPlainDevelopment(request);
    EXPECT_EQ(fast.end, plain.end) << what;
    ASSERT_EQ(fast.positions.size(), plain.positions.size()) << what;
    for (std::size_t i = 0; i < plain.positions.size(); ++i) {
        ASSERT_EQ(fast.positions[i], plain.positions[i]) << what << ", combinazione " << i + 1;
        for (std::size_t c = 0; c < 6; ++c) {
            ASSERT_EQ(fast.numbers[i][c], request.numbers[static_cast<std::size_t>(plain.positions[i][c] - 1)]);
        }
    }
}

// Guarantee 1 with options 0..3, then guarantees 2..5.
const std::pair<int, int> kModes[] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 0}, {3, 0}, {4, 0}, {5, 0}};

// Under the sanitizers the plain loop runs a hundred times slower: the sweep stops at 16 there, so
// that the sanitizer build finishes its tests in minutes; the release build sweeps them all.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kLargestQuantity = 16;
#else
constexpr int kLargestQuantity = 24;
#endif

TEST(FastAgainstPlain, EveryQuantityFromSixTo24) {
    for (int n = 6; n <= kLargestQuantity; ++n) {
        const std::vector<int> numbers = ScrambledNumbers(n, static_cast<unsigned>(n));
        for (const ConditionCase& conditions : ConditionCases(numbers)) {
            // The filter with no test switched on lets everything through: small systems suffice.
            if (n > 12 && conditions.settings && std::string(conditions.name) == "condizioni vuote") continue;
            for (const auto& [mode, option] : kModes) {
                SystemRequest request = test::RequestWithNumbers(numbers);
                request.guaranteeMode = mode;
                request.reductionOption = option;
                request.conditions = conditions.settings;
                ExpectSameRun(request, "N " + std::to_string(n) + " garanzia " + std::to_string(mode) + " opzione " +
                                           std::to_string(option) + ", " + conditions.name);
            }
        }
    }
}

TEST(FastAgainstPlain, SmallCapacitiesStopAtTheSameCombination) {
    for (const int capacity : {1, 4, 17, 100}) {
        for (const auto& [mode, option] : kModes) {
            SystemRequest request = test::RequestWithNumbers(ScrambledNumbers(16, 7));
            request.guaranteeMode = mode;
            request.reductionOption = option;
            request.capacity = capacity;
            ExpectSameRun(request, "capacita' " + std::to_string(capacity) + " garanzia " + std::to_string(mode) +
                                       " opzione " + std::to_string(option));
            request.conditions = ConditionCases(request.numbers)[2].settings;
            ExpectSameRun(request, "condizionato, capacita' " + std::to_string(capacity) + " garanzia " +
                                       std::to_string(mode) + " opzione " + std::to_string(option));
        }
    }
}

TEST(FastAgainstPlain, PositionsWithoutNumberStopAtTheSameCandidate) {
    // The plain loop needs minutes for the wider reductions over 90 positions: options 2 and 3
    // are compared on a short list of numbers below.
    for (const int n : {91, 95, 100}) {
        for (const auto& [mode, option] : kModes) {
            if (option >= 2) continue;
            SystemRequest request = test::RequestFor(n, mode, option);
            ExpectSameRun(request, "N " + std::to_string(n) + " garanzia " + std::to_string(mode) + " opzione " +
                                       std::to_string(option));
        }
    }
    // Fewer numbers known than the quantity: positions beyond them have none.
    for (const auto& [mode, option] : kModes) {
        for (const int known : {5, 9, 14}) {
            SystemRequest shortList = test::RequestFor(20, mode, option);
            shortList.numbers.resize(static_cast<std::size_t>(known));
            ExpectSameRun(shortList, "20 posizioni, " + std::to_string(known) + " numeri, garanzia " +
                                         std::to_string(mode) + " opzione " + std::to_string(option));
            shortList.conditions = ConditionCases(shortList.numbers)[2].settings;
            ExpectSameRun(shortList, "condizionato, 20 posizioni, " + std::to_string(known) + " numeri");
        }
    }
}

TEST(FastAgainstPlain, RepeatedNumbersAndZero) {
    const std::vector<int> numbers = {0, 1, 1, 2, 3, 4, 4, 5, 6, 8, 9, 10, 0, 11};
    for (const ConditionCase& conditions : ConditionCases(numbers)) {
        for (const auto& [mode, option] : kModes) {
            SystemRequest request = test::RequestWithNumbers(numbers);
            request.guaranteeMode = mode;
            request.reductionOption = option;
            request.conditions = conditions.settings;
            ExpectSameRun(request, std::string("ripetuti, ") + conditions.name);
        }
    }
}

}  // namespace
}  // namespace fortunara
