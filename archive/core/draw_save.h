#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fortunara {

// Saving an entered draw: the date checked, the record text built, the newest records searched
// for the same date, then the record replaced or appended.

// How many of the newest records the save searches for the same date.
inline constexpr int kDuplicateScanDepth = 105;

// The question for each record of the newest that has the date already.
inline constexpr const char* kReplaceQuestion = "LA DATA E' GIA' PRESENTE !!!!  SOSTITUISCO ?";
inline constexpr const char* kReplaceTitle = "ATTENZIONE !";

// "" when the date can go into the archive; otherwise the message that says what a date must be.
std::string DateFault(std::string_view date);

// The record of an entered draw: the date, then each of the eight numbers (indices 1-8) as the
// last two characters of its text form: " 5" for 5, "45" for 45, " 0" for 0.
std::string EnteredDrawRecord(std::string_view date, const std::array<int, 11>& numbers);

struct DateMatches {
    std::string error;  // the archive could not be opened
    int recordCount = 0;
    std::vector<int> records;  // newest first, among the kDuplicateScanDepth newest records
};

// The records among the newest whose first nine characters are exactly the date.
DateMatches FindDateAmongNewest(const std::filesystem::path& programFolder, std::string_view date);

// Asks about each match in turn; the answer about the last one decides. Returns the record to
// replace, or 0 for an append.
int ChooseSaveTarget(const std::vector<int>& matches, const std::function<bool(int record)>& replace);

struct DrawWrite {
    std::string error;    // Italian; nothing was written when set
    int record = 0;       // the record written
    int recordCount = 0;  // records of the archive afterwards
    bool ok() const { return error.empty(); }
};

// Writes the record as record `target`, or appends it when target is 0. A replacement keeps the
// archive as it was in dati/estraz09.bak first; nothing is written when that fails.
DrawWrite WriteDraw(const std::filesystem::path& programFolder, std::string_view record, int target);

}  // namespace fortunara
