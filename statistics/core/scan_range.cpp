#include "statistics/core/scan_range.h"

#include <algorithm>
#include <cstdlib>

#include "archive/core/draw_archive.h"

namespace fortunara {

int ScanStep(const ScanRange& range) {
    return range.from > range.to ? -1 : 1;
}

int ScanLength(const ScanRange& range) {
    return std::abs(range.from - range.to) + 1;
}

PositionFlags MainPositions() {
    return {false, true, true, true, true, true, true, false, false};
}

PositionFlags PositionsFromList(const std::vector<int>& positions) {
    PositionFlags flags{};
    for (int p : positions) {
        if (p >= 1 && p <= 8) flags[static_cast<std::size_t>(p)] = true;
    }
    return flags;
}

std::array<int, 9> PositionValues(const DrawRecord& draw, const PositionFlags& positions) {
    std::array<int, 9> values{};
    const std::array<int, 6> main = SortedMain(draw);
    for (std::size_t k = 1; k <= 6; ++k) values[k] = positions[k] ? main[k - 1] : 0;
    values[7] = positions[7] ? draw.Jolly() : 0;
    values[8] = positions[8] ? draw.Superstar() : 0;
    return values;
}

ArchiveScan ReadScan(const std::filesystem::path& programFolder, const ScanRange& range) {
    ArchiveScan scan;
    scan.range = range;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        scan.error = archive.Error();
        return scan;
    }
    scan.recordCount = archive.RecordCount();
    const int first = std::max(std::min(range.from, range.to), 1);
    const int last = std::min(std::max(range.from, range.to), scan.recordCount);
    if (first <= last) {
        const std::vector<std::string> records = archive.ReadDrawRecords(first, last);
        scan.draws.reserve(records.size());
        for (const std::string& text : records) scan.draws.push_back(ParseDrawRecord(text));
        if (ScanStep(range) < 0) std::reverse(scan.draws.begin(), scan.draws.end());
    }
    archive.CloseDrawArchive();
    return scan;
}

}  // namespace fortunara
