#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace fortunara {

// The field as the text output shows it: every control character (a stray CR, NUL or ESC of a
// damaged archive) becomes "?", so no byte of the archive can move the cursor or cut a line.
std::string Printable(std::string_view field);
// The field as CSV: its bytes as they are, in double quotes (inner ones doubled) when it holds a
// comma, a double quote, CR, LF or a blank.
std::string CsvField(std::string_view field);
// Writes a message for the user on its own line(s): the line ends it holds stay, every other
// control character (one typed in an argument or read from a file) is shown as in Printable.
void WriteMessage(std::ostream& err, std::string_view message);

// Writes records one per line as they come: fields separated by one blank, or as CSV under a header
// line, written at once so that a table without rows still has it. Nothing is held but one line.
class RecordWriter {
public:
    RecordWriter(std::ostream& out, bool csv, const std::vector<std::string>& header);
    void Row(const std::vector<std::string>& fields);

private:
    std::ostream& out_;
    bool csv_;
    std::string line_;
};

// A heading record with its details, written as the details come (a search's figures and its hits,
// a forecast's numbers and its outcomes). Text: the heading on a line of its own, then one line per
// detail. CSV: one table whose rows start with the heading's fields; a heading without details still
// has its row, with the detail fields empty, written by End.
class HeadedWriter {
public:
    HeadedWriter(std::ostream& out, bool csv, const std::vector<std::string>& headingHeader,
                 std::vector<std::string> heading, const std::vector<std::string>& detailHeader);
    void Detail(const std::vector<std::string>& fields);
    void End();

private:
    bool csv_;
    std::vector<std::string> heading_;
    std::size_t detailFields_;
    RecordWriter writer_;
    std::vector<std::string> row_;
    bool detailed_ = false;
};

}  // namespace fortunara
