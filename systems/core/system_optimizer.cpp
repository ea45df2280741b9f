#include "systems/core/system_optimizer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <random>

#include "state/binomial.h"
#include "systems/core/position_set.h"
#include "systems/core/system_completion.h"

namespace fortunara {

namespace {

constexpr int kTicket = 6;
constexpr int kMostPositions = 90;
// The annealing cools from kWarm to kCool over kCoolingMoves moves, then warms up again.
constexpr double kWarm = 0.5;
constexpr double kCool = 0.02;
constexpr long long kCoolingMoves = 200'000;
constexpr long long kMovesPerReport = 4096;

using Ticket = std::array<int, kTicket>;

// Every k of the items in order, `visit` getting them in a span; stops when visit returns false.
template <typename Visit>
void ForEachChoice(std::span<const int> items, int k, Visit&& visit) {
    const int n = static_cast<int>(items.size());
    if (k < 0 || k > n) return;
    std::array<int, kTicket> index{};
    std::array<int, kTicket> chosen{};
    for (int i = 0; i < k; ++i) index[static_cast<std::size_t>(i)] = i;
    while (true) {
        for (int i = 0; i < k; ++i)
            chosen[static_cast<std::size_t>(i)] = items[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])];
        visit(std::span<const int>(chosen.data(), static_cast<std::size_t>(k)));
        int i = k - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == n - k + i) --i;
        if (i < 0) return;
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// The cases (sets of `drawn` positions) by their rank in colex order, each with the number of
// tickets that keep the guarantee on it, and the list of those no ticket keeps it on.
class CoverState {
public:
    CoverState(int positions, int drawn, int atLeast, int ticketSize)
        : n_(positions), m_(drawn), t_(atLeast), k_(ticketSize) {
        for (int p = 0; p <= n_; ++p) {
            for (int j = 0; j <= kTicket; ++j)
                binomial_[static_cast<std::size_t>(p)][static_cast<std::size_t>(j)] = Binomial(p, j);
        }
        const auto cases = static_cast<std::size_t>(Binomial(n_, m_));
        cover_.assign(cases, 0);
        where_.assign(cases, -1);
        uncovered_.reserve(cases);
        for (std::size_t r = 0; r < cases; ++r) Open(static_cast<int>(r));
    }

    std::size_t Failing() const { return uncovered_.size(); }
    const std::vector<Ticket>& Tickets() const { return tickets_; }

    void Add(const Ticket& ticket) {
        tickets_.push_back(ticket);
        masks_.push_back(MaskOf(ticket));
        ForEachKept(ticket, [&](int rank) { Raise(rank); });
    }

    void Remove(std::size_t index) {
        ForEachKept(tickets_[index], [&](int rank) { Lower(rank); });
        tickets_.erase(tickets_.begin() + static_cast<std::ptrdiff_t>(index));
        masks_.erase(masks_.begin() + static_cast<std::ptrdiff_t>(index));
    }

    // The ticket whose loss would leave the fewest cases failing.
    std::size_t LeastNeeded() {
        std::size_t least = 0;
        long long fewest = -1;
        for (std::size_t i = 0; i < tickets_.size(); ++i) {
            long long alone = 0;
            ForEachKept(tickets_[i], [&](int rank) { alone += cover_[static_cast<std::size_t>(rank)] == 1 ? 1 : 0; });
            if (fewest < 0 || alone < fewest) {
                fewest = alone;
                least = i;
            }
        }
        return least;
    }

    // A random failing case, as its positions.
    std::array<int, kTicket> FailingCase(std::mt19937_64& random, PositionSet& mask) const {
        int rank = uncovered_[static_cast<std::size_t>(random() % uncovered_.size())];
        std::array<int, kTicket> positions{};
        mask = PositionSet{};
        int p = n_ - 1;
        for (int i = m_; i >= 1; --i) {
            while (binomial_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] > rank) --p;
            positions[static_cast<std::size_t>(i - 1)] = p;
            mask |= PositionSet::Of(p);
            rank -= static_cast<int>(binomial_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)]);
            --p;
        }
        return positions;
    }

    // The ticket that shares the most positions with the case (the first of equals after a random
    // start).
    std::size_t ClosestTicket(const PositionSet& mask, std::mt19937_64& random) const {
        const std::size_t count = masks_.size();
        const std::size_t start = static_cast<std::size_t>(random() % count);
        std::size_t closest = start;
        int most = -1;
        for (std::size_t j = 0; j < count; ++j) {
            const std::size_t i = (start + j) % count;
            const PositionSet common = masks_[i] & mask;
            const int shared = std::popcount(common.low) + std::popcount(common.high);
            if (shared > most) {
                most = shared;
                closest = i;
            }
        }
        return closest;
    }

    // The change in failing cases if position `out` of ticket i gives way to `in`.
    long long Change(std::size_t i, int out, int in) {
        long long change = 0;
        ForEachSwitched(i, out, in, [&](int rank, bool lost) {
            const int cover = cover_[static_cast<std::size_t>(rank)];
            if (lost && cover == 1) ++change;
            if (!lost && cover == 0) --change;
        });
        return change;
    }

    void Swap(std::size_t i, int out, int in) {
        ForEachSwitched(i, out, in, [&](int rank, bool lost) {
            if (lost) {
                Lower(rank);
            } else {
                Raise(rank);
            }
        });
        Ticket& ticket = tickets_[i];
        *std::find(ticket.begin(), ticket.begin() + k_, out) = in;
        std::sort(ticket.begin(), ticket.begin() + k_);
        masks_[i] = MaskOf(ticket);
    }

