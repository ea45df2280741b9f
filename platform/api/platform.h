#pragma once

#include "platform/api/clipboard.h"
#include "platform/api/dialogs.h"
#include "platform/api/downloader.h"
#include "platform/api/launcher.h"
#include "platform/api/modal_runner.h"
#include "platform/api/printer.h"
#include "platform/api/sounds.h"

namespace fortunara {

// What a window needs of the machine. The program hands the Qt implementations,
// tests hand the scripted fakes.
struct Platform {
    Printer& printer;
    Dialogs& dialogs;
    Clipboard& clipboard;
    Sounds& sounds;
    Launcher& launcher;
    Downloader& downloader;
    ModalRunner& modal;
};

}  // namespace fortunara
