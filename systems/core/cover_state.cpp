#include "systems/core/cover_state.h"

#include <algorithm>
#include <limits>
#include <span>

namespace fortunara {

namespace {

constexpr std::int32_t kUntouched = std::numeric_limits<std::int32_t>::min();

std::size_t At(long long i) {
    return static_cast<std::size_t>(i);
}

std::size_t Below(std::mt19937_64& random, std::size_t bound) {
    return static_cast<std::size_t>(random() % bound);
}

// The positions where `turn` sends `from`, ascending.
void Turned(std::span<const int> turn, std::span<const int> from, std::span<int> to) {
    for (std::size_t i = 0; i < from.size(); ++i) to[i] = turn[At(from[i])];
    std::sort(to.begin(), to.begin() + static_cast<std::ptrdiff_t>(from.size()));
}

}  // namespace

bool Rotation::Fits(int positions, int cycles, int fixed) {
    return cycles >= 1 && fixed >= 0 && positions - fixed >= 3 * cycles && (positions - fixed) % cycles == 0;
}

Rotation Rotation::Of(int positions, int cycles, int fixed) {
    Rotation rotation;
    rotation.positions = positions;
    rotation.cycles = cycles;
    rotation.fixed = fixed;
    rotation.order = (positions - fixed) / cycles;
    rotation.powers.assign(At(rotation.order), std::vector<int>(At(positions)));
    for (int j = 0; j < rotation.order; ++j) {
        for (int p = 0; p < positions; ++p) {
            const int cycle = p / rotation.order;
            rotation.powers[At(j)][At(p)] =
                cycle < cycles ? cycle * rotation.order + (p % rotation.order + j) % rotation.order : p;
        }
    }
    return rotation;
}

CoverState::CoverState(int positions, int drawn, int atLeast, const Rotation* rotation)
    : n_(positions), m_(drawn), t_(atLeast), rotation_(rotation), ranks_(positions) {
    if (rotation_ != nullptr && rotation_->order > 1) {
        NumberClasses();
    } else {
        rotation_ = nullptr;
        classCase_.resize(At(ranks_.Count(m_)));
        for (std::size_t r = 0; r < classCase_.size(); ++r) classCase_[r] = static_cast<std::int32_t>(r);
    }
    const std::size_t classes = classCase_.size();
    cover_.assign(classes, 0);
    where_.resize(classes);
    failing_.resize(classes);
    for (std::size_t c = 0; c < classes; ++c) {
        where_[c] = static_cast<std::int32_t>(c);
        failing_[c] = static_cast<std::int32_t>(c);
    }
    if (rotation_ != nullptr) pending_.assign(classes, kUntouched);
    holders_.resize(At(ranks_.Count(t_ - 1)));
    others_.reserve(At(n_));
}

void CoverState::NumberClasses() {
    classOf_.assign(At(ranks_.Count(m_)), -1);
    std::array<int, kMostChosen> kase{};
    std::array<int, kMostChosen> turned{};
    const std::span<const int> positions(kase.data(), At(m_));
    for (std::size_t r = 0; r < classOf_.size(); ++r) {
        if (classOf_[r] >= 0) continue;
        const auto c = static_cast<std::int32_t>(classCase_.size());
        classCase_.push_back(static_cast<std::int32_t>(r));
        ranks_.Unrank(static_cast<long long>(r), m_, kase);
        for (const std::vector<int>& turn : rotation_->powers) {
            Turned(turn, positions, turned);
            classOf_[At(ranks_.Rank(std::span<const int>(turned.data(), At(m_))))] = c;
        }
    }
}

template <typename Visit>
void CoverState::ForEachKept(const Ticket& ticket, Visit&& visit) const {
    ForEachMeeting(n_, ticket, m_, t_, [&](std::span<const int> kept) { visit(ClassOf(ranks_.Rank(kept))); });
}

template <typename Visit>
void CoverState::ForEachHeldSet(const Ticket& ticket, int p, Visit&& visit) const {
    if (p < 0) {
        ForEachChoice(ticket, t_ - 1, [&](std::span<const int> set) { visit(At(ranks_.Rank(set))); });
        return;
    }
    std::array<int, kMostChosen> rest{};
    std::size_t r = 0;
    for (const int q : ticket) {
        if (q != p) rest[r++] = q;
    }
    std::array<int, kMostChosen> set{};
    ForEachChoice(std::span<const int>(rest.data(), r), t_ - 2, [&](std::span<const int> part) {
        const auto place = std::upper_bound(part.begin(), part.end(), p) - part.begin();
        std::copy(part.begin(), part.begin() + place, set.begin());
        set[At(place)] = p;
        std::copy(part.begin() + place, part.end(), set.begin() + place + 1);
        visit(At(ranks_.Rank(std::span<const int>(set.data(), part.size() + 1))));
    });
}

template <typename Visit>
void CoverState::ForEachSwitched(const Move& move, Visit&& visit) {
    const Ticket& ticket = tickets_[move.ticket];
    std::array<int, kMostChosen> rest{};
    std::size_t r = 0;
    for (const int p : ticket) {
        if (p != move.out) rest[r++] = p;
    }
    // The cases that change hold exactly atLeast - 1 of the rest, one of `out` and `in`, and the
    // others among the positions the move leaves alone.
    others_.clear();
    if (m_ > t_) {
        const PositionSet touched = masks_[move.ticket] | PositionSet::Of(move.in);
        for (int p = 0; p < n_; ++p) {
            if (!touched.Contains(p)) others_.push_back(p);
        }
    }
    std::array<int, kMostChosen> merged{};
    ForEachChoice(std::span<const int>(rest.data(), r), t_ - 1, [&](std::span<const int> from) {
        ForEachChoice(others_, m_ - t_, [&](std::span<const int> elsewhere) {
            std::merge(from.begin(), from.end(), elsewhere.begin(), elsewhere.end(), merged.begin());
            const std::size_t size = from.size() + elsewhere.size();
            for (const bool lost : {true, false}) {
                const int extra = lost ? move.out : move.in;
                long long rank = 0;
                std::size_t below = 0;
                for (std::size_t i = 0; i < size; ++i) {
                    const bool above = merged[i] > extra;
                    below += above ? 0 : 1;
                    rank += ranks_.Of(merged[i], static_cast<int>(i + (above ? 2 : 1)));
                }
                rank += ranks_.Of(extra, static_cast<int>(below + 1));
                visit(ClassOf(rank), lost);
            }
        });
    });
}

int CoverState::OrbitSize(const Ticket& ticket) const {
    if (rotation_ == nullptr) return 1;
    Ticket turned{};
    for (int j = 1; j < rotation_->order; ++j) {
        Turned(rotation_->powers[At(j)], ticket, turned);
        if (turned == ticket) return j;
    }
    return rotation_->order;
}

std::vector<CoverState::Ticket> CoverState::SystemTickets() const {
    if (rotation_ == nullptr) return tickets_;
    std::vector<Ticket> system;
    for (const Ticket& ticket : tickets_) {
        const int size = OrbitSize(ticket);
        for (int j = 0; j < size; ++j) {
            Ticket& turned = system.emplace_back();
            Turned(rotation_->powers[At(j)], ticket, turned);
        }
    }
    std::sort(system.begin(), system.end());
    system.erase(std::unique(system.begin(), system.end()), system.end());
    return system;
}

void CoverState::Raise(std::size_t c) {
    if (cover_[c]++ != 0) return;
    // No longer failing: the last failing class takes its place.
    const auto at = At(where_[c]);
    const std::int32_t last = failing_.back();
    failing_[at] = last;
    where_[At(last)] = static_cast<std::int32_t>(at);
    failing_.pop_back();
    where_[c] = -1;
}

void CoverState::Lower(std::size_t c) {
    if (--cover_[c] != 0) return;
    where_[c] = static_cast<std::int32_t>(failing_.size());
    failing_.push_back(static_cast<std::int32_t>(c));
}

void CoverState::Add(const Ticket& ticket) {
    const auto i = static_cast<std::int32_t>(tickets_.size());
    tickets_.push_back(ticket);
    PositionSet mask;
    for (const int p : ticket) mask |= PositionSet::Of(p);
    masks_.push_back(mask);
    orbitSizes_.push_back(OrbitSize(ticket));
    systemSize_ += orbitSizes_.back();
    ForEachKept(ticket, [&](std::size_t c) { Raise(c); });
    ForEachHeldSet(ticket, -1, [&](std::size_t set) { holders_[set].push_back(i); });
}

void CoverState::Remove(std::size_t i) {
    const auto replace = [this](std::size_t set, std::int32_t from, std::int32_t to) {
        std::vector<std::int32_t>& holders = holders_[set];
        const auto found = std::find(holders.begin(), holders.end(), from);
        if (to >= 0) {
            *found = to;
        } else {
            *found = holders.back();
            holders.pop_back();
        }
    };
    ForEachKept(tickets_[i], [&](std::size_t c) { Lower(c); });
    ForEachHeldSet(tickets_[i], -1, [&](std::size_t set) { replace(set, static_cast<std::int32_t>(i), -1); });
    systemSize_ -= orbitSizes_[i];
    const std::size_t last = tickets_.size() - 1;
    if (i != last) {
        ForEachHeldSet(tickets_[last], -1, [&](std::size_t set) {
            replace(set, static_cast<std::int32_t>(last), static_cast<std::int32_t>(i));
        });
        tickets_[i] = tickets_[last];
        masks_[i] = masks_[last];
        orbitSizes_[i] = orbitSizes_[last];
    }
    tickets_.pop_back();
    masks_.pop_back();
    orbitSizes_.pop_back();
}

long long CoverState::Alone(std::size_t i) const {
    long long alone = 0;
    ForEachKept(tickets_[i], [&](std::size_t c) { alone += cover_[c] == 1 ? 1 : 0; });
    return alone;
}

bool CoverState::MoveTowardsFailing(std::mt19937_64& random, Move& move) const {
    std::array<int, kMostChosen> kase{};
    ranks_.Unrank(classCase_[At(failing_[Below(random, failing_.size())])], m_, kase);
    std::array<int, kMostChosen> failing = kase;
    // With a rotation, any turned copy of the case fails as well.
    if (rotation_ != nullptr) {
        Turned(rotation_->powers[Below(random, At(rotation_->order))], std::span<const int>(kase.data(), At(m_)),
               failing);
    }
    const std::span<const int> inCase(failing.data(), At(m_));
    // The tickets holding atLeast - 1 of the case: each holds exactly one such set of it, since
    // none holds atLeast of a failing case.
    std::array<const std::vector<std::int32_t>*, 20> lists{};
    std::size_t listCount = 0;
    std::size_t total = 0;
    ForEachChoice(inCase, t_ - 1, [&](std::span<const int> set) {
        const std::vector<std::int32_t>& holders = holders_[At(ranks_.Rank(set))];
        if (holders.empty()) return;
        lists[listCount++] = &holders;
        total += holders.size();
    });
    if (total == 0) return false;
    std::size_t pick = Below(random, total);
    std::size_t l = 0;
    while (pick >= lists[l]->size()) pick -= lists[l++]->size();
    move.ticket = At((*lists[l])[pick]);
    const PositionSet held = masks_[move.ticket];
    PositionSet caseSet;
    for (const int p : inCase) caseSet |= PositionSet::Of(p);
    std::array<int, kMostChosen> outs{};
    std::array<int, kMostChosen> ins{};
    std::size_t outCount = 0;
    std::size_t inCount = 0;
    for (const int p : tickets_[move.ticket]) {
        if (!caseSet.Contains(p)) outs[outCount++] = p;
    }
    for (const int p : inCase) {
        if (!held.Contains(p)) ins[inCount++] = p;
    }
    move.out = outs[Below(random, outCount)];
    move.in = ins[Below(random, inCount)];
    return true;
}

CoverState::Move CoverState::RandomMove(std::mt19937_64& random) const {
    Move move;
    move.ticket = Below(random, tickets_.size());
    move.out = tickets_[move.ticket][Below(random, kMostChosen)];
    do {
        move.in = static_cast<int>(Below(random, At(n_)));
    } while (masks_[move.ticket].Contains(move.in));
    return move;
}

long long CoverState::Change(const Move& move) {
    long long change = 0;
    if (rotation_ == nullptr) {
        // Each case the move touches is touched once.
        ForEachSwitched(move, [&](std::size_t c, bool lost) {
            if (lost) {
                change += cover_[c] == 1 ? 1 : 0;
            } else {
                change -= cover_[c] == 0 ? 1 : 0;
            }
        });
        return change;
    }
    // Turned copies of one case may be touched more than once: their changes are summed first.
    ForEachSwitched(move, [&](std::size_t c, bool lost) {
        if (pending_[c] == kUntouched) {
            pending_[c] = 0;
            touched_.push_back(static_cast<std::int32_t>(c));
        }
        pending_[c] += lost ? -1 : 1;
    });
    for (const std::int32_t c : touched_) {
        const long long before = cover_[At(c)];
        const long long after = before + pending_[At(c)];
        change += (before > 0 && after == 0 ? 1 : 0) - (before == 0 && after > 0 ? 1 : 0);
        pending_[At(c)] = kUntouched;
    }
    touched_.clear();
    return change;
}

void CoverState::Apply(const Move& move) {
    const auto i = static_cast<std::int32_t>(move.ticket);
    ForEachHeldSet(tickets_[move.ticket], move.out, [&](std::size_t set) {
        std::vector<std::int32_t>& holders = holders_[set];
        *std::find(holders.begin(), holders.end(), i) = holders.back();
        holders.pop_back();
    });
    ForEachSwitched(move, [&](std::size_t c, bool lost) {
        if (lost) {
            Lower(c);
        } else {
            Raise(c);
        }
    });
    Ticket& ticket = tickets_[move.ticket];
    *std::find(ticket.begin(), ticket.end(), move.out) = move.in;
    std::sort(ticket.begin(), ticket.end());
    masks_[move.ticket] = (masks_[move.ticket] & ~PositionSet::Of(move.out)) | PositionSet::Of(move.in);
    systemSize_ -= orbitSizes_[move.ticket];
    orbitSizes_[move.ticket] = OrbitSize(ticket);
    systemSize_ += orbitSizes_[move.ticket];
    ForEachHeldSet(ticket, move.in, [&](std::size_t set) { holders_[set].push_back(i); });
}

}  // namespace fortunara
