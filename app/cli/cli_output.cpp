#include "app/cli/cli_output.h"

namespace fortunara {

namespace {

std::string CsvField(const std::string& field) {
    if (field.find_first_of(",\"\n ") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

RecordWriter::RecordWriter(std::ostream& out, bool csv, std::vector<std::string> header)
    : out_(out), csv_(csv), header_(std::move(header)) {}

void RecordWriter::Line(const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out_ << (csv_ ? ',' : ' ');
        out_ << (csv_ ? CsvField(fields[i]) : fields[i]);
    }
    out_ << '\n';
}

void RecordWriter::Row(const std::vector<std::string>& fields) {
    if (csv_ && !headerWritten_) {
        Line(header_);
        headerWritten_ = true;
    }
    Line(fields);
}

}  // namespace fortunara
