#pragma once

#include <string>
#include <vector>

namespace fortunara {

// Texts the copy pictures put on the clipboard.

// Cells of a grid selection: columns separated by a tab, rows by a carriage return.
std::string GridClipText(const std::vector<std::vector<std::string>>& cells);

// Selected hits of the number search, one line each: the hit number, a tab, the date, a tab, the
// matched numbers; a carriage return after each line and one more at the end; "" without hits.
// A hit entry is the hit number's text form, a blank, the nine-character date, a blank and the
// rest. The fields are found by that shape rather than at fixed columns, so that hits 1 to 9 and
// from 100 on keep their date whole (for hits 10 to 99 the two ways agree).
std::string SearchListClipText(const std::vector<std::string>& entries);

}  // namespace fortunara
