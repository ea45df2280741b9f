#include "checks/core/system_record.h"

#include <algorithm>

#include "archive/core/draw_archive.h"

namespace fortunara {

SystemRecord RecordOverRange(const std::filesystem::path& programFolder, const Tickets& tickets,
                             const ScanRange& range) {
    SystemRecord record;
    SystemRecord walked =
        RecordOverRange(programFolder, tickets, range, [&record](const DrawWins& won) { record.draws.push_back(won); });
    walked.draws = std::move(record.draws);
    return walked;
}

SystemRecord RecordOverRange(const std::filesystem::path& programFolder, const Tickets& tickets, const ScanRange& range,
                             const DrawWinsVisitor& onWin) {
    SystemRecord record;
    // The walk starts at the first record of the range the archive holds.
    int recordCount = 0;
    {
        DrawArchive archive(programFolder);
        if (!archive.OpenDrawArchive()) return {{}, {}, 0, archive.Error()};
        recordCount = archive.RecordCount();
    }
    const int step = ScanStep(range);
    const int start = step < 0 ? std::min(range.from, recordCount) : std::max(range.from, 1);
    const ScanOutcome scan = VisitScan(programFolder, range, [&](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            const WinCounts counts = CountWins(tickets, CheckDrawOf(draw));
            if (counts.Any()) {
                onWin({start + step * record.checked, draw.date, counts});
                record.total += counts;
            }
            ++record.checked;
        }
        return true;
    });
    if (!scan.error.empty()) return {{}, {}, 0, scan.error};
    return record;
}

}  // namespace fortunara
