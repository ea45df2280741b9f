#pragma once

#include <vector>

#include "app/state/program_state.h"
#include "platform/api/platform.h"
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

    // "RIDOTTI" of the forecast tab: the window centred, with the quantity in Textbox1, the
    // numbers (numbers[i - 1] = ForecastNumbers(i)) in NumberSelected and the label filled, shown
    // modal. Returns when the window is closed.
    void OpenWithNumbers(QWidget* parent, int quantity, const std::vector<int>& numbers) const;

    // The check and slip windows, once they exist.
    SistemiOpeners& Openers() { return openers_; }
    SistemiMemory& Memory() const { return memory_; }

private:
    ProgramState& state_;
    Platform& platform_;
    SistemiOpeners openers_;
    mutable SistemiMemory memory_;
};

}  // namespace fortunara
