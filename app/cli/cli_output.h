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

}  // namespace fortunara
