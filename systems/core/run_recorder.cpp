#include "systems/core/run_recorder.h"

#include <algorithm>

namespace fortunara {

RunRecorder::RunRecorder(const SystemRequest& request, SystemRun& run, ReportLines& report)
    : request_(request), run_(run), report_(report) {
    const std::size_t expected = static_cast<std::size_t>(std::max(0, std::min(request.capacity, 4096)));
    run_.positions.reserve(expected);
    run_.numbers.reserve(expected);
}

bool RunRecorder::Record(const std::array<int, 7>& positions) {
    if (run_.Count() >= request_.capacity) return false;
    std::array<int, 6> kept{};
    std::array<int, 6> numbers{};
    for (std::size_t c = 0; c < 6; ++c) {
        kept[c] = positions[c + 1];
        numbers[c] = request_.numbers[static_cast<std::size_t>(kept[c] - 1)];
    }
    run_.positions.push_back(kept);
    run_.numbers.push_back(numbers);
    if (request_.print) PrintCombination(numbers, reportCounter_++, report_);
    return true;
}

bool RunPoll::Continue(double share) {
    if (control_.cancel != nullptr && control_.cancel->load(std::memory_order_relaxed)) return false;
    if (control_.progress && share - reported_ >= 0.004) {
        reported_ = share;
        control_.progress(share);
    }
    return true;
}

}  // namespace fortunara
