#include "matrices/core/text_fields.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

#include "platform/text/cp1252.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string PlainNumberLine(long long n) {
    return PrintedNumber(n);
}

std::string QuotedNumberLine(long long n) {
    return '"' + Plain(n) + '"';
}

std::string QuotedTextLine(std::string_view text) {
    std::string line = "\"";
    for (const char c : text) line += c == '"' ? '\'' : c;
    return line + '"';
}

std::string FieldText(std::string_view line) {
    const std::string_view field = TrimBlanks(line);
    if (!field.empty() && field.front() == '"') {
        const std::size_t close = field.find('"', 1);
        return std::string(field.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    }
    return std::string(TrimBlanks(field.substr(0, field.find(','))));
}

long long FieldNumber(std::string_view line) {
    const std::string text = FieldText(line);
    double value = 0;
    const char* begin = text.data();
    if (!text.empty() && text.front() == '+') ++begin;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (error != std::errc() || end == begin || !std::isfinite(value)) return 0;
    if (std::fabs(value) > 9e18) return 0;
    return std::llround(value);
}

TextLines ReadTextLines(const std::filesystem::path& file) {
    TextLines result;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        result.error = "IMPOSSIBILE LEGGERE IL FILE " + file.filename().string();
        return result;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        result.lines.push_back(Cp1252ToUtf8(line));
        start = end + 1;
    }
    return result;
}

FileOutcome ReplaceTextFile(const std::filesystem::path& file, const std::vector<std::string>& lines,
                            std::uintmax_t writeLimit) {
    FileReplacement out(file, writeLimit);
    for (const std::string& line : lines) {
        if (!out.Write(Utf8ToCp1252(line)) || !out.Write("\r\n")) break;
    }
    if (!out.Commit()) return {"IMPOSSIBILE SCRIVERE IL FILE " + file.filename().string()};
    return {};
}

}  // namespace fortunara
