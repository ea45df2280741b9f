#include "systems/windows/sistemi_launcher.h"

#include <memory>

#include "ui/window_display.h"

namespace fortunara {

SistemiLauncher::SistemiLauncher(ProgramState& state, Platform& platform, SistemiOpeners openers)
    : state_(state), platform_(platform), openers_(std::move(openers)) {}

Sistemi* SistemiLauncher::Make(QWidget* parent) const {
    return new Sistemi(state_, platform_, memory_, openers_, parent);
}

void SistemiLauncher::OpenWithForecast(QWidget* parent, int quantity) const {
    const std::unique_ptr<Sistemi> window(Make(parent));
    CentreOnScreen(*window);
    window->HandOverForecast(quantity);
    platform_.modal.RunModal(*window);
}

}  // namespace fortunara
