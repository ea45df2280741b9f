#include "matrices/core/matrix_editor.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "platform/text/cp1252.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

std::string WithoutBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string QuantityRefusal(int comboSize) {
    return "LA QUANTITA' DI NUMERI DEVE ESSERE UN NUMERO INTERO DA " + TextForm(comboSize) + " A " +
           Plain(kMostMatrixNumbers);
}

}  // namespace

NewMatrix CheckNewMatrix(const std::filesystem::path& programFolder, const std::string& quantityText,
                         const std::string& comboText, int comboSize) {
    NewMatrix matrix;
    matrix.quantityText = quantityText;
    matrix.comboText = comboText;
    matrix.comboSize = comboSize;
    const bool sized = comboSize >= kFewestPerCombination && comboSize <= kMostPerCombination;
    if (NumericValue(quantityText) == 0 || NumericValue(comboText) == 0 || !sized) {
        matrix.refusal = kMissingParameter;
        return matrix;
    }
    // A combination holds different positions, so the quantity is at least the size.
    const std::optional<int> quantity = WholeNumber(quantityText, kMostMatrixNumbers);
    if (!quantity || *quantity < comboSize) {
        matrix.refusal = QuantityRefusal(comboSize);
        return matrix;
    }
    const std::optional<int> combinations = WholeNumber(comboText, kMostMatrixCombinations);
    if (!combinations || *combinations < 1) {
        matrix.refusal = "LE BOLLETTE DEVONO ESSERE UN NUMERO INTERO DA 1 A " + Plain(kMostMatrixCombinations) +
                         ": IL NOME DELLA MATRICE NE TIENE AL MASSIMO " + Plain(kMostMatrixCombinations);
        return matrix;
    }
    if (const FileOutcome room = CheckMatrixRoom(programFolder); !room.ok()) {
        matrix.refusal = room.error;
        return matrix;
    }
    matrix.quantity = *quantity;
    matrix.combinations = *combinations;
    matrix.name = *MatrixFileName(matrix.quantity, matrix.combinations, comboSize);
    std::error_code error;
    matrix.exists = std::filesystem::exists(MatrixFolder(programFolder) / matrix.name, error);
    return matrix;
}

std::string ReplaceMatrixQuestion(const std::string& name) {
    return "IL FILE " + name + " C'E' GIA' NELLA CARTELLA matrion: LA NUOVA MATRICE LO SOSTITUISCE. CONTINUO?";
}

MatrixEntry::MatrixEntry(const NewMatrix& matrix) : matrix_(matrix) {
    positions_.reserve(static_cast<std::size_t>(matrix.combinations) * static_cast<std::size_t>(matrix.comboSize));
}

MatrixEntry::Step MatrixEntry::Take(const std::string& answer) {
    refusal_.clear();
    finishedRow_.reset();
    const std::optional<int> value = WholeNumber(answer, matrix_.quantity);
    if (!value || *value < 1) {
        refusal_ = "I NUMERI DEVONO ESSERE DA 1 A " + TextForm(matrix_.quantity);
        return Step::AskAgain;
    }
    if (std::find(row_.begin(), row_.end(), *value) != row_.end()) {
        refusal_ = "IL NUMERO " + Plain(*value) + " C'E' GIA' IN QUESTA BOLLETTA";
        return Step::AskAgain;
    }
    row_.push_back(*value);
    positions_.push_back(*value);
    rowText_ += (*value < 10 ? "    " : "  ") + WithoutBlanks(answer);
    if (static_cast<int>(row_.size()) == matrix_.comboSize) {
        finishedRow_ = "    " + rowText_;
        rowText_.clear();
        row_.clear();
        ++combination_;
    }
    return combination_ > matrix_.combinations ? Step::Done : Step::Next;
}

std::vector<std::string> MatrixEntry::Lines() const {
    std::vector<std::string> lines = {matrix_.quantityText, matrix_.comboText, PlainNumberLine(matrix_.comboSize)};
    for (const int position : positions_) lines.push_back(PlainNumberLine(position));
    return lines;
}

FileOutcome WriteTypedMatrix(const std::filesystem::path& programFolder, const std::string& name,
                             const MatrixEntry& entry, bool finished, std::uintmax_t writeLimit) {
    if (finished) return WriteRegisteredMatrix(programFolder, name, entry.Lines(), writeLimit);
    return ReplaceMatrixFolderFile(programFolder, name, entry.Lines(), writeLimit);
}

std::string MissingMatrixFile(const std::filesystem::path& programFolder, const std::string& name) {
    // The check window leaves a line break as the name: no file can be called so.
    const bool named = !name.empty() && name.find_first_of("\r\n/\\") == std::string::npos;
    if (!named) return "NESSUNA MATRICE: PRIMA SCRIVINE UNA CON \"NUMERI\"";
    std::error_code error;
    if (std::filesystem::is_regular_file(MatrixFolder(programFolder) / name, error)) return {};
    return "IL FILE " + name + " NON C'E' NELLA CARTELLA matrion";
}

std::string CommentPrompt(int i) {
    return "IMMETTI IL COMMENTO N' " + TextForm(i);
}

FileOutcome WriteMatrixComments(const std::filesystem::path& programFolder, const std::string& name,
                                const std::vector<std::string>& comments, std::uintmax_t writeLimit) {
    const std::filesystem::path file = MatrixFolder(programFolder) / name;
    const auto unwritable = [&name] { return FileOutcome{"IMPOSSIBILE SCRIVERE IL FILE " + name}; };
    FileReplacement out(file, writeLimit);
    {
        std::ifstream in(file, std::ios::binary);
        if (!in) return {"IMPOSSIBILE LEGGERE IL FILE " + name};
        // The header says how many lines the positions take; the lines are copied byte for byte.
        long long keep = 3;
        std::string line;
        for (long long k = 0; k < keep && std::getline(in, line); ++k) {
            const bool ended = !in.eof();
            if (k == 1 || k == 2) {
                constexpr long long kMost = 1000000000;  // B * T stays far from overflowing
                const long long value = std::clamp(FieldNumber(line.substr(0, line.find('\r'))), 0LL, kMost);
                keep = k == 1 ? 3 + value : 3 + (keep - 3) * value;
            }
            if (!out.Write(line) || !out.Write(ended ? "\n" : "\r\n")) return unwritable();
        }
    }
    for (int i = 0; i < kMatrixComments; ++i) {
        const std::string text = i < static_cast<int>(comments.size()) ? comments[static_cast<std::size_t>(i)] : "";
        if (!out.Write(Utf8ToCp1252(QuotedTextLine(text))) || !out.Write("\r\n")) return unwritable();
    }
    if (!out.Commit()) return unwritable();
    return {};
}

}  // namespace fortunara
