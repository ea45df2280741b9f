#pragma once

#include <functional>
#include <map>

#include "app/widgets/window_display.h"

namespace fortunara {

class MainWindowTab;

// The windows the main window's launchers open.
enum class LaunchedWindow { Sistemi, Archivio, METODOVERTIBILI, Browser, Form45 };

// The other windows of the program, as the main window's launchers and pictures open them. A
// launcher whose factory is empty is disabled, with the tooltip "In preparazione".
struct WindowOpeners {
    WindowFactory Sistemi;          // "RIDUZIONE SISTEMI", modal
    WindowFactory Archivio;         // "ARCHIVIO SISTEMI", modal
    WindowFactory METODOVERTIBILI;  // "METODI", modeless
    WindowFactory Browser;          // "Copia da Internet", modeless
    WindowFactory Form45;           // "Aggiorna in Internet", modal
    WindowFactory Setup;            // the settings picture "OPZIONI"; made at the load step, kept hidden
};

// Makes a page of `Tabella` that a subsystem owns.
using TabFactory = std::function<MainWindowTab*(QWidget* parent)>;

// What the rest of the program plugs into the main window without changing it.
struct SestineHooks {
    WindowOpeners openers;
    // The pages of the subsystems by their place in `Tabella` (1 the search, 2 the statistics,
    // 5 the forecast); a place nobody fills shows an empty page.
    std::map<int, TabFactory> tabs;
    // Ends the program (the exit picture); empty = leave the event loop.
    std::function<void()> quit;
};

}  // namespace fortunara
