#pragma once

#include <array>
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
// The combinations a matrix name stands for: the numeric value of its characters 4 to 6.
int MatrixCombinations(std::string_view fileName);
// The label of the type code in characters 7 and 8 ("SESTINE"); empty for an unknown code.
std::string_view MatrixTypeOf(std::string_view fileName);
// Quantity as written in the name, " NUMERI ", the combinations with a sign place, the type label:
// "12N03006.SIS" -> "12 NUMERI  30 SESTINE".
std::string MatrixListText(std::string_view fileName);

// The registered names (header and "STOP" excluded) whose quantity is q, in index order. Only a
// quantity of 1 to 90 can have matrices: any other lists nothing, so a header or a name that
// does not start with a number is never offered as a matrix.
std::vector<MatrixListEntry> MatricesFor(const std::vector<std::string>& registeredNames, int quantity);
// Reads the index of the program's matrix folder and lists the matrices for q.
MatrixList ListMatrices(const std::filesystem::path& programFolder, int quantity);

// The sixteen buttons of Archivio show one page of a listing; further matrices are on the pages
// after it.
inline constexpr int kMatrixButtons = 16;

struct MatrixButtonPage {
    int page = 0;                                      // from 0, within the pages
    int pages = 1;                                     // at least one, also for an empty listing
    int first = 0;                                     // the listing's index of button 0
    int count = 0;                                     // matrices of the listing
    std::array<std::string, kMatrixButtons> captions;  // list texts; " " (one blank) for a button without matrix
    std::array<std::string, kMatrixButtons> files;     // file names; empty for a button without matrix
    bool HasPrevious() const { return page > 0; }
    bool HasNext() const { return page + 1 < pages; }
    // "PAGINA 2 DI 3: SISTEMI DA 17 A 32 DI 40"; empty when one page holds them all.
    std::string Caption() const;
};

// Page `page` of a listing, brought within its pages.
MatrixButtonPage ButtonPage(const std::vector<MatrixListEntry>& entries, int page);

}  // namespace fortunara
