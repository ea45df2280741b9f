#pragma once

#include "platform/api/platform.h"
#include "tests/fakes/fake_clipboard.h"
#include "tests/fakes/fake_dialogs.h"
#include "tests/fakes/fake_downloader.h"
#include "tests/fakes/fake_launcher.h"
#include "tests/fakes/fake_modal_runner.h"
#include "tests/fakes/fake_printer.h"
#include "tests/fakes/fake_sounds.h"

namespace fortunara::test {

// One fake of each kind, handed to windows as their Platform.
struct FakePlatform {
    FakePrinter printer;
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakeSounds sounds;
    FakeLauncher launcher;
    FakeDownloader downloader;
    FakeModalRunner modal;

    Platform platform() { return Platform{printer, dialogs, clipboard, sounds, launcher, downloader, modal}; }
};

}  // namespace fortunara::test
