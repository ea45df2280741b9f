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
    const DrawRecord none;
    const ScanRange range{std::clamp(from, 1, std::max(walk.recordCount, 1)),
                          std::clamp(to, 1, std::max(walk.recordCount, 1))};
    const int step = ScanStep(range);
    // An empty archive gives no draw.
    for (int next = range.from; walk.recordCount > 0 && next != range.to + step;) {
        const int end = step > 0 ? std::min(next + kScanBlockRecords - 1, range.to)
                                 : std::max(next - kScanBlockRecords + 1, range.to);
        DrawWindow window;
        window.first = std::min(next, end);
        window.last = check ? std::min(walk.recordCount, std::max(next, end) + kFollowingDraws) : std::max(next, end);
        window.draws = archive.ReadDraws(window.first, window.last);
        for (int record = next; record != end + step; record += step) {
            const DrawRecord& draw = window.At(record) != nullptr ? *window.At(record) : none;
            const MethodNumbers n = MethodNumbersOf(draw.numbers);
            const MethodValues values = kind == kVertibleMethod ? VertibleMethod(n, position) : TwinMethod(n, position);
            walk.diametral = values.diametral;
            for (const ForecastLine& line : ForecastGroup(values, record, draw.date)) {
                ++walk.lines;
                if (check) {
                    const LineOutcome outcome = checker.Check(line, window);
                    onLine(line, &outcome);
                } else {
                    onLine(line, nullptr);
                }
            }
        }
        next = end + step;
    }
    archive.CloseDrawArchive();
    if (check) walk.check = checker.Figures();
    return walk;
}

}  // namespace fortunara
