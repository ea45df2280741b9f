#pragma once

#include <functional>
#include <vector>

#include "app/widgets/window_display.h"

class QWidget;

namespace fortunara {

class Sestine;

// The other windows of the program, as the main window's launchers open them. A launcher whose
// factory is empty is disabled, with the tooltip "In preparazione".
struct WindowOpeners {
    WindowFactory Sistemi;          // "RIDUZIONE SISTEMI", modal
    WindowFactory Archivio;         // "ARCHIVIO SISTEMI", modal
    WindowFactory METODOVERTIBILI;  // "METODI", modeless
    WindowFactory Browser;          // "Copia da Internet", modeless
    WindowFactory Form45;           // "Aggiorna in Internet", modal
    WindowFactory Presenti;         // an entry of the matrix list `List6`, modal
};

// What the rest of the program plugs into the main window without changing it.
struct SestineHooks {
    WindowOpeners openers;
    // Connects the handlers of a tab's controls; run once, after the controls exist and before
    // the load step.
    std::vector<std::function<void(Sestine&)>> tabHandlers;
    // Ends the program (the exit picture); empty = leave the event loop.
    std::function<void()> quit;
};

}  // namespace fortunara
