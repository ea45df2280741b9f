#pragma once

#include "systems/core/condition_filter.h"
#include "systems/core/development.h"
#include "systems/core/run_recorder.h"

namespace fortunara {

// The integral development over positions 1..N in lexicographic order, optionally reduced
// (option 1..3), each candidate through the condition filter when there is one.
RunEnd RunIntegralSearch(const SystemRequest& request, const ConditionFilter* filter, RunRecorder& recorder,
                         RunPoll& poll);

}  // namespace fortunara
