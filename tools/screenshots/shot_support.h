#pragma once

#include <QDir>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "state/program_state.h"
#include "tests/fakes/fake_platform.h"

namespace fortunara::shots {

// What every screenshot program needs: a program folder filled from assets/, the shared state on
// it, and a silent machine (the test fakes: nothing printed, no sound, dialogs answer OK).
struct ShotSession {
    ShotSession() { fakes.dialogs.lenient = true; }

    ProgramState state;
    test::FakePlatform fakes;
    Platform platform = fakes.platform();
    QDir output;
};

// Reads "PROGRAM_FOLDER OUTPUT_FOLDER" from the command line and prepares the session.
// Returns false (after saying why on standard error) when it cannot.
bool StartSession(int argc, char** argv, const char* program, ShotSession& session);

// The whole of a screenshot program: the application in the program's look, the session from
// "PROGRAM_FOLDER OUTPUT_FOLDER", then `shoot`. Returns the exit status: 0, 1 when `shoot` failed,
// 2 when the session could not start.
int RunShots(int argc, char** argv, const char* program, const std::function<bool(ShotSession&)>& shoot);

// Saves the widget as OUTPUT/NAME.png and prints the file's name.
bool SaveShot(QWidget& widget, const ShotSession& session, const QString& name);

}  // namespace fortunara::shots
