#pragma once

#include <functional>

#include "ui/window_display.h"

namespace fortunara {

// The windows the main window's launchers open.
enum class LaunchedWindow { Sistemi, Archivio, METODOVERTIBILI, Browser, Form45 };

// The other windows of the program, as the main window's launchers and pictures open them. The
// composition root fills every one; a test may leave one out, and its launcher then opens nothing.
struct WindowOpeners {
    WindowFactory Sistemi;          // "RIDUZIONE SISTEMI", modal
    WindowFactory Archivio;         // "ARCHIVIO SISTEMI", modal
    WindowFactory METODOVERTIBILI;  // "METODI", modeless
    WindowFactory Browser;          // "Copia da Internet", modeless
    WindowFactory Form45;           // "Aggiorna in Internet", modal
    WindowFactory Setup;            // the settings picture "OPZIONI"; made at the load step, kept hidden
};

// Opens one of the launched windows as the main window does (centred, modal or modeless).
using WindowLauncher = std::function<void(LaunchedWindow)>;

}  // namespace fortunara
