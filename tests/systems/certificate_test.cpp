#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "matrices/core/matrix_files.h"
#include "systems/core/play_odds.h"
#include "systems/core/system_certificate.h"
#include "systems/core/system_completion.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

enum Category { kNothing, kAmbo, kTerno, kQuaterna, kCinquina, kSestina };

PositionSystem System(int positions, std::vector<std::vector<int>> tickets) {
    return {positions, std::move(tickets)};
}

// Every ticket of six of the n positions.
PositionSystem Integral(int n) {
    PositionSystem system{n, {}};
    std::vector<int> mask(static_cast<std::size_t>(n), 0);
    std::fill(mask.begin(), mask.begin() + 6, 1);
    do {
        std::vector<int>& ticket = system.tickets.emplace_back();
        for (int p = 0; p < n; ++p) {
            if (mask[static_cast<std::size_t>(p)]) ticket.push_back(p);
        }
    } while (std::prev_permutation(mask.begin(), mask.end()));
    return system;
}

TEST(Certificate, IntegralSystemIsSureOfTheSestina) {
    const Certificate certificate = ExactCertificate(Integral(9));
    ASSERT_EQ(certificate.drawn.size(), 5u);
    for (const DrawnCases& cases : certificate.drawn) {
        EXPECT_EQ(cases.guaranteedHits, cases.drawn);
        EXPECT_EQ(cases.ShareOfBest(CategoryOfHits(cases.drawn)), 1.0) << cases.drawn;
    }
    EXPECT_EQ(certificate.Of(6)->cases, 84);
}

// The "AMBO" scheme of 8 numbers (positions 1..8 written 0..7): A 123456, B 124567, C 125678,
// D 234567, E 235678, F 345678. By hand:
// - two drawn: each of the 28 pairs lies in some ticket; the pairs lie in 6 * 15 = 90 tickets in all.
// - six drawn: a case leaves out a pair {a, b}; a ticket leaves out its own pair {c, d} and holds
//   6 - |{c, d} \ {a, b}| of the case. The left-out pairs of the tickets are 78 38 34 18 14 12: the
//   six cases leaving out one of them hold a sestina; {5, 6}, sharing nothing with them, only a
//   quaterna; the other 21 a cinquina. Each ticket holds 6 in one case, 5 in 2 * 6 = 12, 4 in 15.
TEST(Certificate, AmboSchemeOfEightWorkedOutByHand) {
    const PositionSystem ambo =
        SystemOverPositions(8, std::vector<int>{1, 2, 3, 4, 5, 6, 1, 2, 4, 5, 6, 7, 1, 2, 5, 6, 7, 8,
                                                2, 3, 4, 5, 6, 7, 2, 3, 5, 6, 7, 8, 3, 4, 5, 6, 7, 8},
                            6);
    const Certificate certificate = ExactCertificate(ambo);

    const DrawnCases& two = *certificate.Of(2);
    EXPECT_EQ(two.cases, 28);
    EXPECT_EQ(two.guaranteedHits, 2);
    EXPECT_EQ(two.best[kAmbo], 28);
    EXPECT_DOUBLE_EQ(two.AverageWinning(kAmbo), 90.0 / 28);

    const DrawnCases& six = *certificate.Of(6);
    EXPECT_EQ(six.guaranteedHits, 4);
    EXPECT_EQ(six.best, (std::array<long long, 6>{0, 0, 0, 1, 21, 6}));
    EXPECT_DOUBLE_EQ(six.AverageWinning(kSestina), 6.0 / 28);
    EXPECT_DOUBLE_EQ(six.AverageWinning(kCinquina), 72.0 / 28);
    EXPECT_DOUBLE_EQ(six.AverageWinning(kQuaterna), 90.0 / 28);
    EXPECT_DOUBLE_EQ(six.ShareAtLeast(kCinquina), 27.0 / 28);
}

TEST(Certificate, EstimateLiesWithinItsMargin) {
    const PositionSystem system = SystemOverPositions(
        10, std::vector<int>{1, 2, 3, 4, 5, 6, 5, 6, 7, 8, 9, 10, 1, 2, 7, 8, 9, 10, 1, 3, 5, 7, 9, 2}, 6);
    const Certificate exact = ExactCertificate(system);
    const Certificate estimate = EstimatedCertificate(system, 20000, 7);
    ASSERT_TRUE(estimate.estimate);
    for (const DrawnCases& cases : exact.drawn) {
        for (int category = kNothing; category <= kSestina; ++category) {
            const double share = cases.ShareOfBest(category);
            EXPECT_NEAR(estimate.Of(cases.drawn)->ShareOfBest(category), share,
                        2 * estimate.Margin(cases.drawn, share) + 1e-9)
                << cases.drawn << " " << CategoryName(category);
        }
    }
}

