#include "slips/core/slip_layout.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "matrices/core/matrix_files.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// The values are whole twips, so a corner is a whole number too; wide enough for any box.
int Corner(long long twips) {
    return static_cast<int>(
        std::clamp<long long>(twips, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

SlipLayout LayoutOf(const SlipLayoutTexts& texts) {
    const auto value = [&texts](SlipValue v) { return NumericValue(At(texts, v)); };
    return {value(SlipValue::HO), value(SlipValue::VE), value(SlipValue::IX),
            value(SlipValue::IY), value(SlipValue::DX), value(SlipValue::DY)};
}

SlipSquare SquareOf(int number) {
    return {(number + 7) / kPanelColumns, (number + 7) % kPanelColumns};
}

PrintMark SquareMark(const SlipLayout& layout, int panel, int number) {
    const SlipSquare square = SquareOf(number);
    const long long left = layout.ho + static_cast<long long>(square.column) * layout.ix;
    const long long rows = static_cast<long long>(panel - 1) * kPanelRows + square.row;
    const long long top = layout.ve + rows * layout.iy;
    return {Corner(left), Corner(top), Corner(left + layout.dx), Corner(top + layout.dy)};
}

std::vector<SlipMark> CalibrationMarks(const SlipLayout& layout) {
    std::vector<SlipMark> marks;
    marks.reserve(kSlipPanels * kHighestNumber);
    for (int panel = 1; panel <= kSlipPanels; ++panel) {
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) marks.push_back({panel, n, SquareMark(layout, panel, n)});
    }
    return marks;
}

void PrintMarkedPage(Printer& printer, const std::vector<SlipMark>& marks) {
    for (const SlipMark& mark : marks) printer.Mark(mark.mark);
    printer.NewPage();
    printer.EndJob();
}

std::filesystem::path SlipLayoutPath(const std::filesystem::path& programFolder) {
    return MatrixFolder(programFolder) / kSlipLayoutFile;
}

SlipLayoutRead ReadSlipLayout(const std::filesystem::path& programFolder) {
    SlipLayoutRead read;
    const std::filesystem::path file = SlipLayoutPath(programFolder);
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        read.missing = true;
        return read;
    }
    TextLineReader lines(file);
    if (!lines.ok()) {
        read.error = lines.Error();
        return read;
    }
    std::string line;
    for (std::optional<std::string>& text : read.texts) {
        if (!lines.Next(line)) break;
        text = FieldText(line);
    }
    return read;
}

FileOutcome WriteSlipLayout(const std::filesystem::path& programFolder, const SlipLayoutTexts& texts,
                            std::uintmax_t writeLimit) {
    std::vector<std::string> lines;
    for (const std::string& text : texts) lines.push_back(QuotedTextLine(text));
    FileOutcome written = ReplaceMatrixFolderFile(programFolder, kSlipLayoutFile, lines, writeLimit);
    if (!written.ok()) {
        written.error = "IMPOSSIBILE SCRIVERE IL FILE " + std::string(kSlipLayoutFile) + " NELLA CARTELLA " +
                        MatrixFolder(programFolder).string() + ": I VALORI NON SONO STATI SALVATI";
    }
    return written;
}

}  // namespace fortunara
