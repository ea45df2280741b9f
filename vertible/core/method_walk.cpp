#include "vertible/core/method_walk.h"

#include <algorithm>

#include "archive/core/draw_archive.h"
#include "archive/core/draw_scan.h"

namespace fortunara {

MethodWalk WalkMethod(const std::filesystem::path& programFolder, int from, int to, int kind, int position, bool check,
                      const ForecastLineVisitor& onLine) {
    MethodWalk walk;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        walk.error = archive.Error();
        return walk;
    }
    walk.recordCount = archive.RecordCount();
    ForecastChecker checker;
    const ScanRange range{std::clamp(from, 1, std::max(walk.recordCount, 1)),
                          std::clamp(to, 1, std::max(walk.recordCount, 1))};
    // Each block is read with the draws that follow it, which the check of its lines needs.
    DrawWindow window;
    const DrawBlockReader read = [&](int first, int last) {
        window.first = first;
        window.last = check ? std::min(walk.recordCount, last + kFollowingDraws) : last;
        window.draws = archive.ReadDraws(first, window.last);
        const auto block = std::min<std::size_t>(window.draws.size(), static_cast<std::size_t>(last - first + 1));
        return std::vector<DrawRecord>(window.draws.begin(), window.draws.begin() + static_cast<std::ptrdiff_t>(block));
    };
    int record = range.from;
    const auto visit = [&](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            const MethodNumbers n = MethodNumbersOf(draw.numbers);
            const MethodValues values = kind == kVertibleMethod ? VertibleMethod(n, position) : TwinMethod(n, position);
            for (const ForecastLine& line : ForecastGroup(values, record, draw.date)) {
                ++walk.lines;
                if (check) {
                    const LineOutcome outcome = checker.Check(line, window);
                    onLine(line, &outcome);
                } else {
                    onLine(line, nullptr);
                }
            }
            record += ScanStep(range);
        }
        return true;
    };
    // An empty archive gives no draw.
    if (walk.recordCount > 0) WalkRange(range, read, visit);
    archive.CloseDrawArchive();
    if (check) walk.check = checker.Figures();
    return walk;
}

}  // namespace fortunara