TEST(Holes, OneTicketMissesExactlyTheTriplesReachingOutsideIt) {
    const PositionSystem one = System(8, {{0, 1, 2, 3, 4, 5}});
    const Holes holes = FindHoles(one, 3, 3);
    std::vector<std::vector<int>> expected;
    for (int a = 0; a < 8; ++a) {
        for (int b = a + 1; b < 8; ++b) {
            for (int c = b + 1; c < 8; ++c) {
                if (c >= 6) expected.push_back({a, b, c});
            }
        }
    }
    EXPECT_EQ(holes.cases, 56);
    EXPECT_EQ(holes.count, 36);
    EXPECT_EQ(holes.first, expected);

    const Holes listed = FindHoles(one, 3, 3, 5);
    EXPECT_EQ(listed.count, 36);
    EXPECT_EQ(listed.first.size(), 5u);
}

TEST(Completion, MendsEveryHoleOfTheGuarantee) {
    struct Case {
        const char* name;
        PositionSystem system;
        int drawn;
        int atLeast;
    };
    const Case cases[] = {
        {"terno if three of twelve are drawn, from one ticket", System(12, {{0, 1, 2, 3, 4, 5}}), 3, 3},
        {"ambo if two of twenty are drawn, from nothing", System(20, {}), 2, 2},
        {"terno if four of fourteen are drawn", System(14, {{0, 1, 2, 3, 4, 5}, {6, 7, 8, 9, 10, 11}}), 4, 3},
    };
    for (const Case& c : cases) {
        const Completion completion = CompleteSystem(c.system, c.drawn, c.atLeast);
        ASSERT_TRUE(completion.complete) << c.name;
        EXPECT_GT(completion.holesBefore, 0) << c.name;
        PositionSystem mended = c.system;
        mended.tickets.insert(mended.tickets.end(), completion.added.begin(), completion.added.end());
        EXPECT_EQ(FindHoles(mended, c.drawn, c.atLeast).count, 0) << c.name;
        // Thinned: without any one added ticket the guarantee fails again.
        for (std::size_t t = 0; t < completion.added.size(); ++t) {
            PositionSystem without = mended;
            without.tickets.erase(without.tickets.begin() + static_cast<std::ptrdiff_t>(c.system.tickets.size() + t));
            EXPECT_GT(FindHoles(without, c.drawn, c.atLeast).count, 0) << c.name << " ticket " << t;
        }
    }
}

TEST(PlayOdds, OneTicketOfSixIsTheChanceOfAnyTicket) {
    const Certificate single = ExactCertificate(System(6, {{0, 1, 2, 3, 4, 5}}));
    const DrawChances chances = ChancesPerDraw(single);
    for (int category = kAmbo; category <= kSestina; ++category) {
        EXPECT_NEAR(chances.system[static_cast<std::size_t>(category)], RandomTicketChance(category), 1e-15);
        EXPECT_NEAR(chances.random[static_cast<std::size_t>(category)], RandomTicketChance(category), 1e-15);
    }
    EXPECT_EQ(OneIn(RandomTicketChance(kSestina)), "1 su 622.614.630");
    EXPECT_EQ(OneIn(0), "mai");
    EXPECT_EQ(Money(SystemCostCents(84, 6, kDefaultTicketPriceCents)), "84,00 euro");
    EXPECT_EQ(Money(SystemCostCents(3, 7, 50)), "10,50 euro");
}

// The comment lines of the starter library say, for 2 to 6 numbers drawn, what the matrix is sure of.
TEST(StarterLibrary, CommentLinesAgreeWithTheCertificate) {
    const std::filesystem::path folder = test::Assets();
    static const char* const kNames[] = {"NESSUNA", "NESSUNA", "AMBO", "TERNO", "QUATERNA", "CINQUINA", "SESTINA"};
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "matrion")) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".SIS") continue;
        const MatrixRead read = ReadMatrixFile(folder, name);
        ASSERT_TRUE(read.ok()) << name;
        const Certificate certificate =
            ExactCertificate(SystemOverPositions(read.data.numberCount, read.data.numbers, read.data.comboSize));
        for (const DrawnCases& cases : certificate.drawn) {
            const std::string line = read.data.comments[static_cast<std::size_t>(3 + cases.drawn)];
            EXPECT_EQ(line, " " + std::to_string(cases.drawn) + " ESTRATTI: " + kNames[cases.guaranteedHits]) << name;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 156);
}

}  // namespace
}  // namespace fortunara
