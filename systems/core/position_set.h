#pragma once

#include <bit>
#include <cstdint>

namespace fortunara {

// A set of positions 0 to 127 (the development uses 1 to 90) in two machine words.
struct PositionSet {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    static PositionSet Of(int p) {
        return p < 64 ? PositionSet{std::uint64_t{1} << p, 0} : PositionSet{0, std::uint64_t{1} << (p - 64)};
    }
    // Positions first..last (empty when last < first).
    static PositionSet Range(int first, int last) {
        PositionSet set;
        for (int p = first; p <= last; ++p) set |= Of(p);
        return set;
    }

    bool Empty() const { return (low | high) == 0; }
    bool Contains(int p) const { return p < 64 ? (low >> p) & 1 : (high >> (p - 64)) & 1; }
    // The smallest position; the set must not be empty.
    int Lowest() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }
    void RemoveLowest() {
        if (low != 0) {
            low &= low - 1;
        } else {
            high &= high - 1;
        }
    }

    PositionSet operator&(const PositionSet& o) const { return {low & o.low, high & o.high}; }
    PositionSet operator|(const PositionSet& o) const { return {low | o.low, high | o.high}; }
    PositionSet operator~() const { return {~low, ~high}; }
    PositionSet& operator&=(const PositionSet& o) { return *this = *this & o; }
    PositionSet& operator|=(const PositionSet& o) { return *this = *this | o; }
};

}  // namespace fortunara