private:
    PositionSet MaskOf(const Ticket& ticket) const {
        PositionSet mask;
        for (int j = 0; j < k_; ++j) mask |= PositionSet::Of(ticket[static_cast<std::size_t>(j)]);
        return mask;
    }

    int Rank(std::span<int> positions) const {
        std::sort(positions.begin(), positions.end());
        long long rank = 0;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            rank += binomial_[static_cast<std::size_t>(positions[i])][i + 1];
        }
        return static_cast<int>(rank);
    }

    // Every case on which the ticket keeps the guarantee: `atLeast` or more of its positions, the
    // rest outside it.
    template <typename Visit>
    void ForEachKept(const Ticket& ticket, Visit&& visit) {
        std::vector<int> outside;
        const PositionSet mask = MaskOf(ticket);
        for (int p = 0; p < n_; ++p) {
            if (!mask.Contains(p)) outside.push_back(p);
        }
        std::array<int, 2 * kTicket> merged{};
        for (int j = t_; j <= std::min(m_, k_); ++j) {
            ForEachChoice(std::span<const int>(ticket.data(), static_cast<std::size_t>(k_)), j,
                          [&](std::span<const int> in) {
                              ForEachChoice(outside, m_ - j, [&](std::span<const int> out) {
                                  std::copy(in.begin(), in.end(), merged.begin());
                                  std::copy(out.begin(), out.end(), merged.begin() + j);
                                  visit(Rank(std::span<int>(merged.data(), static_cast<std::size_t>(m_))));
                              });
                          });
        }
    }

    // The cases a swap changes: with the rest R of the ticket (without `out`), those holding
    // exactly atLeast - 1 of R and one of `out` and `in` (lost: `out`; won: `in`), the others
    // outside the ticket and `in`.
    template <typename Visit>
    void ForEachSwitched(std::size_t i, int out, int in, Visit&& visit) {
        const Ticket& ticket = tickets_[i];
        std::array<int, kTicket> rest{};
        std::size_t r = 0;
        for (int j = 0; j < k_; ++j) {
            if (ticket[static_cast<std::size_t>(j)] != out) rest[r++] = ticket[static_cast<std::size_t>(j)];
        }
        others_.clear();
        const PositionSet mask = masks_[i] | PositionSet::Of(in);
        for (int p = 0; p < n_; ++p) {
            if (!mask.Contains(p)) others_.push_back(p);
        }
        std::array<int, kTicket> merged{};
        ForEachChoice(std::span<const int>(rest.data(), r), t_ - 1, [&](std::span<const int> from) {
            ForEachChoice(others_, m_ - t_, [&](std::span<const int> elsewhere) {
                for (const bool lost : {true, false}) {
                    std::copy(from.begin(), from.end(), merged.begin());
                    merged[from.size()] = lost ? out : in;
                    std::copy(elsewhere.begin(), elsewhere.end(),
                              merged.begin() + static_cast<std::ptrdiff_t>(from.size() + 1));
                    visit(Rank(std::span<int>(merged.data(), static_cast<std::size_t>(m_))), lost);
                }
            });
        });
    }

    void Open(int rank) {
        where_[static_cast<std::size_t>(rank)] = static_cast<int>(uncovered_.size());
        uncovered_.push_back(rank);
    }

    void Raise(int rank) {
        if (cover_[static_cast<std::size_t>(rank)]++ != 0) return;
        // No longer failing: the last of the list takes its place.
        const int at = where_[static_cast<std::size_t>(rank)];
        const int last = uncovered_.back();
        uncovered_[static_cast<std::size_t>(at)] = last;
        where_[static_cast<std::size_t>(last)] = at;
        uncovered_.pop_back();
        where_[static_cast<std::size_t>(rank)] = -1;
    }

    void Lower(int rank) {
        if (--cover_[static_cast<std::size_t>(rank)] == 0) Open(rank);
    }

    int n_;
    int m_;
    int t_;
    int k_;
    std::array<std::array<long long, kTicket + 1>, kMostPositions + 1> binomial_{};
    std::vector<std::uint16_t> cover_;
    std::vector<int> where_;
    std::vector<int> uncovered_;
    std::vector<Ticket> tickets_;
    std::vector<PositionSet> masks_;
    std::vector<int> others_;
};

