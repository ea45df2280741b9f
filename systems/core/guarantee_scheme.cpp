#include "systems/core/guarantee_scheme.h"

#include <algorithm>
#include <array>

#include "systems/core/position_index.h"

namespace fortunara {

namespace {

// The guarantee scheme of g = 2..5: g - 1 leading positions chosen by nested loops, then
// position g right after them and a run of consecutive positions that moves up one step at a time.
class GuaranteeScheme {
public:
    GuaranteeScheme(const SystemRequest& request, const ConditionFilter* filter, RunRecorder& recorder, RunPoll& poll)
        : request_(request), filter_(filter), recorder_(recorder), poll_(poll) {
        n_ = request.quantity;
        g_ = request.guaranteeMode;
        top_ = std::min(static_cast<int>(request.numbers.size()), kHighestPosition);
        total_ = static_cast<double>(GuaranteeComboCount(n_, g_));
    }

    RunEnd Run() {
        Leading(1);
        return end_;
    }

private:
    int Number(int position) const { return request_.numbers[Index(position - 1)]; }

    // s(i) runs from s(i-1) + 1 to L + (i - 1), L = N - 5.
    bool Leading(int i) {
        const int low = i == 1 ? 1 : combo_[Index(i - 1)] + 1;
        for (int s = low; s <= n_ - 5 + (i - 1); ++s) {
            combo_[Index(i)] = s;
            if (i < g_ - 1 ? !Leading(i + 1) : !Slide()) return false;
        }
        return true;
    }

    // Position g right after the leading ones, then the run up to position N.
    bool Slide() {
        const int lead = combo_[Index(g_ - 1)];
        for (int j = g_; j <= 6; ++j) combo_[Index(j)] = lead + (j - g_ + 1);
        ConditionFilter::Prefix fixed;
        if (filter_ != nullptr) {
            for (int j = 1; j <= std::min(g_, 5); ++j) {
                if (combo_[Index(j)] > top_) return Stop(RunEnd::PositionWithoutNumber);
                fixed = filter_->Extend(fixed, Number(combo_[Index(j)]));
            }
        }
        // The run starts at or below N and moves one step at a time. No "N + 1" here: the entry box
        // can give the largest int.
        while (combo_[6] <= n_) {
            if (combo_[6] > top_) return Stop(RunEnd::PositionWithoutNumber);
            if (filter_ == nullptr || Accepted(fixed)) {
                if (!recorder_.Record(combo_)) return Stop(RunEnd::CapacityReached);
            }
            for (int j = g_ + 1; j <= 6; ++j) ++combo_[Index(j)];
            ++done_;
        }
        if (poll_.Continue(total_ > 0 ? done_ / total_ : 1)) return true;
        return Stop(RunEnd::Cancelled);
    }

    bool Accepted(const ConditionFilter::Prefix& fixed) const {
        ConditionFilter::Prefix prefix = fixed;
        for (int j = std::min(g_, 5) + 1; j <= 6; ++j) prefix = filter_->Extend(prefix, Number(combo_[Index(j)]));
        return filter_->AcceptsTotals(prefix);
    }

    bool Stop(RunEnd end) {
        end_ = end;
        return false;
    }

    const SystemRequest& request_;
    const ConditionFilter* filter_;
    RunRecorder& recorder_;
    RunPoll& poll_;
    int n_ = 0;
    int g_ = 0;
    int top_ = 0;
    std::array<int, 7> combo_{};  // CurrentCombo(1..6)
    RunEnd end_ = RunEnd::Completed;
    double done_ = 0;
    double total_ = 0;
};

}  // namespace

RunEnd RunGuaranteeScheme(const SystemRequest& request, const ConditionFilter* filter, RunRecorder& recorder,
                          RunPoll& poll) {
    GuaranteeScheme scheme(request, filter, recorder, poll);
    return scheme.Run();
}

}  // namespace fortunara
