#include "systems/core/play_odds.h"

#include <cmath>

#include "platform/text/number_text.h"
#include "state/binomial.h"

namespace fortunara {

namespace {

constexpr int kBalls = 90;
constexpr int kDrawn = 6;

}  // namespace

double ChanceDrawnAmong(int chosen, int drawn) {
    if (chosen < 0 || chosen > kBalls) return 0;
    return static_cast<double>(Binomial(chosen, drawn)) *
           static_cast<double>(Binomial(kBalls - chosen, kDrawn - drawn)) /
           static_cast<double>(Binomial(kBalls, kDrawn));
}

double RandomTicketChance(int category) {
    double chance = 0;
    for (int hits = HitsOfCategory(category); hits <= kDrawn; ++hits) chance += ChanceDrawnAmong(kDrawn, hits);
    return chance;
}

DrawChances ChancesPerDraw(const Certificate& certificate) {
    DrawChances chances;
    for (int category = 1; category < kPrizeCategories; ++category) {
        const auto c = static_cast<std::size_t>(category);
        for (const DrawnCases& cases : certificate.drawn) {
            chances.system[c] += ChanceDrawnAmong(certificate.positions, cases.drawn) * cases.ShareAtLeast(category);
        }
        // 1 - (1 - q)^B, written so that a tiny q does not vanish in the subtraction.
        chances.random[c] = -std::expm1(certificate.tickets * std::log1p(-RandomTicketChance(category)));
    }
    return chances;
}

std::string OneIn(double chance) {
    if (!(chance > 0)) return "mai";
    const double in = 1.0 / chance;
    return "1 su " + (in < 1.5 ? std::string("1") : Grouped(in));
}

long long PlayedCombinations(int size) {
    return size <= kDrawn ? 1 : Binomial(size, kDrawn);
}

long long SystemCostCents(int tickets, int size, long long centsPerTicket) {
    return static_cast<long long>(tickets) * PlayedCombinations(size) * centsPerTicket;
}

}  // namespace fortunara
