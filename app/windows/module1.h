#pragma once

#include <memory>

#include "app/windows/sestine_hooks.h"
#include "platform/api/platform.h"
#include "state/program_state.h"

namespace fortunara {

class Sestine;

// The start-up procedure: loads the main window (its load step shows it), centres it and
// repaints it. The caller keeps the window for the whole run.
std::unique_ptr<Sestine> Module1(ProgramState& state, Platform& platform, SestineHooks hooks = {});

}  // namespace fortunara
