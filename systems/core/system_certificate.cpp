#include "systems/core/system_certificate.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <random>

#include "state/binomial.h"
#include "systems/core/position_set.h"

namespace fortunara {

namespace {

constexpr int kMostDrawn = 6;
constexpr long long kTicksPerReport = 1 << 16;

// How many tickets hold each count of the case's positions (0 to 6).
using HitCounts = std::array<int, kMostDrawn + 1>;

int BestHits(const HitCounts& counts, int depth) {
    for (int hits = depth; hits > 0; --hits) {
        if (counts[static_cast<std::size_t>(hits)] > 0) return hits;
    }
    return 0;
}

long long CasesUpTo(int positions, int depth) {
    long long cases = 0;
    for (int d = 1; d <= depth; ++d) cases += Binomial(positions, d);
    return cases;
}

// Walks every set of 1 to `depth` positions in ascending order, keeping for each ticket how many
// of the set's positions it holds and, for each such count, how many tickets hold it. Adding a
// position touches only the tickets that hold it, so a case costs a few steps, not a pass over
// every ticket.
class CaseWalker {
public:
    CaseWalker(const PositionSystem& system, int depth, const CaseProgress& progress)
        : positions_(system.positions),
          depth_(depth),
          holders_(static_cast<std::size_t>(std::max(system.positions, 0))),
          hits_(system.tickets.size(), 0),
          progress_(progress),
          total_(static_cast<double>(CasesUpTo(system.positions, depth))) {
        for (std::size_t t = 0; t < system.tickets.size(); ++t) {
            for (const int p : system.tickets[t]) holders_[static_cast<std::size_t>(p)].push_back(static_cast<int>(t));
        }
        counts_[0] = static_cast<int>(system.tickets.size());
    }

    // visit(depth, counts, chosen) for every set; false when the walk was stopped.
    template <typename Visit>
    bool Walk(Visit&& visit) {
        return depth_ < 1 || Descend(0, 0, visit);
    }

private:
    template <typename Visit>
    bool Descend(int from, int depth, Visit& visit) {
        const bool last = depth + 1 == depth_;
        for (int p = from; p < positions_; ++p) {
            chosen_[static_cast<std::size_t>(depth)] = p;
            const std::vector<int>& holders = holders_[static_cast<std::size_t>(p)];
            if (last) {
                // The deepest sets are the most: their counts are made without being undone.
                HitCounts counts = counts_;
                for (const int t : holders) {
                    const std::uint8_t h = hits_[static_cast<std::size_t>(t)];
                    --counts[h];
                    ++counts[h + 1u];
                }
                visit(depth + 1, counts, std::span<const int>(chosen_.data(), static_cast<std::size_t>(depth + 1)));
            } else {
                Move(holders, +1);
                visit(depth + 1, counts_, std::span<const int>(chosen_.data(), static_cast<std::size_t>(depth + 1)));
                const bool going = Descend(p + 1, depth + 1, visit);
                Move(holders, -1);
                if (!going) return false;
            }
            if (++ticks_ % kTicksPerReport == 0 && progress_ && !progress_(static_cast<double>(ticks_) / total_)) {
                return false;
            }
        }
        return true;
    }

    void Move(const std::vector<int>& holders, int step) {
        for (const int t : holders) {
            std::uint8_t& h = hits_[static_cast<std::size_t>(t)];
            --counts_[h];
            h = static_cast<std::uint8_t>(h + step);
            ++counts_[h];
        }
    }

