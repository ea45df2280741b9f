#include "app/program/program_hooks.h"

#include <memory>

#include "statistics/windows/statistics_handlers.h"
#include "systems/windows/sistemi_launcher.h"

namespace fortunara {

SestineHooks ProgramHooks(ProgramState& state, Platform& platform) {
    SestineHooks hooks;
    // The system window: "RIDUZIONE SISTEMI" here; "RIDOTTI" of the forecast tab opens it through
    // sistemi->OpenWithNumbers from a tab handler.
    auto sistemi = std::make_shared<SistemiLauncher>(state, platform);
    hooks.openers.Sistemi = [sistemi](QWidget* parent) -> QWidget* { return sistemi->Make(parent); };
    // The statistics tabs and the printer pictures; "RIDOTTI" hands the forecast to the system window.
    hooks.tabHandlers.push_back([sistemi](Sestine& window) {
        ConnectStatisticsTabs(window, [sistemi](QWidget* parent, const RidottiHandOver& handOver) {
            sistemi->OpenWithNumbers(parent, handOver.quantity, handOver.numbers);
        });
    });
    return hooks;
}

}  // namespace fortunara
