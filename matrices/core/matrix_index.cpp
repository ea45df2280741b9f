#include "matrices/core/matrix_index.h"

#include "matrices/core/matrix_files.h"

namespace fortunara {

namespace {

const char kIndexName[] = "SISTEMI.TXT";

}  // namespace

std::vector<std::string> MatrixIndex::Entries() const {
    if (lines.size() < 2) return {};
    return std::vector<std::string>(lines.begin() + 1, lines.end() - 1);
}

MatrixIndex ReadMatrixIndex(const std::filesystem::path& programFolder) {
    MatrixIndex index;
    TextLineReader file(MatrixFolder(programFolder) / kIndexName);
    if (!file.ok()) {
        index.error = "MANCA L'ELENCO DELLE MATRICI matrion/SISTEMI.TXT";
        return index;
    }
    // Reading stops at "STOP", or where the list is full: the rest of the file is never read.
    std::string line;
    while (file.Next(line)) {
        if (static_cast<int>(index.lines.size()) == kMatrixIndexLines) {
            index.lines.clear();
            index.error = "L'ELENCO DELLE MATRICI matrion/SISTEMI.TXT E' PIENO";
            return index;
        }
        index.lines.push_back(FieldText(line));
        if (index.lines.back() == "STOP") {
            index.cut = file.Cut();
            return index;
        }
    }
    index.lines.clear();
    index.error = "L'ELENCO DELLE MATRICI matrion/SISTEMI.TXT NON FINISCE CON \"STOP\"";
    return index;
}

FileOutcome RegisterMatrix(const std::filesystem::path& programFolder, const std::string& name) {
    const MatrixIndex index = ReadMatrixIndex(programFolder);
    if (!index.ok()) return {index.error};
    if (!index.cut.empty()) return {index.cut};  // rewriting would lose the rest of the long line
    std::vector<std::string> entries = index.Entries();
    if (static_cast<int>(entries.size()) >= kMatrixIndexCapacity) {
        return {"L'ELENCO DELLE MATRICI E' PIENO: NON SI POSSONO REGISTRARE PIU' DI 499 MATRICI"};
    }
    std::vector<std::string> lines = {QuotedTextLine("")};
    for (const std::string& entry : entries) lines.push_back(QuotedTextLine(entry));
    lines.push_back(QuotedTextLine(name));
    lines.push_back(QuotedTextLine("STOP"));
    return ReplaceTextFile(MatrixFolder(programFolder) / kIndexName, lines);
}

}  // namespace fortunara
