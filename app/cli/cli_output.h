#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace fortunara {

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
