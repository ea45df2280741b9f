#pragma once

#include "app/windows/sestine_hooks.h"
#include "platform/api/platform.h"
#include "state/program_state.h"

namespace fortunara {

// Everything the program plugs into its main window: the windows its launchers open and the pages
// of the subsystems. Each window or page added to the program is added here.
SestineHooks ProgramHooks(ProgramState& state, Platform& platform);

}  // namespace fortunara
