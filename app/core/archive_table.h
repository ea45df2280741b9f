#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace fortunara {

// The two archive views of the main window: the table of tab 0 (up to 23 draws, newest on top)
// and the single draw of tab 6. These functions read the archive and return the texts to show;
// the window only puts them in its grids.

inline constexpr int kArchiveTableColumns = 9;  // date, six numbers, jolly, superstar
inline constexpr int kArchiveTableRows = 23;    // draw rows below the header

using ArchiveRow = std::array<std::string, kArchiveTableColumns>;

// "Ruote": the six numbers as stored, under the wheel abbreviations; "Crescente": sorted.
enum class ArchiveOrder { Wheels, Ascending };

ArchiveRow ArchiveHeaders(ArchiveOrder order);

// A number as both views show it: " 5", " 17", and an empty cell for 0.
std::string DrawCell(int n);

// The records the table shows when its bar stands at `value`, newest first: 23 draws from `value`
// down, at least records 16 to 1, and never a record outside 1..recordCount (an empty archive
// gives {0, 0} and shows nothing).
struct RecordSpan {
    int from = 0;  // newest record shown, becomes RangeFrom
    int to = 0;    // oldest record shown, becomes RangeTo
    bool operator==(const RecordSpan&) const = default;
};
RecordSpan ArchiveTableSpan(int value, int recordCount);

struct ArchiveTableFill {
    int recordCount = 0;
    RecordSpan span;
    std::vector<ArchiveRow> rows;  // rows 1, 2, ... of the table, newest first
    bool anyDrawRead = false;
    std::array<int, 9> lastDrawShown{};  // 1-8: the oldest draw shown, in the order shown
};

ArchiveTableFill FillArchiveTable(const std::filesystem::path& programFolder, int value, ArchiveOrder order);

struct SingleDrawView {
    int recordCount = 0;
    bool shown = false;  // false when `value` names no record: the view keeps what it showed
    ArchiveRow row;      // date, the six numbers ascending, jolly, superstar
    std::string date;
    std::array<int, 9> numbers{};  // 1-6 ascending, 7 jolly, 8 superstar
};

SingleDrawView ShowOneDraw(const std::filesystem::path& programFolder, int value);

}  // namespace fortunara
