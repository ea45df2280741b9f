#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace fortunara {

// The range selectors of the main window: scroll bars whose value is a record number, each with
// a label showing the date of the draw it points at.

enum class SelectorEnd { From, To };  // "DAL" (newer end), "AL" (older end)

// Limits of every selector: 1..recordCount; an empty archive pins them at 0 (no record).
struct SelectorLimits {
    int minimum = 0;
    int maximum = 0;
};
SelectorLimits SelectorLimitsFor(int recordCount);

// Start positions: "DAL" on the newest draw, "AL" 100 draws earlier, or on record 1 when the
// archive has 100 draws or fewer.
int InitialFromPosition(int recordCount);
int InitialToPosition(int recordCount);

// "DAL: 01GEN2009" / "AL: 01GEN2009"; just "DAL: " when there is no date to show.
std::string SelectorCaption(SelectorEnd end, std::string_view dateText);
// "SETT. :  100"
std::string SpanCaption(int span);

struct SelectorReading {
    int recordCount = 0;
    std::string dateText;  // empty when `value` names no record
};
// Opens the archive and reads the date of record `value`, only when it exists.
SelectorReading ReadSelectorDate(const std::filesystem::path& programFolder, int value);

}  // namespace fortunara
