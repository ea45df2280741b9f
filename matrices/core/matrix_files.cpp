#include "matrices/core/matrix_files.h"

#include <algorithm>
#include <bitset>
#include <system_error>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

enum class NumberLines { Plain, Quoted };

std::vector<std::string> FileLines(const MatrixData& data, NumberLines encoding, const EntryProgress& onEntry = {}) {
    const auto number = [encoding](long long n) {
        return encoding == NumberLines::Plain ? PlainNumberLine(n) : QuotedNumberLine(n);
    };
    std::vector<std::string> lines;
    lines.reserve(data.numbers.size() + 13);
    lines.push_back(number(data.numberCount));
    lines.push_back(number(data.comboCount));
    lines.push_back(number(data.comboSize));
    for (const int n : data.numbers) {
        lines.push_back(number(n));
        if (onEntry) onEntry(lines.size() - 3);
    }
    for (const std::string& comment : data.comments) lines.push_back(QuotedTextLine(comment));
    return lines;
}

enum class FileKind { Matrix, PlayedSystem };

int WholeField(const std::string& line) {
    const long long value = FieldNumber(line);
    return static_cast<int>(std::clamp<long long>(value, -2147483647LL, 2147483647LL));
}

std::string Named(const std::filesystem::path& file) {
    return "IL FILE " + file.filename().string();
}

// Reads N, B, T, the numbers and the ten comments, one line at a time, up to where the file ends.
// The numbers stop after kMatrixNumbersRead; true when the file held more of them than that.
bool ReadFields(TextLineReader& in, MatrixRead& read) {
    std::string line;
    int* header[] = {&read.data.numberCount, &read.data.comboCount, &read.data.comboSize};
    for (int* field : header) {
        if (!in.Next(line)) return false;
        *field = WholeField(line);
    }
    const long long expected =
        std::max(0LL, static_cast<long long>(read.data.comboCount)) * std::max(0, read.data.comboSize);
    const long long kept = std::min<long long>(expected, kMatrixNumbersRead);
    read.data.numbers.reserve(static_cast<std::size_t>(kept));
    for (long long i = 0; i < kept; ++i) {
        if (!in.Next(line)) return false;
        read.data.numbers.push_back(WholeField(line));
    }
    if (kept < expected) return in.Next(line);
    for (std::string& comment : read.data.comments) {
        if (!in.Next(line)) return false;
        comment = FieldText(line);
        ++read.commentsRead;
    }
    read.complete = true;
    return false;
}

// The three first lines must describe a system, the file must hold the numbers they promise, each
// a position of the matrix (1 to N) or a lottery number (1 to 90). A combination holding a value
// twice is told apart: it can still be played and checked, the value counting once.
void CheckContent(const std::filesystem::path& file, FileKind kind, bool capped, MatrixRead& read) {
    const MatrixData& data = read.data;
    const std::string name = Named(file);
    const bool matrix = kind == FileKind::Matrix;
    if (matrix && (data.numberCount < 1 || data.numberCount > 90)) {
        read.faults.push_back(name + " DICE " + Plain(data.numberCount) +
                              " NUMERI DEL SISTEMA: DEVONO ESSERE DA 1 A 90");
    }
    // A played system's N also counts the numbers its tickets leave out, but never beyond the 90.
    if (!matrix && data.numberCount > 90) {
        read.faults.push_back(name + " DICE " + Plain(data.numberCount) + " NUMERI DEL SISTEMA: SONO AL MASSIMO 90");
    }
    if (data.comboCount < 1) read.faults.push_back(name + " NON HA COMBINAZIONI: NE DICE " + Plain(data.comboCount));
    if (data.comboSize < 1) {
        read.faults.push_back(name + " NON HA NUMERI NELLE COMBINAZIONI: NE DICE " + Plain(data.comboSize) +
                              " PER COMBINAZIONE");
    }
    if (!read.faults.empty()) return;
    // A file that ends early has its comment lines, if any, read as numbers: say where it ends.
    const long long numbers = static_cast<long long>(data.comboCount) * data.comboSize;
    if (!capped && static_cast<long long>(data.numbers.size()) < numbers) {
        read.faults.push_back(name + " DICE " + Plain(data.comboCount) +
                              " COMBINAZIONI MA FINISCE PRIMA: " + Plain(static_cast<long long>(data.numbers.size())) +
                              " RIGHE DOPO LE PRIME TRE, NE SERVONO " + Plain(numbers + 10));
        return;
    }
    const std::size_t size = static_cast<std::size_t>(data.comboSize);
    const int most = matrix ? data.numberCount : 90;
    const auto value = [&](std::size_t k) {
        return name + (matrix ? " HA LA POSIZIONE " : " HA IL NUMERO ") + Plain(data.numbers[k]);
    };
    const auto where = [size](std::size_t k) {
        return " NELLA COMBINAZIONE " + Plain(static_cast<long long>(k / size) + 1);
    };
    std::bitset<91> seen;
    for (std::size_t k = 0; k < data.numbers.size(); ++k) {
        if (k % size == 0) seen.reset();
        const int v = data.numbers[k];
        if (v < 1 || v > most) {
            read.faults.push_back(value(k) + where(k) + (matrix ? ": LE POSIZIONI" : ": I NUMERI") + " VANNO DA 1 A " +
                                  Plain(most));
            break;
        }
        if (seen.test(static_cast<std::size_t>(v)) && read.repeat.empty()) {
            read.repeat = value(k) + " DUE VOLTE" + where(k) + ": CONTA UNA VOLTA SOLA";
        }
        seen.set(static_cast<std::size_t>(v));
    }
}

