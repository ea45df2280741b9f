#include "systems/core/integral_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "state/binomial.h"
#include "systems/core/position_index.h"

// The reduction keeps a candidate only when it shares at most 6 - t positions with every
// combination recorded before it. Two combinations share more than 6 - t positions exactly when
// some s-position subset (s = 7 - t) of one lies inside the other. So instead of comparing with
// every recorded combination, the search keeps the set of s-subsets covered by recorded
// combinations and skips every branch of the lexicographic enumeration whose leading positions
// already contain a covered subset: the result is the same greedy selection, in the same order.
//
// The covered subsets are stored as "links": for each (s-1)-subset S, the set of positions q
// above max(S) such that S + {q} is covered. The positions allowed at a level are then one set
// operation away: the union of the links of the (s-1)-subsets of the prefix, complemented.

namespace fortunara {

namespace {

class IntegralSearch {
public:
    IntegralSearch(const SystemRequest& request, const ConditionFilter* filter, RunRecorder& recorder, RunPoll& poll)
        : request_(request), filter_(filter), recorder_(recorder), poll_(poll) {
        n_ = request.quantity;
        top_ = std::min(static_cast<int>(request.numbers.size()), kHighestPosition);
        const int universe = std::min(n_, top_);
        // The counts the ranks and the progress need, looked up in the inner loops.
        for (int m = 0; m <= kHighestPosition; ++m) {
            for (int k = 0; k <= 6; ++k) binomial_[Index(m)][Index(k)] = static_cast<std::uint32_t>(Binomial(m, k));
        }
        for (int p = 0; p <= kHighestPosition; ++p) {
            above_[Index(p)] = PositionSet::Range(p + 1, kHighestPosition);
            upTo_[Index(p)] = PositionSet::Range(1, p);
        }
        const int option = request.reductionOption;
        if (request.guaranteeMode == 1 && option >= 1 && option <= 3) {
            subset_ = 6 - option;  // threshold t = option + 1, subsets of 7 - t positions
            link_.assign(std::max<std::uint32_t>(1, binomial_[Index(std::max(universe, 0))][Index(subset_ - 1)]), {});
            for (int m = 0; m <= 4; ++m) subsetsOfPrefix_[Index(m)] = Subsets(m, subset_ - 2);
            coveredByRecord_ = Subsets(6, subset_);
        }
        // Progress: leaves lexicographically before a level-3 node, by prefix sums.
        for (int k = 3; k <= 5; ++k) {
            double sum = 0;
            for (int x = 1; x <= kHighestPosition + 1; ++x) {
                leavesBefore_[Index(k)][Index(x)] = sum;
                sum += Choose(universe - x, k);
            }
        }
        total_ = Choose(universe, 6);
    }

    RunEnd Run() {
        Level(1, ConditionFilter::Prefix{}, PositionSet{});
        return end_;
    }

private:
    enum class Step { Next, Unwind, Stop };

    double Choose(int m, int k) const {
        if (m < 0 || k < 0 || m < k) return 0;
        return static_cast<double>(binomial_[Index(std::min(m, kHighestPosition))][Index(k)]);
    }

    // Every k-subset of {0..m-1} as index lists, in lexicographic order.
    static std::vector<std::vector<int>> Subsets(int m, int k) {
        std::vector<std::vector<int>> all;
        std::vector<int> current;
        const auto walk = [&](auto&& self, int from) -> void {
            if (static_cast<int>(current.size()) == k) {
                all.push_back(current);
                return;
            }
            for (int i = from; i < m; ++i) {
                current.push_back(i);
                self(self, i + 1);
                current.pop_back();
            }
        };
        walk(walk, 0);
        return all;
    }

    // Rank of an ascending set of positions in the combinatorial number system.
    std::uint32_t Rank(const int* positions, const std::vector<int>& indices) const {
        std::uint32_t rank = 0;
        for (std::size_t j = 0; j < indices.size(); ++j) {
            rank += binomial_[Index(positions[indices[j]] - 1)][j + 1];
        }
        return rank;
    }
    std::uint32_t RankOfLeading(int count) const {
        std::uint32_t rank = 0;
        for (int j = 1; j <= count; ++j) rank += binomial_[Index(positions_[Index(j)] - 1)][Index(j)];
        return rank;
    }

    // Positions blocked at level d + 1, given positions_[1..d] with d >= subset_: the union of the
    // links of every (s-1)-subset of the prefix. blocked holds those without positions_[d].
    PositionSet BlockedAfter(int d, const PositionSet& blocked) const {
        PositionSet result = d == subset_ ? link_[RankOfLeading(subset_ - 1)] : blocked;
        const std::uint32_t top = binomial_[Index(positions_[Index(d)] - 1)][Index(subset_ - 1)];
        for (const std::vector<int>& subset : subsetsOfPrefix_[Index(d - 1)]) {
            result |= link_[Rank(&positions_[1], subset) + top];
        }
        return result;
    }

