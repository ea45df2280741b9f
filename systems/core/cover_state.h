#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "systems/core/position_set.h"
#include "systems/core/position_subsets.h"

namespace fortunara {

// A turn of the positions: `cycles` cycles of equal length, p -> the next position of its cycle, and
// the last `fixed` positions left in place. A system made of whole orbits of tickets under its powers
// keeps a guarantee on a case exactly when it keeps it on every turned copy of the case, so a search
// over such systems looks at far fewer tickets and cases.
struct Rotation {
    int positions = 0;
    int cycles = 0;
    int fixed = 0;
    int order = 1;                         // the length of a cycle
    std::vector<std::vector<int>> powers;  // powers[j][p]: where p goes after j turns

    // None when the positions left over do not make `cycles` cycles of at least three.
    static bool Fits(int positions, int cycles, int fixed);
    static Rotation Of(int positions, int cycles, int fixed);
};

// A system under search, kept up to date move by move: for every case (a set of `drawn` of the N
// positions) how many of its tickets keep the guarantee on it (hold `atLeast` of its positions), the
// cases none keeps it on, and for every set of atLeast - 1 positions the tickets holding it (those
// one position away from a failing case that holds the set). With a rotation, each ticket stands for
// its whole orbit and each case for its orbit (a class of cases).
class CoverState {
public:
    using Ticket = std::array<int, kMostChosen>;  // ascending
    // Ticket `ticket` gives up position `out` and takes `in`.
    struct Move {
        std::size_t ticket = 0;
        int out = 0;
        int in = 0;
    };

    // Positions 7 to 127 (six a ticket), 1 <= atLeast <= drawn <= 6.
    CoverState(int positions, int drawn, int atLeast, const Rotation* rotation = nullptr);

    int Positions() const { return n_; }
    // The tickets searched (with a rotation, one for each orbit).
    std::size_t Count() const { return tickets_.size(); }
    // The tickets of the system they stand for.
    long long SystemSize() const { return systemSize_; }
    std::size_t Failing() const { return failing_.size(); }
    const std::vector<Ticket>& Tickets() const { return tickets_; }
    // The tickets of the system, each once.
    std::vector<Ticket> SystemTickets() const;

    void Add(const Ticket& ticket);
    // The last ticket takes the place of the one removed.
    void Remove(std::size_t i);
    // The classes of cases ticket i alone keeps the guarantee on.
    long long Alone(std::size_t i) const;

    // A move that brings a failing case chosen at random into some ticket: one holding atLeast - 1 of
    // its positions takes one more of them in place of one of its others. False when no ticket holds
    // that many.
    bool MoveTowardsFailing(std::mt19937_64& random, Move& move) const;
    // One position of a random ticket for a random position it does not hold.
    Move RandomMove(std::mt19937_64& random) const;
    // How many more classes of cases would fail after the move (negative: fewer).
    long long Change(const Move& move);
    void Apply(const Move& move);

private:
    std::size_t ClassOf(long long rank) const {
        return classOf_.empty() ? static_cast<std::size_t>(rank)
                                : static_cast<std::size_t>(classOf_[static_cast<std::size_t>(rank)]);
    }
    // visit(class) for every case the ticket keeps the guarantee on.
    template <typename Visit>
    void ForEachKept(const Ticket& ticket, Visit&& visit) const;
    // visit(class, lost) for every case whose guarantee the move takes away (lost) or brings.
    template <typename Visit>
    void ForEachSwitched(const Move& move, Visit&& visit);
    // visit(rank) for every set of atLeast - 1 positions of the ticket, or only those holding `p`.
    template <typename Visit>
    void ForEachHeldSet(const Ticket& ticket, int p, Visit&& visit) const;
    int OrbitSize(const Ticket& ticket) const;
    void NumberClasses();

    void Raise(std::size_t c);
    void Lower(std::size_t c);

    int n_;
    int m_;
    int t_;
    const Rotation* rotation_;
    SubsetRanks ranks_;
    std::vector<std::int32_t> classOf_;    // by the rank of a case; empty without a rotation
    std::vector<std::int32_t> classCase_;  // a case of each class, by its rank
    std::vector<std::uint32_t> cover_;
    std::vector<std::int32_t> where_;  // each class's place among the failing ones, or -1
    std::vector<std::int32_t> failing_;
    std::vector<Ticket> tickets_;
    std::vector<PositionSet> masks_;
    std::vector<int> orbitSizes_;
    long long systemSize_ = 0;
    std::vector<std::vector<std::int32_t>> holders_;  // by the rank of a set of atLeast - 1 positions
    std::vector<int> others_;                         // scratch: the positions a move leaves untouched
    std::vector<std::int32_t> pending_;               // scratch: the change of each class a move touches
    std::vector<std::int32_t> touched_;
};

}  // namespace fortunara
