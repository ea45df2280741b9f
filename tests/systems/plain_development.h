#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "systems/core/development.h"

namespace fortunara::test {

// The development written out step by step: nested loops, the reduction test that compares the
// candidate with every recorded combination, the condition tests one after another. Slow on
// purpose; the reference the fast development is checked and measured against.
struct PlainRun {
    std::vector<std::array<int, 6>> positions;
    RunEnd end = RunEnd::Completed;
};

class PlainDevelopment {
public:
    explicit PlainDevelopment(const SystemRequest& request) : request_(request) {}

    PlainRun Run() {
        const int n = request_.quantity;
        if (n < 6) return {{}, RunEnd::TooFewNumbers};
        if (request_.print && n > static_cast<int>(request_.numbers.size())) return {{}, RunEnd::PositionWithoutNumber};
        ReadConditions();
        const int option = request_.reductionOption;
        reduce_ = request_.guaranteeMode == 1 && option >= 1 && option <= 3;
        threshold_ = option + 1;
        if (request_.guaranteeMode == 1) {
            Integral(n);
        } else if (request_.guaranteeMode >= 2 && request_.guaranteeMode <= 5) {
            Guarantee(n, request_.guaranteeMode);
        }
        return run_;
    }

private:
    bool Stopped() const { return run_.end != RunEnd::Completed; }

    void Integral(int n) {
        for (int i1 = 1; i1 <= n - 1 && !Stopped(); ++i1)
            for (int i2 = i1 + 1; i2 <= n && !Stopped(); ++i2)
                for (int i3 = i2 + 1; i3 <= n && !Stopped(); ++i3)
                    for (int i4 = i3 + 1; i4 <= n && !Stopped(); ++i4)
                        for (int i5 = i4 + 1; i5 <= n && !Stopped(); ++i5)
                            for (int i6 = i5 + 1; i6 <= n && !Stopped(); ++i6) {
                                combo_ = {0, i1, i2, i3, i4, i5, i6};
                                Examine();
                            }
    }

    void Guarantee(int n, int g) {
        const int l = n - 5;
        std::array<int, 5> s{};
        const auto slide = [&] {
            for (int i = 1; i <= g - 1; ++i) combo_[i] = s[i];
            for (int j = g; j <= 6; ++j) combo_[j] = s[g - 1] + (j - g + 1);
            while (combo_[6] != n + 1 && !Stopped()) {
                Examine();
                for (int j = g + 1; j <= 6; ++j) ++combo_[j];
            }
        };
        for (s[1] = 1; s[1] <= l && !Stopped(); ++s[1]) {
            if (g == 2) {
                slide();
                continue;
            }
            for (s[2] = s[1] + 1; s[2] <= l + 1 && !Stopped(); ++s[2]) {
                if (g == 3) {
                    slide();
                    continue;
                }
                for (s[3] = s[2] + 1; s[3] <= l + 2 && !Stopped(); ++s[3]) {
                    if (g == 4) {
                        slide();
                        continue;
                    }
                    for (s[4] = s[3] + 1; s[4] <= l + 3 && !Stopped(); ++s[4]) slide();
                }
            }
        }
    }

    // Acceptance and recording of the candidate in combo_.
    void Examine() {
        if (reduce_) {
            for (const std::array<int, 6>& kept : run_.positions) {
                int shared = 0;
                for (int i = 1; i <= 6; ++i)
                    for (int j = 0; j < 6; ++j)
                        if (kept[j] == combo_[i]) ++shared;
                if (shared > 6 - threshold_) return;
            }
        }
        // EnteredNumbers has no element beyond 90: reading one stops the run.
        std::array<int, 7> x{};
        for (int p = 1; p <= 6; ++p) {
            if (combo_[p] > static_cast<int>(request_.numbers.size())) {
                run_.end = RunEnd::PositionWithoutNumber;
                return;
            }
            x[p] = request_.numbers[combo_[p] - 1];
        }
        if (request_.conditions && !Conditions(x)) return;
        if (static_cast<int>(run_.positions.size()) == request_.capacity) {
            run_.end = RunEnd::CapacityReached;
            return;
        }
        run_.positions.push_back({combo_[1], combo_[2], combo_[3], combo_[4], combo_[5], combo_[6]});
    }

