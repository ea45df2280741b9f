#include "vertible/core/chance.h"

#include <array>
#include <cmath>

#include "state/binomial.h"

namespace fortunara {

namespace {

constexpr int kNumbers = 90;
constexpr int kSlip = 6;

double Choose(int n, int k) {
    return static_cast<double>(Binomial(n, k));
}

// The probability that two random slips have k numbers in common.
double SharedProbability(int k) {
    return Choose(kSlip, k) * Choose(kNumbers - kSlip, kSlip - k) / Choose(kNumbers, kSlip);
}

// The probability that one draw gives neither of two slips with k numbers in common two matches:
// the draw takes at most one number of each slip. Either it takes one of the k shared numbers and
// nothing else of either slip, or none of them and at most one of each slip's 6 - k own numbers.
double NeitherSlipWins(int k) {
    const int own = kSlip - k;
    const int outside = kNumbers - 2 * kSlip + k;
    double draws = k * Choose(outside, kSlip - 1);
    for (int a = 0; a <= 1; ++a) {
        for (int b = 0; b <= 1; ++b) draws += Choose(own, a) * Choose(own, b) * Choose(outside, kSlip - a - b);
    }
    return draws / Choose(kNumbers, kSlip);
}

double ComputeChance(int following, int withSuperstar) {
    if (following <= 0) return 0.0;
    // The two slips are fixed for all the draws, so their losses are independent only once the
    // number they share is known.
    double slipsLose = 0.0;
    for (int k = 0; k <= kSlip; ++k) slipsLose += SharedProbability(k) * std::pow(NeitherSlipWins(k), following);
    const double superstarLoses = std::pow(static_cast<double>(kNumbers - 1) / kNumbers, withSuperstar);
    return 1.0 - superstarLoses * slipsLose;
}

// The check asks for the same few pairs once per group, a million times on a long archive.
constexpr int kTabled = 18;

}  // namespace

double ChanceOfWinning(int following, int withSuperstar) {
    static const auto table = [] {
        std::array<std::array<double, kTabled + 1>, kTabled + 1> chances{};
        for (int f = 0; f <= kTabled; ++f) {
            for (int s = 0; s <= kTabled; ++s) {
                chances[static_cast<std::size_t>(f)][static_cast<std::size_t>(s)] = ComputeChance(f, s);
            }
        }
        return chances;
    }();
    if (following < 0 || following > kTabled || withSuperstar < 0 || withSuperstar > kTabled) {
        return ComputeChance(following, withSuperstar);
    }
    return table[static_cast<std::size_t>(following)][static_cast<std::size_t>(withSuperstar)];
}

}  // namespace fortunara
