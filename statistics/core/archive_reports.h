#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"
#include "platform/api/printer.h"
#include "statistics/core/scan_range.h"

namespace fortunara {

struct ProgramState;

// One row of the archive print, 71 characters: "|   " date " ", eight cells "|   " "00" " ", "|".
// In "Ruote" order the six numbers stand as stored, otherwise ascending; jolly and superstar stay last.
std::string ArchivePrintRow(const DrawRecord& draw, bool ruote);

struct ArchivePrintResult {
    int recordCount = 0;
    int rows = 0;
    std::array<int, 11> lastNumbers{};  // DrawNumbers 1 to 8 of the last row printed, in printed order
    std::string error;                  // the archive could not be opened
};

// The archive print of tab 0: frame, heading, one row per record from range.from down to range.to
// (none when from is below to), frame, end of job. Records beyond the archive are left out.
ArchivePrintResult PrintArchive(Printer& printer, const std::filesystem::path& programFolder, const ScanRange& range,
                                bool ruote);
// RecordCount and DrawNumbers as the archive print leaves them.
void StoreArchivePrint(const ArchivePrintResult& result, ProgramState& state);

// What the search report prints, read from the last search and the search tab at the click.
struct SearchReportInput {
    std::vector<int> numbers;  // SearchNumbers 1 .. SearchCount - 1
    int sorte = 0;
    bool allWheels = false;  // after a search: "RICERCA SU TUTTE LE RUOTE"
    std::string dalCaption;  // the search range's "DAL: " label
    std::string alCaption;   // its "AL: " label
    int rangeSpan = 0;       // the distance between its ends
    int delay = 0;
    int maxDelay = 0;
    long long total = 0;
    int hitCount = 0;
    std::vector<std::string> hitTexts;  // SearchHitTexts: the listed hits (at most kListedHits)
};
SearchReportInput SearchReportFrom(const ProgramState& state, std::string dalCaption, std::string alCaption,
                                   int rangeSpan);

// The search report: numbers, kind of win, range, the three figures and the hit lines, one job.
void PrintSearchReport(Printer& printer, const SearchReportInput& input);

}  // namespace fortunara
