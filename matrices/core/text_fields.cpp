#include "matrices/core/text_fields.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <system_error>

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

std::string TooLongMessage(const std::filesystem::path& file, std::string_view read) {
    return "IL FILE " + file.filename().string() + " E' TROPPO LUNGO: LETTO FINO A " + std::string(read);
}

TextLineReader::TextLineReader(const std::filesystem::path& file) : file_(file) {
    // A folder of that name opens, then throws at the first read.
    std::error_code kind;
    if (std::filesystem::is_regular_file(file, kind)) in_.open(file, std::ios::binary);
    if (!in_.is_open() || !in_) error_ = "IMPOSSIBILE LEGGERE IL FILE " + file.filename().string();
    raw_.reserve(kLongestLine + 1);
}

bool TextLineReader::Next(std::string& line) {
    line.clear();
    if (!ok()) return false;
    std::streambuf& bytes = *in_.rdbuf();
    using Traits = std::streambuf::traits_type;
    Traits::int_type c = bytes.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) return false;
    raw_.clear();
    bool longer = false;
    for (; !Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) != '\n'; c = bytes.sbumpc()) {
        // One byte beyond the limit is kept, since it may be the CR of the line end.
        if (raw_.size() <= kLongestLine) {
            raw_ += Traits::to_char_type(c);
        } else {
            longer = true;
        }
    }
    if (!longer && !raw_.empty() && raw_.back() == '\r') raw_.pop_back();
    if (raw_.size() > kLongestLine) {
        raw_.resize(kLongestLine);
        if (cut_.empty()) cut_ = TooLongMessage(file_, std::to_string(kLongestLine) + " CARATTERI PER RIGA");
    }
    line = Cp1252ToUtf8(raw_);
    return true;
}

FileOutcome ReplaceTextFile(const std::filesystem::path& file, const std::vector<std::string>& lines,
                            std::uintmax_t writeLimit) {
    return ReplaceTextFiles({{file, lines}}, writeLimit);
}

FileOutcome ReplaceTextFiles(const std::vector<TextFile>& files, std::uintmax_t writeLimit) {
    const auto cannot = [](const TextFile& file) {
        return "IMPOSSIBILE SCRIVERE IL FILE " + file.file.filename().string();
    };
    std::vector<std::unique_ptr<FileReplacement>> outs;
    std::uintmax_t room = writeLimit;
    for (const TextFile& file : files) {
        std::string bytes;
        for (const std::string& line : file.lines) {
            const std::string text = Utf8ToCp1252(line);
            // The readers would cut such a line: the file would not read back as written.
            if (text.size() > kLongestLine)
                return {cannot(file) + ": UNA RIGA SUPERA " + std::to_string(kLongestLine) + " CARATTERI"};
            bytes += text;
            bytes += "\r\n";
        }
        outs.push_back(std::make_unique<FileReplacement>(file.file, room));
        if (!outs.back()->Write(bytes)) return {cannot(file)};
        room = outs.back()->Room();
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!outs[i]->Commit()) return {cannot(files[i])};
    }
    return {};
}

}  // namespace fortunara
