#pragma once

#include <QListWidget>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/state/program_state.h"
#include "app/windows/sestine.h"
#include "statistics/windows/statistics_handlers.h"
#include "tests/fakes/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
class DataGrid;
}

namespace fortunara::test {

// The program started on a fresh folder with the statistics handlers connected: by the program's
// own hooks, or, given an opener, with that opener behind "RIDOTTI".
struct StatisticsProgram {
    explicit StatisticsProgram(const std::string& archiveBytes, RidottiOpener ridotti = {});

    template <class T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    const SearchSummary& Summary() const;
    // What the click sound sends to the main window's click device.
    std::vector<std::string> ClickCommands(const std::vector<std::string>& commands) const;

    TempFolder folder;
    FakePlatform fakes;
    Platform platform;
    ProgramState state;
    std::unique_ptr<Sestine> window;
};

// Archive bytes of draws written one per record, oldest first: date and the eight numbers.
std::string Records(const std::vector<std::pair<std::string, std::array<int, 8>>>& draws);
// The bundled archive as bytes, and its record k.
const std::string& BundledArchive();
std::string BundledRecord(int k);

std::vector<std::string> Texts(const QListWidget& list);
// Rows 1 and on of a grid, every column.
std::vector<std::vector<std::string>> GridRows(const DataGrid& grid);
std::vector<std::string> GridHeaders(const DataGrid& grid);

}  // namespace fortunara::test
