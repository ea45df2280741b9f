#include "systems/core/system_completion.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <span>

#include "state/binomial.h"
#include "systems/core/position_set.h"
#include "systems/core/position_subsets.h"

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

struct Problem {
    int positions = 0;
    int k = 0;  // positions a ticket holds
    int drawn = 0;
    int atLeast = 0;
    std::vector<PositionSet> holes;
    // The place of each case in `holes` by its rank (-1 for a case that does not fail), where the
    // cases are few enough to be numbered; empty otherwise.
    std::vector<int> holeAt;

    bool Mends(const PositionSet& ticket, const PositionSet& hole) const { return Size(ticket & hole) >= atLeast; }
};

// Cases are numbered (and the greedy counts over every ticket) up to this many.
constexpr long long kMostNumberedCases = 8'000'000;

// The failing cases a ticket mends, by their place in `holes`.
void MendedHoles(const Problem& problem, const SubsetRanks& ranks, std::span<const int> ticket,
                 std::vector<int>& mended) {
    mended.clear();
    if (problem.holeAt.empty()) {
        const PositionSet set = SetOf(ticket);
        for (std::size_t h = 0; h < problem.holes.size(); ++h) {
            if (problem.Mends(set, problem.holes[h])) mended.push_back(static_cast<int>(h));
        }
        return;
    }
    ForEachMeeting(problem.positions, ticket, problem.drawn, problem.atLeast, [&](std::span<const int> hole) {
        const int h = problem.holeAt[static_cast<std::size_t>(ranks.Rank(hole))];
        if (h >= 0) mended.push_back(h);
    });
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
// mended. The tickets wait in buckets by that count; one found in a bucket above its count goes down
// to its own, so each step takes a ticket of the largest count without a pass over them all.
bool GreedyOverEveryTicket(const Problem& problem, std::vector<std::vector<int>>& added, const CaseProgress& progress) {
    const SubsetRanks ranks(problem.positions);
    std::vector<int> gains(static_cast<std::size_t>(ranks.Count(problem.k)), 0);
    const auto forEachMender = [&](std::size_t h, auto&& visit) {
        const std::vector<int> inside = PositionsOf(problem.holes[h]);
        ForEachMeeting(problem.positions, inside, problem.k, problem.atLeast,
                       [&](std::span<const int> t) { visit(static_cast<std::size_t>(ranks.Rank(t))); });
    };
    for (std::size_t h = 0; h < problem.holes.size(); ++h) forEachMender(h, [&](std::size_t t) { ++gains[t]; });
    std::vector<std::vector<std::uint32_t>> buckets(
        static_cast<std::size_t>(*std::max_element(gains.begin(), gains.end())) + 1);
    for (std::size_t t = gains.size(); t-- > 0;) {
        if (gains[t] > 0) buckets[static_cast<std::size_t>(gains[t])].push_back(static_cast<std::uint32_t>(t));
    }
    std::vector<char> open(problem.holes.size(), 1);
    std::size_t left = problem.holes.size();
    std::size_t top = buckets.size() - 1;
    std::vector<int> mended;
    while (left > 0) {
        while (buckets[top].empty()) --top;
        const std::uint32_t t = buckets[top].back();
        buckets[top].pop_back();
        if (static_cast<std::size_t>(gains[t]) != top) {
            if (gains[t] > 0) buckets[static_cast<std::size_t>(gains[t])].push_back(t);
            continue;
        }
        std::vector<int>& ticket = added.emplace_back(static_cast<std::size_t>(problem.k));
        ranks.Unrank(t, problem.k, ticket);
        MendedHoles(problem, ranks, ticket, mended);
        for (const int h : mended) {
            if (!open[static_cast<std::size_t>(h)]) continue;
            open[static_cast<std::size_t>(h)] = 0;
            --left;
            forEachMender(static_cast<std::size_t>(h), [&](std::size_t other) { --gains[other]; });
        }
        if (progress && !progress(1.0 - static_cast<double>(left) / static_cast<double>(problem.holes.size()))) {
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
    const SubsetRanks ranks(problem.positions);
    std::vector<std::vector<int>> mends(added.size());
    std::vector<int> menders(problem.holes.size(), 0);
    for (std::size_t t = 0; t < added.size(); ++t) {
        MendedHoles(problem, ranks, added[t], mends[t]);
        for (const int h : mends[t]) ++menders[static_cast<std::size_t>(h)];
    }
    std::vector<char> dropped(added.size(), 0);
    for (std::size_t t = added.size(); t-- > 0;) {
        const bool needed = std::any_of(mends[t].begin(), mends[t].end(),
                                        [&](int h) { return menders[static_cast<std::size_t>(h)] == 1; });
        if (needed) continue;
        for (const int h : mends[t]) --menders[static_cast<std::size_t>(h)];
        dropped[t] = 1;
    }
    std::size_t kept = 0;
    for (std::size_t t = 0; t < added.size(); ++t) {
        if (dropped[t]) continue;
        if (kept != t) added[kept] = std::move(added[t]);
        ++kept;
    }
    added.resize(kept);
}

}  // namespace

Completion CompleteSystem(const PositionSystem& system, int drawn, int atLeast, std::uint64_t seed,
                          const CaseProgress& progress) {
    Completion completion;
    Problem problem{system.positions, std::min(kTicket, system.positions), drawn, atLeast, {}, {}};
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
    if (Binomial(problem.positions, drawn) <= kMostNumberedCases) {
        const SubsetRanks ranks(problem.positions);
        problem.holeAt.assign(static_cast<std::size_t>(Binomial(problem.positions, drawn)), -1);
        for (std::size_t h = 0; h < holes.first.size(); ++h) {
            problem.holeAt[static_cast<std::size_t>(ranks.Rank(holes.first[h]))] = static_cast<int>(h);
        }
    }
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
