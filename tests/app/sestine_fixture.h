#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "app/state/program_state.h"
#include "app/windows/sestine.h"
#include "app/windows/sestine_hooks.h"
#include "tests/fakes/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace fortunara::test {

// A made-up archive of `count` draws, record k dated and numbered after k (all different, all
// valid); `replaced` gives the exact text of chosen records.
std::string MadeUpArchive(int count, const std::map<int, std::string>& replaced = {});
// The text of record k of MadeUpArchive.
std::string MadeUpRecord(int k);

// The program started on a fresh temporary folder: fakes, shared state and the main window
// after the start-up procedure.
struct StartedProgram {
    explicit StartedProgram(const std::string& archiveBytes, WindowOpeners openers = {});

    template <class T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }

    TempFolder folder;
    FakePlatform fakes;
    Platform platform;
    ProgramState state;
    int quitCalls = 0;
    std::unique_ptr<Sestine> window;
};

// Pointer events as the window receives them (offscreen, nothing under a real mouse).
void MovePointerOver(QWidget* widget);
void PressOn(QWidget* widget);
void ReleaseOn(QWidget* widget);

}  // namespace fortunara::test
