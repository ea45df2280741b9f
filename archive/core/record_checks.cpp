#include "archive/core/record_checks.h"

#include <algorithm>

#include "archive/core/archive_date.h"
#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

const char* const kFieldNames[9] = {"",         "NUMERO 1", "NUMERO 2", "NUMERO 3", "NUMERO 4",
                                    "NUMERO 5", "NUMERO 6", "JOLLY",    "SUPERSTAR"};

bool IsNumberField(std::string_view field) {
    return std::all_of(field.begin(), field.end(), [](char c) { return c == ' ' || (c >= '0' && c <= '9'); });
}

}  // namespace

std::vector<std::string> RecordFaults(std::string_view record) {
    std::string text(record.substr(0, std::min<std::size_t>(record.size(), kDrawRecordLength)));
    text.resize(kDrawRecordLength, ' ');
    std::vector<std::string> faults;
    const std::string date = text.substr(0, kDateLength);
    if (!IsArchiveDate(date)) faults.push_back("DATA NON VALIDA: \"" + date + "\"");

    const DrawRecord draw = ParseDrawRecord(text);
    for (std::size_t i = 1; i <= 8; ++i) {
        const std::string field = text.substr(kDateLength + 2 * (i - 1), 2);
        const std::string name = kFieldNames[i];
        const int n = draw.numbers[i];
        if (!IsNumberField(field)) {
            faults.push_back(name + " NON E' UN NUMERO: \"" + field + "\"");
        } else if (i == 8) {
            if (n > 90) faults.push_back(name + " FUORI DA 0-90: " + Plain(n));
        } else if (n < 1 || n > 90) {
            faults.push_back(name + " FUORI DA 1-90: " + Plain(n));
        } else {
            // The six differ from each other; the jolly differs from the six.
            const auto earlier = draw.numbers.begin() + 1;
            const bool repeated = std::find(earlier, draw.numbers.begin() + static_cast<std::ptrdiff_t>(i), n) !=
                                  draw.numbers.begin() + static_cast<std::ptrdiff_t>(i);
            if (repeated && i <= 6) faults.push_back(name + " RIPETUTO: " + Plain(n));
            if (repeated && i == 7) faults.push_back(name + " UGUALE A UN NUMERO ESTRATTO: " + Plain(n));
        }
    }
    return faults;
}

std::string RecordFault(std::string_view record) {
    std::vector<std::string> faults = RecordFaults(record);
    return faults.empty() ? std::string() : faults.front();
}

}  // namespace fortunara
