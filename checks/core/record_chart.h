#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "checks/core/play_returns.h"
#include "state/chart_data.h"

namespace fortunara {

// The record of a system draw by draw, in the archive's order (the oldest draw first): what playing
// it on every draw of the range would have cost and returned so far, beside what chance alone
// returns on average.

struct RecordPoint {
    int record = 0;
    std::string date;
    long long costCents = 0;     // so far, this draw included
    long long returnsCents = 0;  // so far, at the prizes set
    double expectedCents = 0;    // what chance alone returns so far, on average
};

struct RecordHistory {
    SystemRecord record;
    std::vector<RecordPoint> points;
    long long costPerDrawCents = 0;
    Prizes prizes;
    double expectedPerDrawCents = 0;
};

// What the tickets return in one draw on average at the prizes set: each ticket's chance of each
// category of the win check times its prize. The same for any tickets of the same sizes: a system
// changes which draws win, never this average.
double ExpectedReturnsCents(const Tickets& tickets, const Prizes& prizes);

RecordHistory ComputeRecordHistory(const std::filesystem::path& programFolder, const Tickets& tickets,
                                   const ScanRange& range, long long costPerDrawCents, const Prizes& prizes);

ChartData RecordChart(const RecordHistory& history);

}  // namespace fortunara
