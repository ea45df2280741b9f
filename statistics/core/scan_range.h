#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"
#include "archive/core/draw_scan.h"

namespace fortunara {

// The range walk itself (ScanRange, WalkRange, VisitScan) is the archive's: archive/core/draw_scan.h.

// Which drawn positions take part: 1 to 6 the main numbers in ascending order, 7 the jolly,
// 8 the superstar. Element 0 is carried along like the position boxes and has no effect.
using PositionFlags = std::array<bool, 9>;
// Positions 1 to 6 on: what the position boxes show when the window opens.
PositionFlags MainPositions();
// Flags from the numbers 1 to 8 in the list; other values are ignored.
PositionFlags PositionsFromList(const std::vector<int>& positions);

// The dates of the draws at the two ends of a scan, seen a block at a time.
struct ScanDates {
    std::string first;  // the draw at the "DAL" end
    std::string last;   // the draw at the "AL" end
    void See(std::span<const DrawRecord> block);
};

// The eight values of a draw by position: the six main numbers ascending, the jolly, the superstar;
// a position that does not take part holds 0. Element 0 is unused.
std::array<int, 9> PositionValues(const DrawRecord& draw, const PositionFlags& positions);

}  // namespace fortunara
