#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"

namespace fortunara {

// A range of draws as a scan walks it: from the "DAL" record to the "AL" record, both included, one
// record per step in the direction from the first to the second. Scan positions count from 0 at
// `from`.
struct ScanRange {
    int from = 0;
    int to = 0;
};

// -1 when the scan moves towards older records, +1 otherwise (one draw scans forwards).
int ScanStep(const ScanRange& range);

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
    int start = 0;      // the record at scan position 0, once the range is cut to the archive
    std::string error;  // set when the archive could not be opened
};
ScanOutcome VisitScan(const std::filesystem::path& programFolder, const ScanRange& range,
                      const DrawBlockVisitor& visit);

}  // namespace fortunara
