#include "checks/core/system_record.h"

namespace fortunara {

SystemRecord RecordOverRange(const std::filesystem::path& programFolder, const Tickets& tickets,
                             const ScanRange& range, const DrawWinsVisitor& each) {
    SystemRecord record;
    // The scan positions of the winning draws, turned into record numbers once the walk has told
    // where in the archive it started.
    std::vector<int> positions;
    const ScanOutcome scan = VisitScan(programFolder, range, [&](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            const WinCounts counts = CountWins(tickets, CheckDrawOf(draw));
            if (each) each(draw, counts);
            if (counts.Any()) {
                positions.push_back(record.checked);
                record.draws.push_back({0, draw.date, counts});
                record.total += counts;
            }
            ++record.checked;
        }
        return true;
    });
    if (!scan.error.empty()) return {{}, {}, 0, 0, scan.error};
    record.start = scan.start;
    const int step = ScanStep(range);
    for (std::size_t i = 0; i < positions.size(); ++i) record.draws[i].record = scan.start + step * positions[i];
    return record;
}

}  // namespace fortunara
