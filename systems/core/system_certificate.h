#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace fortunara {

// What a system promises, worked out case by case: for every way m of its N numbers can be among the
// six drawn, the best of its tickets and how many of its tickets win in each prize category.

// The categories of a ticket by how many of the six drawn numbers it holds; fewer than two win nothing.
inline constexpr int kPrizeCategories = 6;  // nothing, ambo, terno, quaterna, cinquina, sestina
constexpr int CategoryOfHits(int hits) {
    return hits < 2 ? 0 : (hits > 6 ? 6 : hits) - 1;
}
constexpr int HitsOfCategory(int category) {
    return category == 0 ? 0 : category + 1;
}
// "nulla", "ambo", "terno", "quaterna", "cinquina", "sestina".
std::string_view CategoryName(int category);
// With the article, as a promise reads: "un ambo", "un terno", ..., "nulla".
std::string_view CategoryWithArticle(int category);

// A system over the positions 0 to N - 1 of its N numbers: each ticket is the set of positions it
// holds (a position at most once).
struct PositionSystem {
    int positions = 0;
    std::vector<std::vector<int>> tickets;
};
// The system of tickets of `ticketSize` real numbers (one after the other in `ticketNumbers`) over
// the N chosen numbers: position p stands for chosen[p]. A number of a ticket that is not among the
// chosen ones, or stands twice in the ticket, counts once or not at all: it can never add a hit.
PositionSystem SystemOverNumbers(std::span<const int> chosen, std::span<const int> ticketNumbers, int ticketSize);
// The system of a matrix's combinations over its positions 1 to N (written 1-based, as in the file).
PositionSystem SystemOverPositions(int numberCount, std::span<const int> positions, int comboSize);

// The cases in which `drawn` of the N numbers are among the six drawn.
struct DrawnCases {
    int drawn = 0;
    long long cases = 0;                             // looked at: C(N, drawn), or the random sample
    std::array<long long, kPrizeCategories> best{};  // cases whose best ticket is in each category
    // Over all the cases, how many tickets won in each category; divided by `cases`, the average.
    std::array<long double, kPrizeCategories> winning{};
    int guaranteedHits = 0;  // the least, over the cases, of the most any ticket holds

    double ShareOfBest(int category) const;
    // The share of the cases in which some ticket wins at least `category`.
    double ShareAtLeast(int category) const;
    double AverageWinning(int category) const;
};

struct Certificate {
    int positions = 0;
    int tickets = 0;
    std::vector<DrawnCases> drawn;  // drawn = 2 .. min(6, N), in order
    bool estimate = false;          // from random cases, not from every case
    bool cancelled = false;         // stopped by the user: nothing in it is to be shown

    const DrawnCases* Of(int drawnCount) const;
    // The half-width of the 95 % interval of a share of an estimate (0 for an exact certificate).
    double Margin(int drawnCount, double share) const;
};

// Called now and then with the part done (0 to 1); returns false to stop the work.
using CaseProgress = std::function<bool(double done)>;

// About how many steps the exact certificate takes; some hundred million run in a second.
long double CertificateSteps(const PositionSystem& system);
// The steps beyond which the exact answer would take more than about a minute.
inline constexpr long double kExactCertificateSteps = 4.0e10L;

// Every case looked at: exact.
Certificate ExactCertificate(const PositionSystem& system, const CaseProgress& progress = {});
// `samples` random cases for each count drawn, the same for the same seed.
Certificate EstimatedCertificate(const PositionSystem& system, long long samples, std::uint64_t seed,
                                 const CaseProgress& progress = {});
// The number of random cases an estimate takes for a system of this size in a few seconds.
long long EstimateSamples(const PositionSystem& system);

// The cases of `drawn` numbers in which no ticket holds `atLeast` of them.
struct Holes {
    int drawn = 0;
    int atLeast = 0;
    long long cases = 0;                  // C(N, drawn)
    long long count = 0;                  // the cases that fail
    std::vector<std::vector<int>> first;  // the first of them (positions, ascending), at most `keep`
    bool cancelled = false;
};
inline constexpr std::size_t kHolesListed = 1000;
Holes FindHoles(const PositionSystem& system, int drawn, int atLeast, std::size_t keep = kHolesListed,
                const CaseProgress& progress = {});
// The steps FindHoles takes.
long double HoleSteps(const PositionSystem& system, int drawn, int atLeast);

}  // namespace fortunara
