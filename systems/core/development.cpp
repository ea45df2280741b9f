#include "systems/core/development.h"

#include <limits>
#include <optional>
#include <stdexcept>

#include "systems/core/condition_filter.h"
#include "systems/core/run_recorder.h"
#include "systems/core/searches.h"
#include "systems/core/system_report.h"
#include "systems/core/system_texts.h"

namespace fortunara {

std::string_view SystemRun::Message() const {
    if (end == RunEnd::TooFewNumbers) return kTooFewNumbersMessage;
    if (Overflowed()) return kTooManyCombinationsMessage;
    return {};
}

unsigned long long GuaranteeComboCount(int quantity, int guaranteeMode) {
    const long long n = static_cast<long long>(quantity) - 6 + guaranteeMode;
    const long long k = guaranteeMode;
    if (k < 0 || n < k) return 0;
    constexpr unsigned long long kMax = std::numeric_limits<unsigned long long>::max();
    unsigned long long result = 1;
    for (long long i = 0; i < k; ++i) {
        const auto factor = static_cast<unsigned long long>(n - i);
        if (result > kMax / factor) return kMax;
        result = result * factor / static_cast<unsigned long long>(i + 1);
    }
    return result;
}

SystemRun RunDevelopment(const SystemRequest& request, const RunControl& control) {
    if (request.numbers.size() > static_cast<std::size_t>(kHighestPosition)) {
        throw std::invalid_argument("a system has at most 90 positions with a number");
    }
    for (const int n : request.numbers) {
        if (n < 0 || n > 90) throw std::invalid_argument("system numbers lie between 0 and 90");
    }
    SystemRun run;
    run.conditioned = request.conditions.has_value();
    ReportLines report;
    if (request.print) PrintReportHead(request, report);
    if (request.quantity < 6) {
        run.end = RunEnd::TooFewNumbers;
        run.report = report.Take();
        return run;
    }
    if (request.print && !PrintNumberLine(request, report)) {
        run.end = RunEnd::PositionWithoutNumber;
        run.report = report.Take();
        return run;
    }

    std::optional<ConditionFilter> filter;
    if (request.conditions) filter.emplace(*request.conditions, request.numbers);
    const ConditionFilter* active = filter ? &*filter : nullptr;
    RunRecorder recorder(request, run, report);
    RunPoll poll(control);
    if (request.guaranteeMode == 1) {
        run.end = RunIntegralSearch(request, active, recorder, poll);
    } else if (request.guaranteeMode >= 2 && request.guaranteeMode <= 5) {
        run.end = RunGuaranteeScheme(request, active, recorder, poll);
    }
    if (run.Completed() && request.print) report.EndLine();
    run.report = report.Take();
    if (run.Completed() && control.progress) control.progress(1.0);
    return run;
}

}  // namespace fortunara
