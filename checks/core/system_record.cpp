#include "checks/core/system_record.h"

#include <algorithm>

namespace fortunara {

SystemRecord RecordOverRange(const std::filesystem::path& programFolder, const Tickets& tickets,
                             const ScanRange& range) {
    SystemRecord record;
    // The scan positions of the winning draws, turned into record numbers once the walk has told
    // where in the archive it started.
    std::vector<int> positions;
    const ScanOutcome scan = VisitScan(programFolder, range, [&](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            const WinCounts counts = CountWins(tickets, CheckDrawOf(draw));
            if (counts.Any()) {
                positions.push_back(record.checked);
                record.draws.push_back({0, draw.date, counts});
                record.total += counts;
            }
            ++record.checked;
        }
        return true;
    });
    if (!scan.error.empty()) return {{}, {}, 0, scan.error};
    const int step = ScanStep(range);
    const int start = step < 0 ? std::min(range.from, scan.recordCount) : std::max(range.from, 1);
    for (std::size_t i = 0; i < positions.size(); ++i) record.draws[i].record = start + step * positions[i];
    return record;
}

}  // namespace fortunara
