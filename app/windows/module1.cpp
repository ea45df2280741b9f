#include "app/windows/module1.h"

#include "app/windows/sestine.h"
#include "ui/window_display.h"

namespace fortunara {

std::unique_ptr<Sestine> Module1(ProgramState& state, Platform& platform, SestineHooks hooks) {
    auto window = std::make_unique<Sestine>(state, platform, std::move(hooks));
    window->Load();
    CentreOnScreen(*window);
    window->update();
    return window;
}

}  // namespace fortunara
