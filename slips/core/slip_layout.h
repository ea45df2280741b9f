#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "matrices/core/text_fields.h"
#include "platform/api/printer.h"

namespace fortunara {

// The seven layout values of the slip window, each kept as the text of its box, in the order of
// the lines of valori.tab.
enum class SlipValue { VE, HO, T2, IX, DX, IY, DY };
inline constexpr std::size_t kSlipValues = 7;
using SlipLayoutTexts = std::array<std::string, kSlipValues>;

inline std::string& At(SlipLayoutTexts& texts, SlipValue value) {
    return texts[static_cast<std::size_t>(value)];
}
inline const std::string& At(const SlipLayoutTexts& texts, SlipValue value) {
    return texts[static_cast<std::size_t>(value)];
}

// The layout in twips (1/1440 inch) from the top left of the printer's printable area: where the
// first square of the first panel lies (HO, VE), how far one square is from the next (IX, IY) and
// how large a mark is (DX, DY). TAB 2 Schedine is kept in the file only; nothing prints with it.
struct SlipLayout {
    int ho = 0;
    int ve = 0;
    int ix = 0;
    int iy = 0;
    int dx = 0;
    int dy = 0;
};

// Each value is the number at the start of its box's text, in whole twips (a text with no number
// counts 0).
SlipLayout LayoutOf(const SlipLayoutTexts& texts);

// A slip as the program sees it: five panels one below the other, each of 7 rows of 14 squares.
// The numbers run row by row from left to right, the first 8 squares carrying none, so number n
// sits in row (n + 7) / 14 and column (n + 7) % 14, both counted from 0. The rows of the panels
// follow one another at the same distance IY.
inline constexpr int kSlipPanels = 5;
inline constexpr int kPanelRows = 7;
inline constexpr int kPanelColumns = 14;
inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 90;

struct SlipSquare {
    int row = 0;
    int column = 0;
    bool operator==(const SlipSquare&) const = default;
};
SlipSquare SquareOf(int number);

// The mark over number n (1 to 90) of panel p (1 to 5): from (HO + c * IX, VE + (7 * (p - 1) + r)
// * IY), DX wide and DY high. Corners beyond the range of an int are held at its ends.
PrintMark SquareMark(const SlipLayout& layout, int panel, int number);

// A mark with the square it covers.
struct SlipMark {
    int panel = 0;
    int number = 0;
    PrintMark mark;
};

// The calibration page: every square of the five panels, panel by panel, 1 to 90 in each.
std::vector<SlipMark> CalibrationMarks(const SlipLayout& layout);

// Sends marks as one print job of their own: the page, then the end of the job, so that the
// printer ejects the slip.
void PrintMarkedPage(Printer& printer, const std::vector<SlipMark>& marks);

// valori.tab of the matrix folder: seven lines, each the text of a box between double quotes.
inline constexpr const char* kSlipLayoutFile = "valori.tab";
std::filesystem::path SlipLayoutPath(const std::filesystem::path& programFolder);

struct SlipLayoutRead {
    // The texts of the lines the file holds, in file order; a short file leaves the rest empty.
    std::array<std::optional<std::string>, kSlipValues> texts;
    bool missing = false;  // there is no such file: nothing to load, nothing to say
    std::string error;     // Italian, set when a file is there but cannot be read
};
SlipLayoutRead ReadSlipLayout(const std::filesystem::path& programFolder);

// Replaces valori.tab as a whole (the matrix folder made when it is missing); a failure leaves the
// file as it was and says so.
// writeLimit: the tests' full disk.
FileOutcome WriteSlipLayout(const std::filesystem::path& programFolder, const SlipLayoutTexts& texts,
                            std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