MatrixRead ReadMatrixData(const std::filesystem::path& file, FileKind kind) {
    MatrixRead read;
    TextLineReader in(file);
    if (!in.ok()) {
        // A played system lies wherever the user keeps it: the path asked for tells which file it is.
        read.error = kind == FileKind::PlayedSystem ? "IMPOSSIBILE LEGGERE IL FILE " + file.string() : in.Error();
        return read;
    }
    const bool capped = ReadFields(in, read);
    if (capped) read.cut = TooLongMessage(file, Plain(kMatrixNumbersRead) + " NUMERI");
    if (read.cut.empty()) read.cut = in.Cut();
    CheckContent(file, kind, capped, read);
    return read;
}

// Why the lines of `data` may not replace the file, or nothing: a file that would not read back
// whole (more numbers than the readers take, or a header that does not match them), or an old file
// the readers cut, whose part read would take the place of the whole.
std::string ReplacementRefusal(const std::filesystem::path& file, const MatrixData& data) {
    const std::string cannot = "IMPOSSIBILE SCRIVERE IL FILE " + file.filename().string() + ": ";
    if (data.numbers.size() > static_cast<std::size_t>(kMatrixNumbersRead)) {
        return cannot + "IL SISTEMA HA PIU' DI " + Plain(kMatrixNumbersRead) + " NUMERI";
    }
    const long long promised = static_cast<long long>(std::max(data.comboCount, 0)) * std::max(data.comboSize, 0);
    if (promised != static_cast<long long>(data.numbers.size())) {
        return cannot + "IL SISTEMA NON HA TUTTI I NUMERI DELLE SUE COMBINAZIONI";
    }
    TextLineReader old(file);
    if (!old.ok()) return {};
    MatrixRead read;
    if (ReadFields(old, read) || !old.Cut().empty()) {
        return Named(file) +
               " E' PIU' LUNGO DI QUANTO IL PROGRAMMA LEGGE: NON VIENE SOSTITUITO, SALVA CON UN "
               "ALTRO NOME";
    }
    return {};
}

}  // namespace

std::filesystem::path MatrixFolder(const std::filesystem::path& programFolder) {
    return programFolder / "matrion";
}

std::optional<std::string> MatrixFileName(int numberCount, int comboCount, int comboSize) {
    if (numberCount < 0 || numberCount > 99 || comboCount < 0 || comboCount > 999 || comboSize < 0 || comboSize > 99) {
        return std::nullopt;
    }
    const std::string b = Plain(comboCount);
    return TwoDigits(numberCount) + "N" + std::string(3 - b.size(), '0') + b + TwoDigits(comboSize) + ".SIS";
}

FileOutcome ReplaceMatrixFolderFile(const std::filesystem::path& programFolder, const std::string& name,
                                    const std::vector<std::string>& lines, std::uintmax_t writeLimit) {
    std::error_code error;
    std::filesystem::create_directories(MatrixFolder(programFolder), error);
    return ReplaceTextFile(MatrixFolder(programFolder) / name, lines, writeLimit);
}

std::string MatrixRead::Notice() const {
    std::string text = cut;
    for (const std::string& line : faults) text += (text.empty() ? "" : "\n") + line;
    if (!repeat.empty()) text += (text.empty() ? "" : "\n") + repeat;
    return text;
}

FileOutcome MatrixFileLines(const std::filesystem::path& programFolder, const std::string& name, const MatrixData& data,
                            const EntryProgress& onEntry, std::vector<std::string>& lines) {
    std::string refusal = ReplacementRefusal(MatrixFolder(programFolder) / name, data);
    if (!refusal.empty()) return {std::move(refusal)};
    lines = FileLines(data, NumberLines::Plain, onEntry);
    return {};
}

FileOutcome WriteMatrixFile(const std::filesystem::path& programFolder, const std::string& name, const MatrixData& data,
                            const EntryProgress& onEntry, std::uintmax_t writeLimit) {
    std::vector<std::string> lines;
    if (FileOutcome refused = MatrixFileLines(programFolder, name, data, onEntry, lines); !refused.ok()) return refused;
    return ReplaceMatrixFolderFile(programFolder, name, lines, writeLimit);
}

MatrixRead ReadMatrixFile(const std::filesystem::path& programFolder, const std::string& name) {
    return ReadMatrixData(MatrixFolder(programFolder) / name, FileKind::Matrix);
}

FileOutcome WriteSystemFile(const std::filesystem::path& file, const MatrixData& data, std::uintmax_t writeLimit) {
    std::string refusal = ReplacementRefusal(file, data);
    if (!refusal.empty()) return {std::move(refusal)};
    return ReplaceTextFile(file, FileLines(data, NumberLines::Quoted), writeLimit);
}

MatrixRead ReadSystemFile(const std::filesystem::path& file) {
    return ReadMatrixData(file, FileKind::PlayedSystem);
}

}  // namespace fortunara