    // A recorded combination covers each of its s-subsets.
    void Cover() {
        for (const std::vector<int>& subset : coveredByRecord_) {
            std::uint32_t rank = 0;
            for (std::size_t j = 0; j + 1 < subset.size(); ++j) {
                rank += binomial_[Index(positions_[Index(subset[j] + 1)] - 1)][j + 1];
            }
            link_[rank] |= PositionSet::Of(positions_[Index(subset.back() + 1)]);
        }
    }

    bool Poll() {
        const int a = positions_[1];
        const int b = positions_[2];
        const int c = positions_[3];
        const double done = leavesBefore_[5][Index(a)] + leavesBefore_[4][Index(b)] - leavesBefore_[4][Index(a + 1)] +
                            leavesBefore_[3][Index(c + 1)] - leavesBefore_[3][Index(b + 1)];
        if (poll_.Continue(total_ > 0 ? done / total_ : 1)) return true;
        end_ = RunEnd::Cancelled;
        return false;
    }

    Step Stop(RunEnd end) {
        end_ = end;
        return Step::Stop;
    }

    // Chooses positions_[d] for d = 1..5 in ascending order, each followed by the deeper levels.
    Step Level(int d, const ConditionFilter::Prefix& prefix, const PositionSet& blocked) {
        const bool reducing = subset_ != 0;
        const int last = std::min(n_ - (6 - d), top_);
        PositionSet candidates = above_[Index(positions_[Index(d - 1)])] & upTo_[Index(std::max(last, 0))];
        const std::uint32_t leadingRank = reducing && d == subset_ ? RankOfLeading(subset_ - 1) : 0;
        while (true) {
            PositionSet allowed = candidates;
            if (reducing && d == subset_) allowed &= ~link_[leadingRank];  // read again after each record
            if (reducing && d > subset_) allowed &= ~blocked;
            if (allowed.Empty()) break;
            const int x = allowed.Lowest();
            candidates &= above_[Index(x)];
            positions_[Index(d)] = x;
            const ConditionFilter::Prefix next = filter_ != nullptr ? filter_->Extend(prefix, Number(x)) : prefix;
            // The leaf works out its blocked positions itself, after the cheaper conditions.
            const PositionSet nextBlocked =
                reducing && d >= subset_ && d < 5 ? BlockedAfter(d, blocked) : PositionSet{};
            const Step step = d == 5 ? Leaf(next, blocked) : Level(d + 1, next, nextBlocked);
            if (step == Step::Stop) return step;
            // A record covers the leading subset_ positions: the branch below them is finished.
            if (step == Step::Unwind && d > subset_) return step;
            if (d == 3 && !Poll()) return Step::Stop;
        }
        // The next candidate in order would use a position without number.
        if (n_ - (6 - d) > top_) return Stop(RunEnd::PositionWithoutNumber);
        return Step::Next;
    }

    // The sixth position: every candidate left by the conditions and the reduction, in order.
    // blockedAtFive holds the positions blocked at level 5.
    Step Leaf(const ConditionFilter::Prefix& prefix, const PositionSet& blockedAtFive) {
        PositionSet allowed = above_[Index(positions_[5])] & upTo_[Index(std::min(n_, top_))];
        if (filter_ != nullptr) allowed &= filter_->CompletingPositions(prefix);
        if (subset_ != 0 && !allowed.Empty()) allowed &= ~BlockedAfter(5, blockedAtFive);
        while (!allowed.Empty()) {
            positions_[6] = allowed.Lowest();
            allowed.RemoveLowest();
            if (!recorder_.Record(positions_)) return Stop(RunEnd::CapacityReached);
            if (subset_ != 0) {
                Cover();
                return Step::Unwind;
            }
        }
        if (n_ > top_) return Stop(RunEnd::PositionWithoutNumber);
        return Step::Next;
    }

    int Number(int position) const { return request_.numbers[Index(position - 1)]; }

    const SystemRequest& request_;
    const ConditionFilter* filter_;
    RunRecorder& recorder_;
    RunPoll& poll_;
    int n_ = 0;
    int top_ = 0;
    int subset_ = 0;  // size of the covered subsets; 0 without reduction
    RunEnd end_ = RunEnd::Completed;
    std::array<int, 7> positions_{};  // positions_[1..6], positions_[0] = 0
    std::array<std::array<std::uint32_t, 7>, kHighestPosition + 1> binomial_{};
    std::array<PositionSet, kHighestPosition + 1> above_{};
    std::array<PositionSet, kHighestPosition + 1> upTo_{};
    std::vector<PositionSet> link_;
    std::array<std::vector<std::vector<int>>, 5> subsetsOfPrefix_{};
    std::vector<std::vector<int>> coveredByRecord_;
    std::array<std::array<double, kHighestPosition + 2>, 6> leavesBefore_{};
    double total_ = 0;
};

}  // namespace

RunEnd RunIntegralSearch(const SystemRequest& request, const ConditionFilter* filter, RunRecorder& recorder,
                         RunPoll& poll) {
    IntegralSearch search(request, filter, recorder, poll);
    return search.Run();
}

}  // namespace fortunara
