#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"
#include "statistics/core/scan_range.h"

namespace fortunara {

// The kinds of win, as the option buttons give them: 1 "Singolo" to 6 "Sestina".
inline constexpr int kSingolo = 1;
inline constexpr int kSestina = 6;
// The hit texts and the hit list keep the first hits only; the figures count every hit.
inline constexpr int kListedHits = 5000;

struct SearchRequest {
    std::array<bool, 91> marked{};  // element n set when number n is marked on the board
    int sorte = kSingolo;           // kind of win, 1 to 6
    PositionFlags positions = MainPositions();
    std::array<bool, 12> months{};  // January to December; none ticked means every month
};

struct SearchHit {
    int position = 0;            // scan position of the draw
    std::string date;            // its date text
    std::vector<int> matched;    // marked numbers found, in position order (a number may repeat)
    long long combinations = 0;  // winning combinations of the kind: C(matched, sorte)
};

struct SearchResult {
    int recordCount = 0;
    int scanned = 0;
    std::vector<int> numbers;  // the marked numbers ascending
    int sorte = kSingolo;
    long long total = 0;          // "FREQUENZA"
    int delay = 0;                // "RITARDO"
    int maxDelay = 0;             // "RIT. MAX"
    long long hitCount = 0;       // "COLPI"
    std::vector<SearchHit> hits;  // every hit, in scan order
    std::string error;            // the archive could not be opened
};

SearchResult SearchArchive(const SearchRequest& request, std::span<const DrawRecord> scanOrder);
SearchResult SearchArchive(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range);
// The same search handing each hit to `onHit` as it is found instead of keeping it, so that a search
// over any range holds no more than one hit: `hits` stays empty, the figures are complete.
using SearchHitVisitor = std::function<void(const SearchHit&)>;
SearchResult SearchArchive(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range, const SearchHitVisitor& onHit);
// The figures alone (the hit count too), no hit made.
SearchResult SearchFigures(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range);

// The hit text kept for the report: date, each matched number in its text form after a blank, then
// "  (" scan position ") ". Example: "05GEN2019  12  45  ( 12) ".
std::string SearchHitText(const SearchHit& hit);

// What the search tab shows: the three figures in text form and the lines of the hit list
// (the hit's ordinal in text form, a blank, its hit text; beyond kListedHits one closing line
// says how many more hits were counted).
struct SearchDisplay {
    std::string ritardo;
    std::string ritMax;
    std::string frequenza;
    std::vector<std::string> listLines;
};
SearchDisplay ShowSearch(const SearchResult& result);
// The line that stands for hits beyond kListedHits in the list and in the report.
std::string MoreHitsLine(long long more);

}  // namespace fortunara
