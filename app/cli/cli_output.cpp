#include "app/cli/cli_output.h"

#include <algorithm>

namespace fortunara {

namespace {

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

void AppendPrintable(std::string& line, std::string_view field) {
    for (const char c : field) line += IsControl(c) ? '?' : c;
}

void AppendCsv(std::string& line, std::string_view field) {
    // The blank is quoted too: lists of numbers ("1 2 3") have always come quoted.
    if (field.find_first_of(",\"\r\n ") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace

std::string Printable(std::string_view field) {
    std::string shown;
    AppendPrintable(shown, field);
    return shown;
}

std::string CsvField(std::string_view field) {
    std::string quoted;
    AppendCsv(quoted, field);
    return quoted;
}

void WriteMessage(std::ostream& err, std::string_view message) {
    std::string shown;
    for (std::size_t start = 0; start <= message.size();) {
        const std::size_t end = std::min(message.find('\n', start), message.size());
        AppendPrintable(shown, message.substr(start, end - start));
        shown += '\n';
        start = end + 1;
    }
    err << shown;
}

RecordWriter::RecordWriter(std::ostream& out, bool csv, const std::vector<std::string>& header) : out_(out), csv_(csv) {
    if (csv_) Row(header);
}

void RecordWriter::Row(const std::vector<std::string>& fields) {
    line_.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line_ += csv_ ? ',' : ' ';
        if (csv_) {
            AppendCsv(line_, fields[i]);
        } else {
            AppendPrintable(line_, fields[i]);
        }
    }
    line_ += '\n';
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
}

HeadedWriter::HeadedWriter(std::ostream& out, bool csv, const std::vector<std::string>& headingHeader,
                           std::vector<std::string> heading, const std::vector<std::string>& detailHeader)
    : csv_(csv),
      heading_(std::move(heading)),
      detailFields_(detailHeader.size()),
      writer_(out, csv, Joined(headingHeader, detailHeader)) {
    if (!csv_) writer_.Row(heading_);
}

void HeadedWriter::Detail(const std::vector<std::string>& fields) {
    detailed_ = true;
    if (!csv_) {
        writer_.Row(fields);
        return;
    }
    row_.assign(heading_.begin(), heading_.end());
    row_.insert(row_.end(), fields.begin(), fields.end());
    writer_.Row(row_);
}

void HeadedWriter::End() {
    if (csv_ && !detailed_) Detail(std::vector<std::string>(detailFields_));
}

}  // namespace fortunara
