#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "archive/core/draw_scan.h"
#include "checks/core/win_check.h"

namespace fortunara {

// A draw of the range on which the system won.
struct DrawWins {
    int record = 0;
    std::string date;
    WinCounts counts;
};

// The record of a system over a range of draws: the win check against every draw of it.
struct SystemRecord {
    std::vector<DrawWins> draws;  // the draws with at least a terno, in scan order
    WinCounts total;              // over every draw of the range
    int checked = 0;              // draws of the range the archive holds
    std::string error;            // Italian; the archive could not be read
};

// Walks the range in scan order a block of the archive at a time, so the whole archive is never
// held; a range reaching beyond the archive is cut to the records it holds.
SystemRecord RecordOverRange(const std::filesystem::path& programFolder, const Tickets& tickets,
                             const ScanRange& range);
// The same handing each winning draw to onWin as it is found instead of keeping it (`draws` stays
// empty), so that the record of any range holds no more than one draw's wins.
using DrawWinsVisitor = std::function<void(const DrawWins&)>;
SystemRecord RecordOverRange(const std::filesystem::path& programFolder, const Tickets& tickets, const ScanRange& range,
                             const DrawWinsVisitor& onWin);

}  // namespace fortunara
