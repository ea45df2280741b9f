#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"

namespace fortunara {

// A range of draws as the statistics walk it: from the "DAL" record to the "AL" record, both
// included, one record per step in the direction from the first to the second. Scan positions
// count from 0 at `from`.
struct ScanRange {
    int from = 0;
    int to = 0;
};

// -1 when the scan moves towards older records, +1 otherwise (one draw scans forwards).
int ScanStep(const ScanRange& range);
// |from - to| + 1.
int ScanLength(const ScanRange& range);

// Which drawn positions take part: 1 to 6 the main numbers in ascending order, 7 the jolly,
// 8 the superstar. Element 0 is carried along like the position boxes and has no effect.
using PositionFlags = std::array<bool, 9>;
// Positions 1 to 6 on: what the position boxes show when the window opens.
PositionFlags MainPositions();
// Flags from the numbers 1 to 8 in the list; other values are ignored.
PositionFlags PositionsFromList(const std::vector<int>& positions);

// The eight values of a draw by position: the six main numbers ascending, the jolly, the superstar;
// a position that does not take part holds 0. Element 0 is unused.
std::array<int, 9> PositionValues(const DrawRecord& draw, const PositionFlags& positions);

// The draws of a range in scan order, read with one block read and the archive closed again.
// A range reaching beyond the archive is cut to the records it holds, so no empty record is ever
// counted as a draw; `scanned` is then the number of draws actually walked.
struct ArchiveScan {
    int recordCount = 0;
    ScanRange range;  // as asked
    std::vector<DrawRecord> draws;
    std::string error;  // set when the archive could not be opened
};
ArchiveScan ReadScan(const std::filesystem::path& programFolder, const ScanRange& range);

}  // namespace fortunara
