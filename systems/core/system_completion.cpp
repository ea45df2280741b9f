#include "systems/core/system_completion.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <random>

#include "state/binomial.h"
#include "systems/core/position_set.h"

namespace fortunara {

namespace {

// Beyond this many steps the greedy counts over tickets built from the failing cases instead of
// over every ticket.
constexpr long double kExactGreedySteps = 4.0e8L;
constexpr int kTicket = 6;

int Size(const PositionSet& set) {
    return std::popcount(set.low) + std::popcount(set.high);
}

PositionSet SetOf(std::span<const int> positions) {
    PositionSet set;
    for (const int p : positions) set |= PositionSet::Of(p);
    return set;
}

std::vector<int> PositionsOf(PositionSet set) {
    std::vector<int> positions;
    for (; !set.Empty(); set.RemoveLowest()) positions.push_back(set.Lowest());
    return positions;
}

// Every k of the items, in order, as a span of k items.
template <typename Visit>
void ForEachChoice(const std::vector<int>& items, int k, Visit&& visit) {
    const int n = static_cast<int>(items.size());
    if (k < 0 || k > n) return;
    std::vector<int> index(static_cast<std::size_t>(k));
    std::vector<int> chosen(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) index[static_cast<std::size_t>(i)] = i;
    while (true) {
        for (std::size_t i = 0; i < index.size(); ++i) chosen[i] = items[static_cast<std::size_t>(index[i])];
        visit(std::span<const int>(chosen));
        int i = k - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == n - k + i) --i;
        if (i < 0) return;
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// Every ticket of k positions in one array: a ticket's place is its rank in colex order,
// the sum of C(p_i, i + 1) over its positions p_0 < p_1 < ... .
class TicketRanks {
public:
    TicketRanks(int positions, int k) : positions_(positions), k_(k) {
        for (int n = 0; n <= positions; ++n) {
            for (int j = 0; j <= k; ++j)
                table_[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)] = Binomial(n, j);
        }
    }
    long long Count() const { return table_[static_cast<std::size_t>(positions_)][static_cast<std::size_t>(k_)]; }
    long long Rank(std::span<const int> ascending) const {
        long long rank = 0;
        for (std::size_t i = 0; i < ascending.size(); ++i)
            rank += table_[static_cast<std::size_t>(ascending[i])][i + 1];
        return rank;
    }
    std::vector<int> Unrank(long long rank) const {
        std::vector<int> ticket(static_cast<std::size_t>(k_));
        int p = positions_ - 1;
        for (int i = k_; i >= 1; --i) {
            while (table_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] > rank) --p;
            ticket[static_cast<std::size_t>(i - 1)] = p;
            rank -= table_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
            --p;
        }
        return ticket;
    }

private:
    int positions_;
    int k_;
    std::array<std::array<long long, kTicket + 1>, 91> table_{};
};

struct Problem {
    int positions = 0;
    int k = 0;  // positions a ticket holds
    int drawn = 0;
    int atLeast = 0;
    std::vector<PositionSet> holes;

