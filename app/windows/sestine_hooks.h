#pragma once

#include <functional>
#include <map>

#include "app/windows/window_openers.h"

namespace fortunara {

class MainWindowTab;

// Makes a page of `Tabella` that a subsystem owns.
using TabFactory = std::function<MainWindowTab*(QWidget* parent)>;

// What the rest of the program plugs into the main window without changing it.
struct SestineHooks {
    WindowOpeners openers;
    // The pages of the subsystems by their place in `Tabella` (1 the search, 2 the statistics,
    // 5 the forecast, 6 the archive's upkeep); a place nobody fills shows an empty page.
    std::map<int, TabFactory> tabs;
    // Ends the program (the exit picture); empty = leave the event loop.
    std::function<void()> quit;
};

}  // namespace fortunara
