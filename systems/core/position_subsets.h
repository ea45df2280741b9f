#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "state/binomial.h"

namespace fortunara {

// Sets of at most six positions, as the searches for systems walk and number them.

inline constexpr int kMostChosen = 6;

// Every k of the items, in order, `visit` getting them as a span of k items.
template <typename Visit>
void ForEachChoice(std::span<const int> items, int k, Visit&& visit) {
    const int n = static_cast<int>(items.size());
    if (k < 0 || k > n || k > kMostChosen) return;
    std::array<int, kMostChosen> index{};
    std::array<int, kMostChosen> chosen{};
    for (int i = 0; i < k; ++i) index[static_cast<std::size_t>(i)] = i;
    while (true) {
        for (int i = 0; i < k; ++i) {
            chosen[static_cast<std::size_t>(i)] = items[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])];
        }
        visit(std::span<const int>(chosen.data(), static_cast<std::size_t>(k)));
        int i = k - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == n - k + i) --i;
        if (i < 0) return;
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// The sets of k of N positions numbered in colex order: the rank of p_0 < p_1 < ... is the sum of
// C(p_i, i + 1), so the sets of one size fill the numbers 0 to C(N, k) - 1.
class SubsetRanks {
public:
    static constexpr int kMostPositions = 127;

    explicit SubsetRanks(int positions) : positions_(positions) {
        for (int n = 0; n <= kMostPositions; ++n) {
            for (int j = 0; j <= kMostChosen; ++j) {
                table_[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)] = Binomial(n, j);
            }
        }
    }

    int Positions() const { return positions_; }
    long long Count(int k) const { return table_[static_cast<std::size_t>(positions_)][static_cast<std::size_t>(k)]; }
    long long Of(int n, int k) const { return table_[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)]; }

    long long Rank(std::span<const int> ascending) const {
        long long rank = 0;
        for (std::size_t i = 0; i < ascending.size(); ++i) {
            rank += table_[static_cast<std::size_t>(ascending[i])][i + 1];
        }
        return rank;
    }

    // The k positions of a rank, ascending, into `ascending` (room for k).
    void Unrank(long long rank, int k, std::span<int> ascending) const {
        int p = positions_ - 1;
        for (int i = k; i >= 1; --i) {
            while (table_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] > rank) --p;
            ascending[static_cast<std::size_t>(i - 1)] = p;
            rank -= table_[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
            --p;
        }
    }

private:
    int positions_;
    std::array<std::array<long long, kMostChosen + 1>, kMostPositions + 1> table_{};
};

// Every set of `size` of the N positions holding at least `atLeast` of the positions of `set`
// (ascending), `visit` getting it ascending: the tickets that keep a guarantee on a case, or the
// cases a ticket keeps it on.
template <typename Visit>
void ForEachMeeting(int positions, std::span<const int> set, int size, int atLeast, Visit&& visit) {
    std::array<int, SubsetRanks::kMostPositions + 1> outside{};
    std::size_t outsideCount = 0;
    for (int p = 0, i = 0; p < positions; ++p) {
        if (static_cast<std::size_t>(i) < set.size() && set[static_cast<std::size_t>(i)] == p) {
            ++i;
        } else {
            outside[outsideCount++] = p;
        }
    }
    const std::span<const int> others(outside.data(), outsideCount);
    std::array<int, kMostChosen> merged{};
    for (int j = atLeast; j <= std::min(size, static_cast<int>(set.size())); ++j) {
        ForEachChoice(set, j, [&](std::span<const int> in) {
            ForEachChoice(others, size - j, [&](std::span<const int> out) {
                std::merge(in.begin(), in.end(), out.begin(), out.end(), merged.begin());
                visit(std::span<const int>(merged.data(), static_cast<std::size_t>(size)));
            });
        });
    }
}

}  // namespace fortunara
