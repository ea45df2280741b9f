#include "matrices/core/matrix_index.h"

#include "matrices/core/matrix_files.h"

namespace fortunara {

namespace {

const char kIndexName[] = "SISTEMI.TXT";

// The index as it stands, or why no name can be added to it.
FileOutcome IndexWithRoom(const std::filesystem::path& programFolder, std::size_t count, MatrixIndex& index) {
    index = ReadMatrixIndex(programFolder);
    if (!index.ok()) return {index.error};
    if (!index.cut.empty()) return {index.cut};  // rewriting would lose the rest of the long line
    if (index.Entries().size() + count > static_cast<std::size_t>(kMatrixIndexCapacity)) {
        return {"L'ELENCO DELLE MATRICI E' PIENO: NON SI POSSONO REGISTRARE PIU' DI 499 MATRICI"};
    }
    return {};
}

// The lines of the index with the names added at the end, or why they cannot be added.
FileOutcome IndexLinesWith(const std::filesystem::path& programFolder, const std::vector<std::string>& names,
                           std::vector<std::string>& lines) {
    MatrixIndex index;
    if (FileOutcome room = IndexWithRoom(programFolder, names.size(), index); !room.ok()) return room;
    lines = {QuotedTextLine("")};
    for (const std::string& entry : index.Entries()) lines.push_back(QuotedTextLine(entry));
    for (const std::string& name : names) lines.push_back(QuotedTextLine(name));
    lines.push_back(QuotedTextLine("STOP"));
    return {};
}

}  // namespace

std::vector<std::string> MatrixIndex::Entries() const {
    if (lines.size() < 2) return {};
    return std::vector<std::string>(lines.begin() + 1, lines.end() - 1);
}

MatrixIndex ReadMatrixIndex(const std::filesystem::path& programFolder) {
    MatrixIndex index;
    const std::filesystem::path path = MatrixFolder(programFolder) / kIndexName;
    std::error_code missing;
    if (!std::filesystem::exists(path, missing) && !missing) {
        index.lines = {"", "STOP"};
        return index;
    }
    TextLineReader file(path);
    if (!file.ok()) {
        index.error = "IMPOSSIBILE LEGGERE L'ELENCO DELLE MATRICI matrion/SISTEMI.TXT";
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

FileOutcome CheckMatrixRoom(const std::filesystem::path& programFolder, std::size_t count) {
    MatrixIndex index;
    return IndexWithRoom(programFolder, count, index);
}

FileOutcome RegisterMatrix(const std::filesystem::path& programFolder, const std::string& name,
                           std::uintmax_t writeLimit) {
    return RegisterMatrices(programFolder, {name}, writeLimit);
}

FileOutcome RegisterMatrices(const std::filesystem::path& programFolder, const std::vector<std::string>& names,
                             std::uintmax_t writeLimit) {
    std::vector<std::string> lines;
    if (FileOutcome room = IndexLinesWith(programFolder, names, lines); !room.ok()) return room;
    return ReplaceMatrixFolderFile(programFolder, kIndexName, lines, writeLimit);
}

FileOutcome WriteRegisteredMatrix(const std::filesystem::path& programFolder, const std::string& name,
                                  const std::vector<std::string>& lines, std::uintmax_t writeLimit) {
    std::vector<std::string> index;
    if (FileOutcome room = IndexLinesWith(programFolder, {name}, index); !room.ok()) return room;
    const std::filesystem::path folder = MatrixFolder(programFolder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return ReplaceTextFiles({{folder / name, lines}, {folder / kIndexName, index}}, writeLimit);
}

}  // namespace fortunara