// A number in [0, 1), the same on every platform for the same generator.
double Unit(std::mt19937_64& random) {
    return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

PositionSystem AsSystem(int positions, int k, const std::vector<Ticket>& tickets) {
    PositionSystem system{positions, {}};
    for (const Ticket& ticket : tickets) system.tickets.emplace_back(ticket.begin(), ticket.begin() + k);
    return system;
}

}  // namespace

bool OptimizerAccepts(const OptimizerRequest& request) {
    return request.positions >= 1 && request.positions <= kMostPositions && request.atLeast >= 1 &&
           request.atLeast <= request.drawn && request.drawn <= std::min(kTicket, request.positions);
}

OptimizerResult OptimizeSystem(const OptimizerRequest& request, const OptimizerProgress& progress) {
    OptimizerResult result;
    if (!OptimizerAccepts(request)) return result;
    const int n = request.positions;
    const int k = std::min(kTicket, n);

    // The start: the greedy completion of an empty system, checked like every later result.
    const Completion start = CompleteSystem(PositionSystem{n, {}}, request.drawn, request.atLeast, request.seed);
    CoverState state(n, request.drawn, request.atLeast, k);
    for (const std::vector<int>& added : start.added) {
        Ticket ticket{};
        std::copy(added.begin(), added.end(), ticket.begin());
        state.Add(ticket);
    }
    if (state.Failing() != 0) return result;
    result.tickets = start.added;
    if (progress && !progress(static_cast<int>(result.tickets.size()), 0)) {
        result.stopped = true;
        return result;
    }

    std::mt19937_64 random(request.seed);
    const double cooling = std::exp(std::log(kCool / kWarm) / static_cast<double>(kCoolingMoves));
    double temperature = kWarm;
    while (state.Tickets().size() > 1) {
        if (state.Failing() == 0) {
            const PositionSystem found = AsSystem(n, k, state.Tickets());
            if (FindHoles(found, request.drawn, request.atLeast, 0).count == 0) result.tickets = found.tickets;
            state.Remove(state.LeastNeeded());
            temperature = kWarm;
            continue;
        }
        if (request.steps > 0 && result.steps >= request.steps) break;
        ++result.steps;
        if (result.steps % kMovesPerReport == 0 && progress &&
            !progress(static_cast<int>(result.tickets.size()), result.steps)) {
            result.stopped = true;
            break;
        }
        // A move towards a failing case: the ticket closest to it takes one of its positions.
        PositionSet caseMask;
        const std::array<int, kTicket> failing = state.FailingCase(random, caseMask);
        const std::size_t i = state.ClosestTicket(caseMask, random);
        const Ticket& ticket = state.Tickets()[i];
        std::array<int, kTicket> outs{};
        std::array<int, kTicket> ins{};
        int outCount = 0;
        int inCount = 0;
        for (int j = 0; j < k; ++j) {
            if (!caseMask.Contains(ticket[static_cast<std::size_t>(j)]))
                outs[static_cast<std::size_t>(outCount++)] = ticket[static_cast<std::size_t>(j)];
        }
        for (int j = 0; j < request.drawn; ++j) {
            const int p = failing[static_cast<std::size_t>(j)];
            if (std::find(ticket.begin(), ticket.begin() + k, p) == ticket.begin() + k)
                ins[static_cast<std::size_t>(inCount++)] = p;
        }
        if (outCount == 0 || inCount == 0) continue;
        const int out = outs[static_cast<std::size_t>(random() % static_cast<std::uint64_t>(outCount))];
        const int in = ins[static_cast<std::size_t>(random() % static_cast<std::uint64_t>(inCount))];
        const long long change = state.Change(i, out, in);
        if (change <= 0 || Unit(random) < std::exp(-static_cast<double>(change) / temperature)) state.Swap(i, out, in);
        temperature *= cooling;
        if (temperature < kCool) temperature = kWarm;
    }
    return result;
}

}  // namespace fortunara
