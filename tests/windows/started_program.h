#pragma once

#include <QListWidget>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/windows/sestine.h"
#include "app/windows/sestine_hooks.h"
#include "state/program_state.h"
#include "tests/fakes/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
class DataGrid;
}

namespace fortunara::test {

// A made-up archive of `count` draws, record k dated and numbered after k (all different, all
// valid); `replaced` gives the exact text of chosen records.
std::string MadeUpArchive(int count, const std::map<int, std::string>& replaced = {});
// The text of record k of MadeUpArchive.
std::string MadeUpRecord(int k);
// Archive bytes of draws written one per record, oldest first: date and the eight numbers.
std::string Records(const std::vector<std::pair<std::string, std::array<int, 8>>>& draws);
// The bundled archive as bytes, and its record k.
const std::string& BundledArchive();
// The bundled archive as the golden files know it: its first 4253 draws, up to 21AGO2026.
std::string GoldenArchive();
std::string BundledRecord(int k);

// Changes the program's own hooks before the main window is made: a test replaces the opener or
// the page it wants to watch.
using HookAdjustment = std::function<void(SestineHooks& hooks, ProgramState& state, Platform& platform)>;

// The program started on a fresh temporary folder as the program itself starts: fakes, shared
// state, the program's hooks and the main window after the start-up procedure.
struct StartedProgram {
    // A downloader given here takes the place of the fake one (a test of real downloads).
    explicit StartedProgram(const std::string& archiveBytes, const HookAdjustment& adjust = {},
                            Downloader* downloader = nullptr);

    template <class T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    // What the click sound sends to the main window's click device.
    std::vector<std::string> ClickCommands(const std::vector<std::string>& commands) const;

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

std::vector<std::string> Texts(const QListWidget& list);
// A data row's tag as part of a golden file's name: "ambo of five numbers" -> "ambo-of-five-numbers".
std::string TagSlug();
// Lines joined, each ended by a line feed.
std::string JoinLines(const std::vector<std::string>& lines);
// Rows 1 and on of a grid, every column.
std::vector<std::vector<std::string>> GridRows(const DataGrid& grid);
std::vector<std::string> GridHeaders(const DataGrid& grid);

}  // namespace fortunara::test
