#include "systems/core/development.h"

#include <limits>
#include <optional>
#include <stdexcept>

#include "state/binomial.h"
#include "systems/core/condition_filter.h"
#include "systems/core/guarantee_scheme.h"
#include "systems/core/integral_search.h"
#include "systems/core/run_recorder.h"
#include "systems/core/system_report.h"
#include "systems/core/system_texts.h"

namespace fortunara {

std::string_view SystemRun::Message() const {
    if (end == RunEnd::TooFewNumbers) return kTooFewNumbersMessage;
    if (Overflowed()) return kTooManyCombinationsMessage;
    if (end == RunEnd::Failed) return failure;
    return {};
}

unsigned long long GuaranteeComboCount(int quantity, int guaranteeMode) {
    const long long count = Binomial(static_cast<long long>(quantity) - 6 + guaranteeMode, guaranteeMode);
    if (count == std::numeric_limits<long long>::max()) return std::numeric_limits<unsigned long long>::max();
    return static_cast<unsigned long long>(count);
}

SystemRun RunDevelopment(const SystemRequest& request, const RunControl& control) {
    if (request.numbers.size() > static_cast<std::size_t>(kHighestPosition)) {
        throw std::invalid_argument("UN SISTEMA HA AL PIU' 90 NUMERI");
    }
    for (const int n : request.numbers) {
        if (n < 0 || n > 90) throw std::invalid_argument("UN NUMERO DEL SISTEMA E' FUORI DA 1 A 90");
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
