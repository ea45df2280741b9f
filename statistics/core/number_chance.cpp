#include "statistics/core/number_chance.h"

#include <algorithm>
#include <cmath>

#include "state/binomial.h"

namespace fortunara {

namespace {

constexpr double kNumbers = 90;
// Sums of chances land a few units of the last place off; a percentile is not moved by that.
constexpr double kSlack = 1e-12;

// The counts of a binomial with their chances, from `first` on; counts whose chance is below about
// 1e-30 are left out, so the whole archive costs a few hundred terms.
struct Counts {
    int first = 0;
    std::vector<double> chance;
};

Counts BinomialCounts(int trials, double p) {
    if (trials <= 0 || p <= 0) return {0, {1.0}};
    if (p >= 1) return {trials, {1.0}};
    const double mean = trials * p;
    const double spread = 12 * std::sqrt(mean * (1 - p)) + 12;
    const int first = std::max(0, static_cast<int>(std::floor(mean - spread)));
    const int last = std::min(trials, static_cast<int>(std::ceil(mean + spread)));
    Counts counts{first, {}};
    const int width = last - first + 1;
    counts.chance.reserve(static_cast<std::size_t>(std::max(width, 0)));
    const double logTrials = std::lgamma(trials + 1.0);
    for (int k = first; k <= last; ++k) {
        const double log = logTrials - std::lgamma(k + 1.0) - std::lgamma(trials - k + 1.0) + k * std::log(p) +
                           (trials - k) * std::log1p(-p);
        counts.chance.push_back(std::exp(log));
    }
    return counts;
}

// The counts of the sum of two independent counts.
Counts Sum(const Counts& a, const Counts& b) {
    Counts sum{a.first + b.first, std::vector<double>(a.chance.size() + b.chance.size() - 1, 0.0)};
    for (std::size_t i = 0; i < a.chance.size(); ++i) {
        for (std::size_t j = 0; j < b.chance.size(); ++j) sum.chance[i + j] += a.chance[i] * b.chance[j];
    }
    return sum;
}

// log(1 - p), kept finite for a sure appearance so that prefix sums stay usable.
double LogMiss(double p) {
    return std::log(std::max(1 - p, 1e-300));
}

// P(RIT MAX <= limit) for limit below the number of draws, in O(draws): the mass of the walks that
// have appeared, whose closed stretches and open stretch are all at most `limit` long.
double GapAtMost(std::span<const double> chances, const std::vector<double>& logMisses, int limit) {
    const auto draws = chances.size();
    const auto window = static_cast<std::size_t>(limit);
    std::vector<double> appearedAt(draws, 0.0);  // c_i: appearance at i with every stretch so far in limit
    double never = 1;                            // no appearance yet
    double open = 0;                             // appeared, open stretch within limit
    for (std::size_t i = 0; i < draws; ++i) {
        const double p = chances[i];
        // The mass whose open stretch reaches limit + 1 at this draw: appeared at i - 1 - limit,
        // missed every draw since.
        double leaving = 0;
        if (i >= window + 1) {
            const std::size_t born = i - 1 - window;
            leaving = appearedAt[born] * std::exp(logMisses[i] - logMisses[born + 1]);
        }
        appearedAt[i] = (never + open) * p;
        open = appearedAt[i] + (1 - p) * (open - leaving);
        never *= 1 - p;
    }
    return open;
}

}  // namespace

double PlaceChance(int n, int k) {
    return static_cast<double>(Binomial(n - 1, k - 1)) * static_cast<double>(Binomial(90 - n, 6 - k)) /
           static_cast<double>(Binomial(90, 6));
}

DrawKind KindOf(const DrawRecord& draw, const PositionFlags& positions) {
    const auto drawn = [](int n) { return n >= 1 && n <= 90; };
    return {positions[7] && drawn(draw.Jolly()), positions[8] && drawn(draw.Superstar())};
}

InclusionChance ChanceOfInclusion(int n, const PositionFlags& positions, DrawKind kind) {
    InclusionChance chance;
    for (int k = 1; k <= 6; ++k) {
        if (positions[static_cast<std::size_t>(k)]) chance.once += PlaceChance(n, k);
    }
    if (kind.jolly) chance.once += 1 / kNumbers;
    if (kind.superstar) chance.superstar = 1 / kNumbers;
    return chance;
}

FrequencyChance ChanceOfFrequency(int n, const PositionFlags& positions, const KindCounts& draws) {
    // The count is a sum of independent binomials: the main places with the jolly (one chance per
    // kind of draw), and the superstar.
    FrequencyChance result;
    Counts total{0, {1.0}};
    int withSuperstar = 0;
    for (const bool jolly : {false, true}) {
        const int count = draws[jolly][0] + draws[jolly][1];
        const double p = ChanceOfInclusion(n, positions, {jolly, false}).once;
        result.mean += count * p;
        result.deviation += count * p * (1 - p);
        total = Sum(total, BinomialCounts(count, p));
        withSuperstar += draws[jolly][1];
    }
    if (withSuperstar > 0) {
        const double s = 1 / kNumbers;
        result.mean += withSuperstar * s;
        result.deviation += withSuperstar * s * (1 - s);
        total = Sum(total, BinomialCounts(withSuperstar, s));
    }
    result.deviation = std::sqrt(result.deviation);
    result.low = result.mean - 2 * result.deviation;
    result.high = result.mean + 2 * result.deviation;
    for (std::size_t i = 0; i < total.chance.size(); ++i) {
        const double k = total.first + static_cast<double>(i);
        if (k < result.low - kSlack || k > result.high + kSlack) result.outside += total.chance[i];
    }
    return result;
}

int LongestGapPercentile(std::span<const double> chances, double level) {
    const int draws = static_cast<int>(chances.size());
    std::vector<double> logMisses(chances.size() + 1, 0.0);  // log of the chance of missing draws 0..i-1
    for (std::size_t i = 0; i < chances.size(); ++i) logMisses[i + 1] = logMisses[i] + LogMiss(chances[i]);
    // The chance grows with the limit; below the number of draws it leaves out the walks that never
    // appear (their RIT MAX is the number of draws), which every limit from there on takes in.
    int low = 0;
    int high = draws;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (GapAtMost(chances, logMisses, middle) >= level - kSlack) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

CurrentDelayChance ChanceOfCurrentDelay(std::span<const double> chances, double level) {
    CurrentDelayChance result;
    result.percentile = static_cast<int>(chances.size());
    bool found = false;
    double atLeast = 1;  // P(RIT >= d), d = 0 first
    for (std::size_t d = 0; d < chances.size(); ++d) {
        atLeast *= 1 - chances[d];  // now P(RIT >= d + 1)
        result.mean += atLeast;
        if (!found && atLeast <= 1 - level + kSlack) {
            result.percentile = static_cast<int>(d);
            result.beyond = atLeast;
            found = true;
        }
    }
    return result;
}

}  // namespace fortunara
