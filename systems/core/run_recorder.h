#pragma once

#include <array>

#include "systems/core/development.h"
#include "systems/core/system_report.h"

namespace fortunara {

// The recording step of a run: counts, keeps the combination as positions and as numbers, and
// prints it when the run prints. Refuses the combination after the last one the capacity holds.
class RunRecorder {
public:
    RunRecorder(const SystemRequest& request, SystemRun& run, ReportLines& report);

    // positions[1..6] ascending, every one with a number. Returns false when the capacity is full.
    bool Record(const std::array<int, 7>& positions);

private:
    const SystemRequest& request_;
    SystemRun& run_;
    ReportLines& report_;
    int reportCounter_ = 1;
};

// How long runs report progress and notice a cancel request.
class RunPoll {
public:
    explicit RunPoll(const RunControl& control) : control_(control) {}
    // share done, 0..1; returns false when the run is to be cancelled.
    bool Continue(double share);

private:
    const RunControl& control_;
    double reported_ = -1;
};

}  // namespace fortunara
