#pragma once

#include <filesystem>
#include <string>

#include "platform/api/dialogs.h"
#include "platform/api/launcher.h"

namespace fortunara {

// Opens a file of the program in the desktop's text editor. When none could be started the user
// is told so, rather than left with a click that does nothing.
inline void ShowInTextEditor(Launcher& launcher, Dialogs& dialogs, const std::filesystem::path& file) {
    if (launcher.OpenTextFile(file)) return;
    dialogs.Message("IMPOSSIBILE APRIRE L'EDITOR DI TESTO SUL FILE " + file.filename().string(), "ATTENZIONE !!!",
                    DialogButtons::Ok, DialogIcon::Warning);
}

}  // namespace fortunara
