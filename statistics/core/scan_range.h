#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <span>
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

// Reads records first..last (clamped to the archive) as parsed draws, oldest first.
using DrawBlockReader = std::function<std::vector<DrawRecord>(int first, int last)>;
// Takes the next draws of a walk, in scan order; returns false to end the walk there.
using DrawBlockVisitor = std::function<bool(std::span<const DrawRecord>)>;

// Records a scan reads at a time: what a scan holds stays the same however long the range.
inline constexpr int kScanBlockRecords = 4096;

// Walks the range in scan order, reading blockRecords records at a time, until the range ends,
// the visitor says so or the reader gives nothing.
void WalkRange(const ScanRange& range, const DrawBlockReader& read, const DrawBlockVisitor& visit,
               int blockRecords = kScanBlockRecords);

// Visits the draws of a range in scan order, a block at a time, with the archive open for the whole
// walk and closed again before it returns. A range reaching beyond the archive is cut to the
// records it holds, so no empty record is ever counted as a draw.
struct ScanOutcome {
    int recordCount = 0;
    std::string error;  // set when the archive could not be opened
};
ScanOutcome VisitScan(const std::filesystem::path& programFolder, const ScanRange& range,
                      const DrawBlockVisitor& visit);

}  // namespace fortunara