    void ReadConditions() {
        if (!request_.conditions) return;
        const ConditionSettings& c = *request_.conditions;
        for (int i = 0; i <= 10; ++i) {
            ConsecutiveAllowed[i] = c.consecutive[i] ? 1 : 0;
            if (c.consecutive[i]) consecutiveSwitch = 1;
            InterruptionsAllowed[i] = c.interruptions[i] ? 1 : 0;
            if (c.interruptions[i]) InterruptionFilterOn = 1;
        }
        for (int i = 0; i <= 3; ++i) {
            if (c.heads[i]) {
                HeadNumbers[i] = *c.heads[i];
                ++filledHeads;
                HeadFilterOn = 1;
            }
            if (c.sumFrom[i]) {
                SumFrom[i] = *c.sumFrom[i];
                SumFilterOn = 1;
            }
            if (c.sumTo[i]) {
                SumTo[i] = *c.sumTo[i];
                SumFilterOn = 1;
            }
        }
        for (int i = 0; i <= 10; ++i) {
            EvenAllowed[i] = c.even[i] ? 1 : 0;
            if (c.even[i]) EvenFilterOn = 1;
        }
    }

    bool Conditions(const std::array<int, 7>& x) const {
        if (consecutiveSwitch == 1) {
            int c = 0;
            for (int p = 1; p <= 5; ++p)
                if (x[p] + 1 == x[p + 1]) ++c;
            bool ok = false;
            for (int i = 0; i <= 10; ++i)
                if (ConsecutiveAllowed[i] == 1 && i == c) ok = true;
            if (!ok) return false;
        }
        if (HeadFilterOn == 1) {
            int h = 0;
            for (int p = 1; p <= 6; ++p)
                for (int i = 0; i <= 3; ++i)
                    if (HeadNumbers[i] == x[p]) ++h;
            if (h == 0 || h != filledHeads) return false;
        }
        if (SumFilterOn == 1) {
            const int s = x[1] + x[2] + x[3] + x[4] + x[5] + x[6];
            std::array<int, 6> SumRangeHit{};
            for (int i = 0; i <= 3; ++i) {
                if (SumFrom[i] == 0 && SumTo[i] == 0) continue;
                if (SumFrom[i] <= s && s <= SumTo[i]) {
                    SumRangeHit[i] = 1;
                    break;
                }
            }
            if (SumRangeHit[0] + SumRangeHit[1] + SumRangeHit[2] + SumRangeHit[3] == 0) return false;
        }
        if (EvenFilterOn == 1) {
            int e = 0;
            for (int p = 1; p <= 6; ++p)
                if (x[p] / 2.0 == std::floor(x[p] / 2.0)) ++e;
            if (EvenAllowed[e] != 1) return false;
        }
        const GroupSettings& groups = request_.conditions->groups;
        if (groups.GroupFilterOn != -1) {
            for (int c = 1; c <= groups.GroupColumnCount; ++c) {
                if (groups.GroupGrid[1][c] == 0) continue;
                int g = 0;
                for (int r = 1; r <= groups.GroupRowCount; ++r)
                    for (int p = 1; p <= 6; ++p)
                        if (groups.GroupGrid[r][c] == x[p]) ++g;
                if (g < groups.GroupGrid[32][c] || g > groups.GroupGrid[33][c]) return false;
            }
        }
        if (InterruptionFilterOn == 1) {
            int n = 0;
            for (int p = 1; p <= 5; ++p)
                if (x[p + 1] != x[p] + 1) ++n;
            bool ok = false;
            for (int i = 0; i <= 8; ++i)
                if (InterruptionsAllowed[i] == 1 && i == n) ok = true;
            if (!ok) return false;
        }
        return true;
    }

    const SystemRequest& request_;
    PlainRun run_;
    std::array<int, 7> combo_{};
    bool reduce_ = false;
    int threshold_ = 0;
    // The condition settings under their program names.
    std::array<int, 11> ConsecutiveAllowed{}, InterruptionsAllowed{}, EvenAllowed{};
    std::array<int, 5> HeadNumbers{};
    std::array<int, 6> SumFrom{}, SumTo{};
    int consecutiveSwitch = -1, HeadFilterOn = -1, SumFilterOn = -1, EvenFilterOn = -1, InterruptionFilterOn = -1;
    int filledHeads = 0;
};

inline PlainRun RunPlainDevelopment(const SystemRequest& request) {
    return PlainDevelopment(request).Run();
}

}  // namespace fortunara::test
