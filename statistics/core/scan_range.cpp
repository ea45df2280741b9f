#include "statistics/core/scan_range.h"

namespace fortunara {

PositionFlags MainPositions() {
    return {false, true, true, true, true, true, true, false, false};
}

PositionFlags PositionsFromList(const std::vector<int>& positions) {
    PositionFlags flags{};
    for (int p : positions) {
        if (p >= 1 && p <= 8) flags[static_cast<std::size_t>(p)] = true;
    }
    return flags;
}

void ScanDates::See(std::span<const DrawRecord> block) {
    if (block.empty()) return;
    if (first.empty()) first = block.front().date;
    last = block.back().date;
}

std::array<int, 9> PositionValues(const DrawRecord& draw, const PositionFlags& positions) {
    std::array<int, 9> values{};
    const std::array<int, 6> main = SortedMain(draw);
    for (std::size_t k = 1; k <= 6; ++k) values[k] = positions[k] ? main[k - 1] : 0;
    values[7] = positions[7] ? draw.Jolly() : 0;
    values[8] = positions[8] ? draw.Superstar() : 0;
    return values;
}

}  // namespace fortunara
