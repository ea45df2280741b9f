#pragma once

#include "platform/api/platform.h"
#include "state/program_state.h"
#include "systems/core/sistemi_memory.h"
#include "systems/windows/sistemi.h"

class QWidget;

namespace fortunara {

// Opens the system window for the rest of the program. One launcher lives as long as the
// program (the main window's hooks keep it), with what the window remembers between openings.
class SistemiLauncher {
public:
    SistemiLauncher(ProgramState& state, Platform& platform, SistemiOpeners openers = {});

    // A new system window; the main window's "RIDUZIONE SISTEMI" (WindowOpeners::Sistemi) centres
    // it, shows it modal and deletes it.
    Sistemi* Make(QWidget* parent) const;

    // "RIDOTTI" of the forecast tab: the window centred, with the first `quantity` forecast numbers
    // entered (Sistemi::HandOverForecast), shown modal. Returns when the window is closed.
    void OpenWithForecast(QWidget* parent, int quantity) const;

private:
    ProgramState& state_;
    Platform& platform_;
    SistemiOpeners openers_;
    mutable SistemiMemory memory_;
};

}  // namespace fortunara
