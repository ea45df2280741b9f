#pragma once

#include "systems/core/condition_filter.h"
#include "systems/core/development.h"
#include "systems/core/run_recorder.h"

namespace fortunara {

// The construction scheme of guarantee 2..5 ("AMBO" .. "CINQUINA").
RunEnd RunGuaranteeScheme(const SystemRequest& request, const ConditionFilter* filter, RunRecorder& recorder,
                          RunPoll& poll);

}  // namespace fortunara
