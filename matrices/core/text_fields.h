#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/file_replacement.h"

namespace fortunara {

// The matrix library's files hold one field per line, in one of two encodings: a plain line
// (" 12 ", or a text unchanged) or a quoted line ("12", or the text between double quotes).

std::string PlainNumberLine(long long n);
std::string QuotedNumberLine(long long n);
// The format has no escape for a double quote inside a quoted text: it is written as an apostrophe,
// so that the text reads back whole instead of being cut at the quote.
std::string QuotedTextLine(std::string_view text);

// The reading rule shared by every reader: blanks around the field are ignored; a field that
// starts with a double quote ends at the next one; any other field ends at the first comma.
std::string FieldText(std::string_view line);
// The field as a decimal value rounded to a whole number; empty or non-numeric gives 0.
long long FieldNumber(std::string_view line);

struct FileOutcome {
    std::string error;  // Italian, empty when all went well
    bool ok() const { return error.empty(); }
};

// A line keeps its first kLongestLine bytes; the formats' fields are a few characters long.
inline constexpr std::size_t kLongestLine = 4096;

// What a reader says when a file held more than it reads: "IL FILE name E' TROPPO LUNGO: LETTO
// FINO A " + what was read ("10000 NUMERI").
std::string TooLongMessage(const std::filesystem::path& file, std::string_view read);

// Reads a Windows-1252 text file with CR LF (or LF) line ends one line at a time, so that reading
// costs the lines a reader keeps, whatever the size of the file.
class TextLineReader {
public:
    explicit TextLineReader(const std::filesystem::path& file);

    // Italian, set when the file could not be opened.
    const std::string& Error() const { return error_; }
    bool ok() const { return error_.empty(); }
    // The next line in UTF-8, without its line end; false at the end of the file.
    bool Next(std::string& line);
    // Set once a line longer than kLongestLine was cut: the message for the user.
    const std::string& Cut() const { return cut_; }

private:
    std::filesystem::path file_;
    std::ifstream in_;
    std::string raw_;
    std::string error_;
    std::string cut_;
};

// Replaces the file as a whole with the lines in Windows-1252, each ended by CR LF, through a
// FileReplacement: a failure leaves the old file as it was. writeLimit is the tests' full disk.
FileOutcome ReplaceTextFile(const std::filesystem::path& file, const std::vector<std::string>& lines,
                            std::uintmax_t writeLimit = kNoWriteLimit);

struct TextFile {
    std::filesystem::path file;
    std::vector<std::string> lines;
};
// Replaces the files together, each as ReplaceTextFile does: every one is written whole beside its
// place before any takes its place, so a write that fails leaves all of them as they were. The
// write limit counts the bytes of all of them.
FileOutcome ReplaceTextFiles(const std::vector<TextFile>& files, std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
