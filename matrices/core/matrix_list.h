#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fortunara {

// One matrix of the library as the lists show it.
struct MatrixListEntry {
    std::string fileName;  // as registered in the index, e.g. "12N03006.SIS"
    std::string listText;  // e.g. "12 NUMERI  30 SESTINE"
    bool operator==(const MatrixListEntry&) const = default;
};

struct MatrixList {
    std::vector<MatrixListEntry> entries;  // index order: the position in the list is the entry's index
    std::string error;                     // Italian, set when the index cannot be read
    std::string cut;                       // Italian, set when a line of the index was cut
    bool ok() const { return error.empty(); }
};

// "AMBATE" for "01" ... "DECINE" for "10"; empty for any other code.
std::string_view MatrixTypeLabel(std::string_view code);
// The quantity a matrix name stands for: the numeric value of its first two characters.
int MatrixQuantity(std::string_view fileName);
// Quantity as written in the name, " NUMERI ", the combinations with a sign place, the type label:
// "12N03006.SIS" -> "12 NUMERI  30 SESTINE".
std::string MatrixListText(std::string_view fileName);

// The registered names (header and "STOP" excluded) whose quantity is q, in index order. Only a
// quantity of 1 to 90 can have matrices: any other lists nothing, so a header or a name that
// does not start with a number is never offered as a matrix.
std::vector<MatrixListEntry> MatricesFor(const std::vector<std::string>& registeredNames, int quantity);
// Reads the index of the program's matrix folder and lists the matrices for q.
MatrixList ListMatrices(const std::filesystem::path& programFolder, int quantity);

}  // namespace fortunara
