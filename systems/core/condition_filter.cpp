#include "systems/core/condition_filter.h"

#include <algorithm>

#include "systems/core/position_index.h"

namespace fortunara {

namespace {

bool AnyTicked(const std::array<bool, 11>& boxes) {
    return std::any_of(boxes.begin(), boxes.end(), [](bool b) { return b; });
}

}  // namespace

ConditionFilter::ConditionFilter(const ConditionSettings& settings, const std::vector<int>& numbers) {
    // Consecutive pairs c and interruptions 5 - c: two tests on the same count.
    const bool consecutiveOn = AnyTicked(settings.consecutive);
    const bool interruptionsOn = AnyTicked(settings.interruptions);
    for (int c = 0; c <= 6; ++c) {
        const int interruptions = 5 - c;
        const bool consecutive = !consecutiveOn || (c <= 10 && settings.consecutive[Index(c)]);
        const bool interrupted = !interruptionsOn || (interruptions >= 0 && interruptions <= 8 &&
                                                      settings.interruptions[Index(interruptions)]);
        consecutiveOk_[Index(c)] = c <= 5 && consecutive && interrupted;
    }

    // Head numbers: every filled box must be matched, an empty box holds 0.
    for (const std::optional<int>& head : settings.heads) {
        if (head) ++filledHeads_;
        const int value = head.value_or(0);
        if (value >= 0 && value <= 90) ++headHits_[Index(value)];
    }
    headsOn_ = filledHeads_ > 0;

    // Sums: a range whose two bounds are both 0 is skipped.
    sumsOn_ = std::any_of(settings.sumFrom.begin(), settings.sumFrom.end(), [](auto& v) { return v.has_value(); }) ||
              std::any_of(settings.sumTo.begin(), settings.sumTo.end(), [](auto& v) { return v.has_value(); });
    for (int s = 0; s < static_cast<int>(sumOk_.size()); ++s) {
        for (std::size_t i = 0; i < 4; ++i) {
            const int from = settings.sumFrom[i].value_or(0);
            const int to = settings.sumTo[i].value_or(0);
            if (from == 0 && to == 0) continue;
            if (from <= s && s <= to) {
                sumOk_[Index(s)] = true;
                break;
            }
        }
    }

    evenOn_ = AnyTicked(settings.even);
    for (int e = 0; e <= 6; ++e) evenOk_[Index(e)] = settings.even[Index(e)];

    const GroupSettings& g = settings.groups;
    if (g.On()) {
        const int columns = std::min(g.GroupColumnCount, kGroupColumns - 1);
        const int rows = std::clamp(g.GroupRowCount, 0, 30);
        for (int c = 1; c <= columns; ++c) {
            if (g.GroupGrid[1][Index(c)] == 0) continue;
            Group group;
            group.lower = g.GroupGrid[kGroupLowerRow][Index(c)];
            group.upper = g.GroupGrid[kGroupUpperRow][Index(c)];
            for (int r = 1; r <= rows; ++r) {
                const int value = g.GroupGrid[Index(r)][Index(c)];
                if (value >= 0 && value <= 90) ++group.hits[Index(value)];
            }
            groups_.push_back(group);
        }
    }

    // Position tables for the last level of the enumeration.
    const int positions = static_cast<int>(numbers.size());
    all_ = PositionSet::Range(1, positions);
    for (int p = 1; p <= positions; ++p) {
        const int x = numbers[Index(p - 1)];
        const PositionSet here = PositionSet::Of(p);
        if (x % 2 == 0) evenPositions_ |= here;
        positionsOfNumber_[Index(x)] |= here;
        if (headHits_[Index(x)] <= 4) positionsByHeadHits_[Index(headHits_[Index(x)])] |= here;
    }
    if (sumsOn_) {
        completingSum_.resize(5 * 90 + 1);
        for (int s = 0; s <= 5 * 90; ++s) {
            for (int p = 1; p <= positions; ++p) {
                if (sumOk_[Index(s + numbers[Index(p - 1)])]) completingSum_[Index(s)] |= PositionSet::Of(p);
            }
        }
    }
    for (Group& group : groups_) {
        group.completing.resize(5 * 30 + 1);
        for (int count = 0; count <= 5 * 30; ++count) {
            for (int p = 1; p <= positions; ++p) {
                const int total = count + group.hits[Index(numbers[Index(p - 1)])];
                if (group.lower <= total && total <= group.upper) group.completing[Index(count)] |= PositionSet::Of(p);
            }
        }
    }
}

ConditionFilter::Prefix ConditionFilter::Extend(const Prefix& prefix, int number) const {
    Prefix next = prefix;
    next.sum += number;
    next.even += number % 2 == 0 ? 1 : 0;
    next.heads += headHits_[Index(number)];
    next.consecutive += prefix.last + 1 == number ? 1 : 0;
    next.last = number;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        next.groups[i] = static_cast<std::uint8_t>(next.groups[i] + groups_[i].hits[Index(number)]);
    }
    return next;
}

bool ConditionFilter::AcceptsTotals(const Prefix& six) const {
    if (!ConsecutiveOk(six.consecutive)) return false;
    if (headsOn_ && six.heads != filledHeads_) return false;
    if (sumsOn_ && !sumOk_[Index(six.sum)]) return false;
    if (evenOn_ && !evenOk_[Index(six.even)]) return false;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        if (six.groups[i] < groups_[i].lower || six.groups[i] > groups_[i].upper) return false;
    }
    return true;
}

PositionSet ConditionFilter::CompletingPositions(const Prefix& five) const {
    PositionSet set = all_;
    const PositionSet following = positionsOfNumber_[Index(five.last + 1)];
    const bool stays = ConsecutiveOk(five.consecutive);
    const bool grows = ConsecutiveOk(five.consecutive + 1);
    if (!stays || !grows) set &= (stays ? ~following : PositionSet{}) | (grows ? following : PositionSet{});
    if (headsOn_) {
        const int missing = filledHeads_ - five.heads;
        if (missing < 0 || missing > 4) return {};
        set &= positionsByHeadHits_[Index(missing)];
    }
    if (sumsOn_) set &= completingSum_[Index(five.sum)];
    if (evenOn_) {
        set &= (evenOk_[Index(five.even)] ? ~evenPositions_ : PositionSet{}) |
               (evenOk_[Index(five.even + 1)] ? evenPositions_ : PositionSet{});
    }
    for (std::size_t i = 0; i < groups_.size(); ++i) set &= groups_[i].completing[five.groups[i]];
    return set;
}

}  // namespace fortunara
