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

// Writes records one per line: fields separated by one blank, or as CSV with a header line.
class RecordWriter {
public:
    RecordWriter(std::ostream& out, bool csv, std::vector<std::string> header);
    void Row(const std::vector<std::string>& fields);

private:
    void Line(const std::vector<std::string>& fields);

    std::ostream& out_;
    bool csv_;
    std::vector<std::string> header_;
    bool headerWritten_ = false;
};

// Records under one header: the header and the rows.
struct Records {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// A heading record with its details (a search's figures and its hits, a forecast's numbers and
// its outcomes). Text: the heading on a line of its own, then one line per detail. CSV: one table
// whose rows start with the heading's fields; a heading without details still has its row, with
// the detail fields empty.
void WriteHeadedRecords(std::ostream& out, bool csv, const std::vector<std::string>& headingHeader,
                        const std::vector<std::string>& heading, const Records& details);

}  // namespace fortunara
