#include "matrices/core/matrix_files.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

enum class NumberLines { Plain, Quoted };

std::vector<std::string> FileLines(const MatrixData& data, NumberLines encoding) {
    const auto number = [encoding](long long n) {
        return encoding == NumberLines::Plain ? PlainNumberLine(n) : QuotedNumberLine(n);
    };
    std::vector<std::string> lines;
    lines.reserve(data.numbers.size() + 13);
    lines.push_back(number(data.numberCount));
    lines.push_back(number(data.comboCount));
    lines.push_back(number(data.comboSize));
    for (const int n : data.numbers) lines.push_back(number(n));
    for (const std::string& comment : data.comments) lines.push_back(QuotedTextLine(comment));
    return lines;
}

int WholeField(const std::string& line) {
    const long long value = FieldNumber(line);
    return static_cast<int>(std::clamp<long long>(value, -2147483647LL, 2147483647LL));
}

MatrixRead ParseMatrixLines(const TextLines& file) {
    MatrixRead read;
    if (!file.ok()) {
        read.error = file.error;
        return read;
    }
    const std::vector<std::string>& lines = file.lines;
    std::size_t next = 0;
    int* header[] = {&read.data.numberCount, &read.data.comboCount, &read.data.comboSize};
    for (int* field : header) {
        if (next == lines.size()) return read;
        *field = WholeField(lines[next++]);
    }
    const long long expected =
        std::max(0LL, static_cast<long long>(read.data.comboCount)) * std::max(0, read.data.comboSize);
    const std::size_t available = lines.size() - next;
    const std::size_t count =
        static_cast<std::size_t>(std::min<long long>(expected, static_cast<long long>(available)));
    read.data.numbers.reserve(count);
    for (std::size_t i = 0; i < count; ++i) read.data.numbers.push_back(WholeField(lines[next++]));
    if (static_cast<long long>(count) < expected) return read;
    for (std::string& comment : read.data.comments) {
        if (next == lines.size()) return read;
        comment = FieldText(lines[next++]);
        ++read.commentsRead;
    }
    read.complete = true;
    return read;
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

FileOutcome WriteMatrixFile(const std::filesystem::path& programFolder, const std::string& name,
                            const MatrixData& data) {
    return ReplaceTextFile(MatrixFolder(programFolder) / name, FileLines(data, NumberLines::Plain));
}

MatrixRead ReadMatrixFile(const std::filesystem::path& programFolder, const std::string& name) {
    return ParseMatrixLines(ReadTextLines(MatrixFolder(programFolder) / name));
}

FileOutcome WriteSystemFile(const std::filesystem::path& file, const MatrixData& data) {
    return ReplaceTextFile(file, FileLines(data, NumberLines::Quoted));
}

MatrixRead ReadSystemFile(const std::filesystem::path& file) {
    return ParseMatrixLines(ReadTextLines(file));
}

}  // namespace fortunara
