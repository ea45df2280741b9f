#include "app/cli/cli_output.h"

#include <algorithm>

namespace fortunara {

std::string Printable(std::string_view field) {
    std::string shown(field);
    std::replace_if(
        shown.begin(), shown.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, '?');
    return shown;
}

std::string CsvField(std::string_view field) {
    // The blank is quoted too: lists of numbers ("1 2 3") have always come quoted.
    if (field.find_first_of(",\"\r\n ") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

RecordWriter::RecordWriter(std::ostream& out, bool csv, std::vector<std::string> header)
    : out_(out), csv_(csv), header_(std::move(header)) {}

void RecordWriter::Line(const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out_ << (csv_ ? ',' : ' ');
        out_ << (csv_ ? CsvField(fields[i]) : Printable(fields[i]));
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

void WriteHeadedRecords(std::ostream& out, bool csv, const std::vector<std::string>& headingHeader,
                        const std::vector<std::string>& heading, const Records& details) {
    if (!csv) {
        RecordWriter lines(out, false, {});
        lines.Row(heading);
        for (const std::vector<std::string>& row : details.rows) lines.Row(row);
        return;
    }
    std::vector<std::string> header = headingHeader;
    header.insert(header.end(), details.header.begin(), details.header.end());
    RecordWriter table(out, true, header);
    const auto joined = [&heading](const std::vector<std::string>& detail) {
        std::vector<std::string> row = heading;
        row.insert(row.end(), detail.begin(), detail.end());
        return row;
    };
    if (details.rows.empty()) table.Row(joined(std::vector<std::string>(details.header.size())));
    for (const std::vector<std::string>& row : details.rows) table.Row(joined(row));
}

}  // namespace fortunara