    int positions_;
    int depth_;
    std::vector<std::vector<int>> holders_;  // the tickets holding each position
    std::vector<std::uint8_t> hits_;
    HitCounts counts_{};
    std::array<int, kMostDrawn> chosen_{};
    const CaseProgress& progress_;
    double total_;
    long long ticks_ = 0;
};

int MostDrawn(const PositionSystem& system) {
    return std::min(kMostDrawn, system.positions);
}

Certificate EmptyCertificate(const PositionSystem& system) {
    Certificate certificate;
    certificate.positions = system.positions;
    certificate.tickets = static_cast<int>(system.tickets.size());
    for (int m = 2; m <= MostDrawn(system); ++m) {
        DrawnCases& cases = certificate.drawn.emplace_back();
        cases.drawn = m;
        cases.guaranteedHits = m;
    }
    return certificate;
}

void CountCase(DrawnCases& cases, const HitCounts& counts) {
    const int best = BestHits(counts, cases.drawn);
    ++cases.cases;
    ++cases.best[static_cast<std::size_t>(CategoryOfHits(best))];
    for (int hits = 2; hits <= cases.drawn; ++hits) {
        cases.winning[static_cast<std::size_t>(CategoryOfHits(hits))] += counts[static_cast<std::size_t>(hits)];
    }
    cases.guaranteedHits = std::min(cases.guaranteedHits, best);
}

long double StepsUpTo(const PositionSystem& system, int depth) {
    if (system.positions <= 0) return 0;
    long double entries = 0;
    for (const std::vector<int>& ticket : system.tickets) entries += static_cast<long double>(ticket.size());
    const long double perCase = entries / system.positions + 8;
    long double steps = 0;
    for (int d = 1; d <= depth; ++d) {
        // Sets short of the deepest are made and undone; the deepest only made.
        steps += static_cast<long double>(Binomial(system.positions, d)) * perCase * (d < depth ? 2 : 1);
    }
    return steps;
}

// A whole number below `bound`, the same on every platform for the same generator.
int Below(std::mt19937_64& random, int bound) {
    const std::uint64_t range = static_cast<std::uint64_t>(bound);
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t value = random();
    while (value >= limit) value = random();
    return static_cast<int>(value % range);
}

}  // namespace

std::string_view CategoryName(int category) {
    static constexpr std::string_view kNames[] = {"nulla", "ambo", "terno", "quaterna", "cinquina", "sestina"};
    return kNames[std::clamp(category, 0, kPrizeCategories - 1)];
}

std::string_view CategoryWithArticle(int category) {
    static constexpr std::string_view kNames[] = {"nulla",        "un ambo",      "un terno",
                                                  "una quaterna", "una cinquina", "una sestina"};
    return kNames[std::clamp(category, 0, kPrizeCategories - 1)];
}

PositionSystem SystemOverNumbers(std::span<const int> chosen, std::span<const int> ticketNumbers, int ticketSize) {
    PositionSystem system;
    system.positions = static_cast<int>(chosen.size());
    if (ticketSize <= 0) return system;
    const auto size = static_cast<std::size_t>(ticketSize);
    for (std::size_t first = 0; first + size <= ticketNumbers.size(); first += size) {
        std::vector<int>& ticket = system.tickets.emplace_back();
        for (std::size_t j = first; j < first + size; ++j) {
            const auto found = std::find(chosen.begin(), chosen.end(), ticketNumbers[j]);
            if (found == chosen.end()) continue;
            const int position = static_cast<int>(found - chosen.begin());
            if (std::find(ticket.begin(), ticket.end(), position) == ticket.end()) ticket.push_back(position);
        }
        std::sort(ticket.begin(), ticket.end());
    }
    return system;
}

PositionSystem SystemOverPositions(int numberCount, std::span<const int> positions, int comboSize) {
    std::vector<int> chosen(static_cast<std::size_t>(std::max(numberCount, 0)));
    for (std::size_t p = 0; p < chosen.size(); ++p) chosen[p] = static_cast<int>(p) + 1;
    return SystemOverNumbers(chosen, positions, comboSize);
}

double DrawnCases::ShareOfBest(int category) const {
    return cases == 0 ? 0.0
                      : static_cast<double>(best[static_cast<std::size_t>(category)]) / static_cast<double>(cases);
}

double DrawnCases::ShareAtLeast(int category) const {
    double share = 0;
    for (int c = category; c < kPrizeCategories; ++c) share += ShareOfBest(c);
    return std::min(share, 1.0);
}

double DrawnCases::AverageWinning(int category) const {
    return cases == 0
               ? 0.0
               : static_cast<double>(winning[static_cast<std::size_t>(category)] / static_cast<long double>(cases));
}

const DrawnCases* Certificate::Of(int drawnCount) const {
    for (const DrawnCases& cases : drawn) {
        if (cases.drawn == drawnCount) return &cases;
    }
    return nullptr;
}

double Certificate::Margin(int drawnCount, double share) const {
    const DrawnCases* cases = Of(drawnCount);
    if (!estimate || cases == nullptr || cases->cases == 0) return 0;
    return 1.96 * std::sqrt(share * (1 - share) / static_cast<double>(cases->cases));
}

long double CertificateSteps(const PositionSystem& system) {
    return StepsUpTo(system, MostDrawn(system));
}

Certificate ExactCertificate(const PositionSystem& system, const CaseProgress& progress) {
    Certificate certificate = EmptyCertificate(system);
    CaseWalker walker(system, MostDrawn(system), progress);
    certificate.cancelled = !walker.Walk([&](int depth, const HitCounts& counts, std::span<const int>) {
        if (depth >= 2) CountCase(certificate.drawn[static_cast<std::size_t>(depth - 2)], counts);
    });
    return certificate;
}

long long EstimateSamples(const PositionSystem& system) {
    // About 2e8 ticket looks in all, over the five counts drawn.
    const long long perCase = std::max<long long>(1, static_cast<long long>(system.tickets.size()));
    return std::clamp<long long>(40'000'000 / perCase, 2'000, 1'000'000);
}

Certificate EstimatedCertificate(const PositionSystem& system, long long samples, std::uint64_t seed,
                                 const CaseProgress& progress) {
    Certificate certificate = EmptyCertificate(system);
    certificate.estimate = true;
    std::vector<PositionSet> tickets;
    for (const std::vector<int>& ticket : system.tickets) {
        PositionSet set;
        for (const int p : ticket) set |= PositionSet::Of(p);
        tickets.push_back(set);
    }
    std::mt19937_64 random(seed);
    std::vector<int> order(static_cast<std::size_t>(system.positions));
    for (std::size_t p = 0; p < order.size(); ++p) order[p] = static_cast<int>(p);
    const double total = static_cast<double>(samples) * static_cast<double>(certificate.drawn.size());
    long long done = 0;
    for (DrawnCases& cases : certificate.drawn) {
        for (long long s = 0; s < samples; ++s) {
            // A random set of `drawn` positions: the first places of a partly shuffled order.
            PositionSet drawnSet;
            for (int i = 0; i < cases.drawn; ++i) {
                const int j = i + Below(random, system.positions - i);
                std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
                drawnSet |= PositionSet::Of(order[static_cast<std::size_t>(i)]);
            }
            HitCounts counts{};
            for (const PositionSet& ticket : tickets) {
                const PositionSet common = ticket & drawnSet;
                ++counts[static_cast<std::size_t>(std::popcount(common.low)) +
                         static_cast<std::size_t>(std::popcount(common.high))];
            }
            CountCase(cases, counts);
            if (++done % 1024 == 0 && progress && !progress(static_cast<double>(done) / total)) {
                certificate.cancelled = true;
                return certificate;
            }
        }
    }
    return certificate;
}

long double HoleSteps(const PositionSystem& system, int drawn) {
    return StepsUpTo(system, std::min(drawn, system.positions));
}

Holes FindHoles(const PositionSystem& system, int drawn, int atLeast, std::size_t keep, const CaseProgress& progress) {
    Holes holes;
    holes.drawn = drawn;
    holes.atLeast = atLeast;
    if (drawn < 1 || drawn > std::min(kMostDrawn, system.positions)) return holes;
    holes.cases = Binomial(system.positions, drawn);
    CaseWalker walker(system, drawn, progress);
    holes.cancelled = !walker.Walk([&](int depth, const HitCounts& counts, std::span<const int> chosen) {
        if (depth != drawn || BestHits(counts, depth) >= atLeast) return;
        ++holes.count;
        if (holes.first.size() < keep) holes.first.emplace_back(chosen.begin(), chosen.end());
    });
    return holes;
}

}  // namespace fortunara
