#pragma once

#include <array>
#include <string>
#include <vector>

namespace fortunara {

// The table of tab 3: for each quantity q of numbers played (1 to 90), how many terni, quaterne,
// cinquine and sestine it makes, and the sestine divided by six ("+JOLLY").
inline constexpr int kCombinationTableRows = 91;    // row 0 is the header
inline constexpr int kCombinationTableColumns = 7;  // column 6 is spare
inline constexpr int kJollyColumn = 5;
inline constexpr int kSestineColumn = 4;

using CombinationRow = std::array<std::string, kCombinationTableColumns>;

// C(q, k) as the table computes it: the product of k falling factors q, q-1, ... divided by k!,
// in double precision (0 when q < k, since a factor is then 0).
double CombinationCount(int q, int k);

// "+JOLLY" of a row, read back from the text shown under "SESTINE" (full stops included).
std::string JollyCell(const std::string& sestineCell);

// Rows 0 to 90: the header row, then one row per quantity.
std::vector<CombinationRow> CombinationTable();

}  // namespace fortunara
