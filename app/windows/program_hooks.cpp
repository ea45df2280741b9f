#include "app/windows/program_hooks.h"

namespace fortunara {

SestineHooks ProgramHooks(ProgramState& state, Platform& platform) {
    SestineHooks hooks;
    // Launchers: hooks.openers.Sistemi = [&state, &platform](QWidget* parent) { return new Sistemi(...); };
    // Tab handlers: hooks.tabHandlers.push_back([&state, &platform](Sestine& window) { ... });
    static_cast<void>(state);
    static_cast<void>(platform);
    return hooks;
}

}  // namespace fortunara
