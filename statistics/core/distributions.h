#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "archive/core/draw_record.h"
#include "statistics/core/scan_range.h"
#include "statistics/core/statistics_grid.h"

namespace fortunara {

// The three distribution tables of the statistics tab.
enum class DistributionKind {
    Parity,         // "PARI E DISPARI": even values among positions 1 to 6 (0 counts as even)
    Sum,            // "SOMMA": sum of positions 1 to 8
    Interruptions,  // "INTERRUZIONI": breaks between consecutive positions 1 to 6
};

// Largest sum a record can give: eight two-digit fields. Real draws stay below 700, and every sum
// that occurs gets its row, so no draw drops out of the table.
inline constexpr int kLargestSum = 8 * 99;

// How often each value occurred and the scan position of its first occurrence.
struct DistributionTable {
    DistributionKind kind = DistributionKind::Parity;
    int recordCount = 0;
    int scanned = 0;             // T, the draws walked
    std::vector<int> frequency;  // indexed by value: 0-6, or 0-kLargestSum for sums
    std::vector<int> delay;      // -1 where the value never occurred
    std::string error;           // the archive could not be opened
};

// The property of one draw.
int DistributionValue(DistributionKind kind, const DrawRecord& draw, const PositionFlags& positions);

// The table built draw by draw in scan order, a block at a time: for scans that gather more than the
// table on the way.
class DistributionCounter {
public:
    DistributionCounter(DistributionKind kind, const PositionFlags& positions);
    void Add(std::span<const DrawRecord> block);
    DistributionTable Finish() { return std::move(table_); }

private:
    PositionFlags positions_;
    DistributionTable table_;
};

DistributionTable ComputeDistribution(DistributionKind kind, std::span<const DrawRecord> scanOrder,
                                      const PositionFlags& positions);
DistributionTable ComputeDistribution(DistributionKind kind, const std::filesystem::path& programFolder,
                                      const ScanRange& range, const PositionFlags& positions);

// One table row as the command line lists it: value, frequency, delay (the scan length when unset).
struct DistributionRow {
    int value = 0;
    int frequency = 0;
    int delay = 0;
};
// The rows the grid shows, in order: values 0 to 6 for parity and interruptions; for the sums
// every sum from 1 up that occurred (a sum of 0, every position off, has no row).
std::vector<DistributionRow> DistributionRows(const DistributionTable& table);

// Title, columns, headers and rows as the statistics grid shows them.
StatisticsGrid DistributionGrid(const DistributionTable& table);

}  // namespace fortunara
