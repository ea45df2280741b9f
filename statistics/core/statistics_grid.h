#pragma once

#include <string>
#include <vector>

namespace fortunara {

// What a statistics button puts into the grid of the statistics tab and its title label:
// the window sets the column count and widths, the header row and the data rows as given.
struct StatisticsGrid {
    std::string title;                           // caption of the title label
    std::vector<int> columnWidths;               // twips, one per column
    int headerRowHeight = 200;                   // twips
    std::vector<std::string> headers;            // row 0
    std::vector<std::vector<std::string>> rows;  // rows 1, 2, ...: one text per column ("" = not written)

    int RowCount() const { return static_cast<int>(rows.size()) + 1; }
    int ColumnCount() const { return static_cast<int>(columnWidths.size()); }
};

}  // namespace fortunara
