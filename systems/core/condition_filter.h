#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "systems/core/conditions.h"
#include "systems/core/position_set.h"

namespace fortunara {

// The condition filter prepared for one run: the settings turned into tables, so that a
// candidate costs a few look-ups, and a whole last level of candidates one set intersection.
class ConditionFilter {
public:
    // numbers[p - 1] is the number at position p (p = 1 .. numbers.size()).
    ConditionFilter(const ConditionSettings& settings, const std::vector<int>& numbers);

    // Running totals of a leading part of a candidate, number by number.
    struct Prefix {
        int sum = 0;
        int even = 0;
        int heads = 0;
        int consecutive = 0;
        int last = -2;  // the previous number; -2 follows no number
        std::array<std::uint8_t, kGroupColumns> groups{};
    };
    Prefix Extend(const Prefix& prefix, int number) const;

    // The verdict on the totals of all six numbers.
    bool AcceptsTotals(const Prefix& six) const;
    // The positions q whose number completes the five-number prefix to an accepted candidate.
    PositionSet CompletingPositions(const Prefix& fiveNumbers) const;

private:
    bool ConsecutiveOk(int consecutive) const { return consecutiveOk_[static_cast<std::size_t>(consecutive)]; }

    std::array<bool, 7> consecutiveOk_{};  // consecutive and interruption tests together (5 - c)
    bool headsOn_ = false;
    int filledHeads_ = 0;
    std::array<int, 92> headHits_{};  // per number: how many head boxes hold it (empty boxes hold 0)
    bool sumsOn_ = false;
    std::array<bool, 6 * 90 + 1> sumOk_{};
    bool evenOn_ = false;
    std::array<bool, 7> evenOk_{};
    struct Group {
        int lower = 0;
        int upper = 0;
        std::array<std::uint8_t, 92> hits{};  // per number: rows of the group holding it
        std::vector<PositionSet> completing;  // per running count: positions that end in range
    };
    std::vector<Group> groups_;

    // Position tables.
    PositionSet all_;
    PositionSet evenPositions_;
    std::array<PositionSet, 93> positionsOfNumber_{};
    std::array<PositionSet, 5> positionsByHeadHits_{};
    std::vector<PositionSet> completingSum_;  // per five-number sum
};

}  // namespace fortunara