    bool Mends(const PositionSet& ticket, const PositionSet& hole) const { return Size(ticket & hole) >= atLeast; }
};

// The tickets that mend one failing case: at least `atLeast` of its positions, the rest elsewhere.
template <typename Visit>
void ForEachMender(const Problem& problem, const PositionSet& hole, Visit&& visit) {
    const std::vector<int> inside = PositionsOf(hole);
    std::vector<int> outside;
    for (int p = 0; p < problem.positions; ++p) {
        if (!hole.Contains(p)) outside.push_back(p);
    }
    std::array<int, kTicket> merged{};
    for (int j = problem.atLeast; j <= std::min(problem.drawn, problem.k); ++j) {
        ForEachChoice(inside, j, [&](std::span<const int> in) {
            ForEachChoice(outside, problem.k - j, [&](std::span<const int> out) {
                std::merge(in.begin(), in.end(), out.begin(), out.end(), merged.begin());
                visit(std::span<const int>(merged.data(), static_cast<std::size_t>(problem.k)));
            });
        });
    }
}

long double MendersPerHole(const Problem& problem) {
    long double menders = 0;
    for (int j = problem.atLeast; j <= std::min(problem.drawn, problem.k); ++j) {
        menders += static_cast<long double>(Binomial(problem.drawn, j)) *
                   static_cast<long double>(Binomial(problem.positions - problem.drawn, problem.k - j));
    }
    return menders;
}

// Greedy over every ticket: how many failing cases each would mend, kept up to date as cases are
// mended, so each step is one pass to find the largest count.
bool GreedyOverEveryTicket(const Problem& problem, std::vector<std::vector<int>>& added, const CaseProgress& progress) {
    const TicketRanks ranks(problem.positions, problem.k);
    std::vector<int> gains(static_cast<std::size_t>(ranks.Count()), 0);
    for (const PositionSet& hole : problem.holes) {
        ForEachMender(problem, hole, [&](std::span<const int> t) { ++gains[static_cast<std::size_t>(ranks.Rank(t))]; });
    }
    std::vector<PositionSet> open = problem.holes;
    while (!open.empty()) {
        const auto best = std::max_element(gains.begin(), gains.end());
        std::vector<int> ticket = ranks.Unrank(best - gains.begin());
        const PositionSet set = SetOf(ticket);
        added.push_back(std::move(ticket));
        std::vector<PositionSet> still;
        for (const PositionSet& hole : open) {
            if (!problem.Mends(set, hole)) {
                still.push_back(hole);
                continue;
            }
            ForEachMender(problem, hole,
                          [&](std::span<const int> t) { --gains[static_cast<std::size_t>(ranks.Rank(t))]; });
        }
        open = std::move(still);
        if (progress && !progress(1.0 - static_cast<double>(open.size()) / static_cast<double>(problem.holes.size()))) {
            return false;
        }
    }
    return true;
}

// A whole number below `bound`, the same on every platform for the same generator.
int Below(std::mt19937_64& random, std::size_t bound) {
    return static_cast<int>(random() % bound);
}

// Greedy over tickets built from the failing cases: each candidate takes `atLeast` positions of one
// case still failing and fills up with positions of another, then random ones.
bool GreedyOverBuiltTickets(const Problem& problem, std::uint64_t seed, std::vector<std::vector<int>>& added,
                            const CaseProgress& progress) {
    std::mt19937_64 random(seed);
    std::vector<PositionSet> open = problem.holes;
    while (!open.empty()) {
        const long long pool = std::clamp<long long>(20'000'000 / static_cast<long long>(open.size()), 16, 2000);
        PositionSet best;
        long long bestGain = -1;
        for (long long c = 0; c < pool; ++c) {
            std::vector<int> first = PositionsOf(open[static_cast<std::size_t>(Below(random, open.size()))]);
            std::shuffle(first.begin(), first.end(), random);
            PositionSet ticket = SetOf(std::span<const int>(first.data(), static_cast<std::size_t>(problem.atLeast)));
            std::vector<int> second = PositionsOf(open[static_cast<std::size_t>(Below(random, open.size()))]);
            std::shuffle(second.begin(), second.end(), random);
            for (std::size_t i = 0; i < second.size() && Size(ticket) < problem.k; ++i) {
                ticket |= PositionSet::Of(second[i]);
            }
            while (Size(ticket) < problem.k)
                ticket |= PositionSet::Of(Below(random, static_cast<std::size_t>(problem.positions)));
            long long gain = 0;
            for (const PositionSet& hole : open) gain += problem.Mends(ticket, hole) ? 1 : 0;
            if (gain > bestGain) {
                bestGain = gain;
                best = ticket;
            }
        }
        added.push_back(PositionsOf(best));
        std::erase_if(open, [&](const PositionSet& hole) { return problem.Mends(best, hole); });
        if (progress && !progress(1.0 - static_cast<double>(open.size()) / static_cast<double>(problem.holes.size()))) {
            return false;
        }
    }
    return true;
}

// Drops, last first, every added ticket whose cases the other added tickets mend as well.
void DropUnneeded(const Problem& problem, std::vector<std::vector<int>>& added) {
    std::vector<PositionSet> sets;
    for (const std::vector<int>& ticket : added) sets.push_back(SetOf(ticket));
    std::vector<int> menders(problem.holes.size(), 0);
    for (std::size_t h = 0; h < problem.holes.size(); ++h) {
        for (const PositionSet& set : sets) menders[h] += problem.Mends(set, problem.holes[h]) ? 1 : 0;
    }
    for (std::size_t t = sets.size(); t-- > 0;) {
        bool needed = false;
        for (std::size_t h = 0; h < problem.holes.size() && !needed; ++h) {
            needed = menders[h] == 1 && problem.Mends(sets[t], problem.holes[h]);
        }
        if (needed) continue;
        for (std::size_t h = 0; h < problem.holes.size(); ++h)
            menders[h] -= problem.Mends(sets[t], problem.holes[h]) ? 1 : 0;
        added.erase(added.begin() + static_cast<std::ptrdiff_t>(t));
    }
}

}  // namespace

Completion CompleteSystem(const PositionSystem& system, int drawn, int atLeast, std::uint64_t seed,
                          const CaseProgress& progress) {
    Completion completion;
    Problem problem{system.positions, std::min(kTicket, system.positions), drawn, atLeast, {}};
    if (drawn < 1 || drawn > std::min(kTicket, system.positions) || atLeast < 1 || atLeast > drawn) return completion;
    // Finding the failing cases is the first half of the work, mending them the second.
    const auto half = [&progress](double offset) {
        return CaseProgress(progress
                                ? CaseProgress([&progress, offset](double done) { return progress(offset + done / 2); })
                                : CaseProgress());
    };
    const Holes holes = FindHoles(system, drawn, atLeast, std::numeric_limits<std::size_t>::max(), half(0));
    if (holes.cancelled) {
        completion.cancelled = true;
        return completion;
    }
    completion.holesBefore = holes.count;
    for (const std::vector<int>& hole : holes.first) problem.holes.push_back(SetOf(hole));
    const long double exactSteps = static_cast<long double>(problem.holes.size()) * MendersPerHole(problem) * 2 +
                                   static_cast<long double>(Binomial(problem.positions, problem.k)) * 64;
    const bool finished = exactSteps <= kExactGreedySteps
                              ? GreedyOverEveryTicket(problem, completion.added, half(0.5))
                              : GreedyOverBuiltTickets(problem, seed, completion.added, half(0.5));
    if (!finished) {
        completion.cancelled = true;
        completion.added.clear();
        return completion;
    }
    DropUnneeded(problem, completion.added);
    completion.complete = true;
    return completion;
}

}  // namespace fortunara
