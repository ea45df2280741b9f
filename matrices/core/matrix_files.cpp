#include "matrices/core/matrix_files.h"

#include <algorithm>
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

int WholeField(const std::string& line) {
    const long long value = FieldNumber(line);
    return static_cast<int>(std::clamp<long long>(value, -2147483647LL, 2147483647LL));
}

// Reads N, B, T, the numbers and the ten comments, one line at a time. The numbers stop after
// kMatrixNumbersRead: a file that holds more is cut there and says so. A file that cannot be read
// is named as `shown`.
MatrixRead ReadMatrixData(const std::filesystem::path& file, const std::string& shown) {
    MatrixRead read;
    TextLineReader in(file);
    if (!in.ok()) {
        read.error = "IMPOSSIBILE LEGGERE IL FILE " + shown;
        return read;
    }
    const auto finish = [&read, &in]() -> MatrixRead& {
        if (read.cut.empty()) read.cut = in.Cut();
        return read;
    };
    std::string line;
    int* header[] = {&read.data.numberCount, &read.data.comboCount, &read.data.comboSize};
    for (int* field : header) {
        if (!in.Next(line)) return finish();
        *field = WholeField(line);
    }
    const long long expected =
        std::max(0LL, static_cast<long long>(read.data.comboCount)) * std::max(0, read.data.comboSize);
    const long long kept = std::min<long long>(expected, kMatrixNumbersRead);
    read.data.numbers.reserve(static_cast<std::size_t>(kept));
    for (long long i = 0; i < kept; ++i) {
        if (!in.Next(line)) return finish();
        read.data.numbers.push_back(WholeField(line));
    }
    if (kept < expected) {
        if (in.Next(line)) read.cut = TooLongMessage(file, Plain(kMatrixNumbersRead) + " NUMERI");
        return finish();
    }
    for (std::string& comment : read.data.comments) {
        if (!in.Next(line)) return finish();
        comment = FieldText(line);
        ++read.commentsRead;
    }
    read.complete = true;
    return finish();
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
                                    const std::vector<std::string>& lines) {
    std::error_code error;
    std::filesystem::create_directories(MatrixFolder(programFolder), error);
    return ReplaceTextFile(MatrixFolder(programFolder) / name, lines);
}

FileOutcome WriteMatrixFile(const std::filesystem::path& programFolder, const std::string& name, const MatrixData& data,
                            const EntryProgress& onEntry) {
    return ReplaceMatrixFolderFile(programFolder, name, FileLines(data, NumberLines::Plain, onEntry));
}

MatrixRead ReadMatrixFile(const std::filesystem::path& programFolder, const std::string& name) {
    return ReadMatrixData(MatrixFolder(programFolder) / name, name);
}

FileOutcome WriteSystemFile(const std::filesystem::path& file, const MatrixData& data) {
    return ReplaceTextFile(file, FileLines(data, NumberLines::Quoted));
}

MatrixRead ReadSystemFile(const std::filesystem::path& file) {
    // A played system lies wherever the user keeps it: its folder tells which file it is.
    return ReadMatrixData(file, file.string());
}

}  // namespace fortunara
