#include "matrices/core/matrix_guarantee.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace fortunara {

namespace {

constexpr int kMostPositions = 63;

// The combinations as sets of positions, one bit per position.
std::vector<std::uint64_t> CombinationMasks(const MatrixData& matrix) {
    std::vector<std::uint64_t> masks;
    if (matrix.comboSize <= 0) return masks;
    const auto size = static_cast<std::size_t>(matrix.comboSize);
    for (std::size_t first = 0; first + size <= matrix.numbers.size(); first += size) {
        std::uint64_t mask = 0;
        for (std::size_t j = first; j < first + size; ++j) {
            const int position = matrix.numbers[j];
            if (position >= 1 && position <= matrix.numberCount) mask |= std::uint64_t{1} << (position - 1);
        }
        masks.push_back(mask);
    }
    return masks;
}

}  // namespace

std::optional<int> GuaranteedHits(const MatrixData& matrix, int drawn) {
    const int n = matrix.numberCount;
    if (n < 1 || n > kMostPositions || drawn < 0 || drawn > n) return std::nullopt;
    if (drawn == 0) return 0;
    const std::vector<std::uint64_t> masks = CombinationMasks(matrix);
    int least = drawn;
    // Every set of `drawn` positions in turn, as the next larger number with as many bits.
    const std::uint64_t end = std::uint64_t{1} << n;
    for (std::uint64_t set = (std::uint64_t{1} << drawn) - 1; set < end;) {
        int best = 0;
        for (const std::uint64_t mask : masks) {
            best = std::max(best, std::popcount(mask & set));
            if (best == drawn) break;
        }
        least = std::min(least, best);
        if (least == 0) break;
        const std::uint64_t lowest = set & (~set + 1);
        const std::uint64_t carried = set + lowest;
        set = carried | (((carried ^ set) >> 2) / lowest);
    }
    return least;
}

}  // namespace fortunara
