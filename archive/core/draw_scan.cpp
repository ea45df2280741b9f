#include "archive/core/draw_scan.h"

#include <algorithm>

#include "archive/core/draw_archive.h"

namespace fortunara {

int ScanStep(const ScanRange& range) {
    return range.from > range.to ? -1 : 1;
}

void WalkRange(const ScanRange& range, const DrawBlockReader& read, const DrawBlockVisitor& visit, int blockRecords) {
    const int step = ScanStep(range);
    const int block = std::max(blockRecords, 1);
    // Counted in long long: a block may reach past the ends of the int record numbers.
    for (long long next = range.from; step > 0 ? next <= range.to : next >= range.to; next += step * block) {
        const long long end = step > 0 ? std::min<long long>(next + block - 1, range.to)
                                       : std::max<long long>(next - block + 1, range.to);
        std::vector<DrawRecord> draws =
            read(static_cast<int>(std::min(next, end)), static_cast<int>(std::max(next, end)));
        if (draws.empty()) return;
        if (step < 0) std::reverse(draws.begin(), draws.end());
        if (!visit(draws)) return;
    }
}

ScanOutcome VisitScan(const std::filesystem::path& programFolder, const ScanRange& range,
                      const DrawBlockVisitor& visit) {
    ScanOutcome outcome;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        outcome.error = archive.Error();
        return outcome;
    }
    outcome.recordCount = archive.RecordCount();
    const int first = std::max(std::min(range.from, range.to), 1);
    const int last = std::min(std::max(range.from, range.to), outcome.recordCount);
    if (first <= last) {
        outcome.start = ScanStep(range) < 0 ? last : first;
        const DrawBlockReader read = [&archive](int from, int to) { return archive.ReadDraws(from, to); };
        WalkRange(ScanStep(range) < 0 ? ScanRange{last, first} : ScanRange{first, last}, read, visit);
    }
    archive.CloseDrawArchive();
    return outcome;
}

}  // namespace fortunara
