// What chance alone gives, checked two ways: one draw against the plain probability of a single
// slip, and a simulation of random forecasts through the program's own check over the bundled
// archive.
#include "vertible/core/chance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "state/binomial.h"
#include "tests/support/temp_folder.h"
#include "vertible/core/forecast_check.h"

namespace fortunara {
namespace {

TEST(Chance, OneDrawIsTwoIndependentSlipsAndTheSuperstar) {
    // Given the draw, two random slips lose independently, each with the chance of at most one match.
    const double slipLoses =
        static_cast<double>(Binomial(84, 6) + 6 * Binomial(84, 5)) / static_cast<double>(Binomial(90, 6));
    EXPECT_NEAR(ChanceOfWinning(1, 0), 1 - slipLoses * slipLoses, 1e-12);
    EXPECT_NEAR(ChanceOfWinning(1, 1), 1 - 89.0 / 90 * slipLoses * slipLoses, 1e-12);
    EXPECT_EQ(ChanceOfWinning(0, 0), 0.0);
    // The same slips meet every draw, so eighteen draws give less than eighteen fresh chances.
    EXPECT_LT(ChanceOfWinning(18, 0), 1 - std::pow(slipLoses, 36));
}

std::vector<int> RandomSlip(std::mt19937& random) {
    std::vector<int> numbers(90);
    std::iota(numbers.begin(), numbers.end(), 1);
    for (std::size_t i = 0; i < 6; ++i) {
        std::uniform_int_distribution<std::size_t> pick(i, numbers.size() - 1);
        std::swap(numbers[i], numbers[pick(random)]);
    }
    numbers.resize(6);
    return numbers;
}

struct SimulatedShare {
    double won = 0;     // per cent of the random groups that won
    double chance = 0;  // per cent chance alone gives them
};

// 1000 random forecasts made from each draw of the range, checked by CheckForecasts.
SimulatedShare Simulate(const test::TempFolder& folder, int first, int last, std::mt19937& random) {
    std::uniform_int_distribution<int> superstar(1, 90);
    std::vector<ForecastLine> lines;
    for (int record = first; record <= last; ++record) {
        for (int repeat = 0; repeat < 1000; ++repeat) {
            lines.push_back({record, "", ForecastKind::Superstar, {superstar(random)}});
            lines.push_back({record, "", ForecastKind::Slip, RandomSlip(random)});
            lines.push_back({record, "", ForecastKind::Slip, RandomSlip(random)});
        }
    }
    const ForecastCheck check = CheckForecasts(folder.path(), lines);
    EXPECT_EQ(check.error, "");
    EXPECT_EQ(check.played, (last - first + 1) * 1000);
    return {check.percent, check.chance.percent};
}

// Random forecasts over the bundled archive: from the draws around the first one with a
// superstar (record 915), and from the newest, after which fewer than 18 draws follow. Their won
// share is within 0.6 percentage points of what chance gives: three to four times the simulation's
// standard error (0.13 and 0.18 points), and well below what forgetting either kind of draw would
// move the figure (1.0 and 10.7 points).
TEST(Chance, AgreesWithRandomForecastsOverTheBundledArchive) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.path() / "dati");
    std::filesystem::copy_file(test::RealArchive(), folder.path() / "dati" / "estraz09.txt");
    std::mt19937 random(20240517);
    for (const auto& [first, last] : {std::pair{880, 950}, std::pair{4200, 4253}}) {
        const SimulatedShare share = Simulate(folder, first, last, random);
        EXPECT_NEAR(share.won, share.chance, 0.6) << "draws " << first << " to " << last;
    }
}

}  // namespace
}  // namespace fortunara
