#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string>

#include "archive/core/draw_record.h"
#include "statistics/core/scan_range.h"
#include "statistics/core/statistics_grid.h"

namespace fortunara {

// Frequency, current delay and largest delay of one number over the scanned draws.
struct NumberDelay {
    int frequency = 0;  // included positions that held the number
    int delay = 0;      // scanned draws before its first appearance; the scan length when absent
    int maxDelay = 0;   // longest stretch without it, the stretch after its last appearance left out
};

struct DelayTable {
    int recordCount = 0;
    int scanned = 0;                      // T, the draws walked
    std::array<NumberDelay, 91> numbers;  // element n for number n; element 0 unused
    std::string error;                    // the archive could not be opened
};

// The table built draw by draw in scan order, a block at a time: for scans that gather more than the
// table on the way.
class DelayCounter {
public:
    explicit DelayCounter(const PositionFlags& positions);
    void Add(std::span<const DrawRecord> block);
    DelayTable Finish();

private:
    void Add(const DrawRecord& draw);

    PositionFlags positions_;
    DelayTable table_;
    // Scan index of each number's last appearance, -1 before the first: the run of draws without
    // the number is then the distance to it, which saves sweeping 90 counters per draw.
    std::array<int, 91> lastSeen_;
    std::array<bool, 91> seen_{};
};

// The table over draws already in scan order.
DelayTable ComputeDelays(std::span<const DrawRecord> scanOrder, const PositionFlags& positions);
// Reads the range from the archive and computes the table.
DelayTable ComputeDelays(const std::filesystem::path& programFolder, const ScanRange& range,
                         const PositionFlags& positions);

// "90 NUMERI": title, the five columns and the 90 rows as the statistics grid shows them.
StatisticsGrid DelayGrid(const DelayTable& table);

}  // namespace fortunara
