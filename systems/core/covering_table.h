#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fortunara {

// The bundled table of the smallest known coverings with tickets of six numbers: for v numbers and
// t = 2..5, the fewest tickets known to hold every set of t of the v numbers, with the Schönheim
// lower bound. Its figures come from the La Jolla Covering Repository.
struct BestCovering {
    int numbers = 0;  // v
    int atLeast = 0;  // t
    long long lowerBound = 0;
    long long bestKnown = 0;
    bool proven = false;  // no covering of fewer tickets exists
    std::string source;   // the repository's page for the cell
};

// Where the table lies below the program folder (and below the bundled assets).
inline constexpr std::string_view kCoveringTableFile = "dati/coverings-k6.csv";
// How the program names the table's source wherever it shows its figures.
inline constexpr std::string_view kCoveringTableSource = "LA JOLLA COVERING REPOSITORY (2017)";

// The cells of the table's CSV text (a header, then v,t,bound,best,proven,source a line); lines that
// do not read as a cell are skipped.
std::vector<BestCovering> ParseCoveringTable(std::string_view text);

// The table below the folder; empty when it cannot be read.
std::vector<BestCovering> ReadCoveringTable(const std::filesystem::path& folder);

std::optional<BestCovering> FindCovering(const std::vector<BestCovering>& table, int numbers, int atLeast);

}  // namespace fortunara
