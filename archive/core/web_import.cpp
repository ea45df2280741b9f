#include "archive/core/web_import.h"

#include <algorithm>

#include "archive/core/archive_date.h"
#include "archive/core/draw_record.h"
#include "archive/core/record_checks.h"

namespace fortunara {

namespace {

constexpr std::size_t kDateWindow = 16;
constexpr std::size_t kNumbersWindow = 23;

std::string_view TrimmedOfBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \r\n") - first + 1);
}

}  // namespace

std::string PastedRowFault(std::string_view text) {
    int rows = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (text.substr(start, end - start).find_first_not_of(" \t") != std::string_view::npos) ++rows;
        start = end + 1;
    }
    if (rows <= 1) return {};
    return "IL TESTO INCOLLATO HA " + std::to_string(rows) +
           " RIGHE: CONVERTO UN'ESTRAZIONE ALLA VOLTA, INCOLLANE UNA RIGA SOLA";
}

std::string ConvertPastedRow(std::string_view row) {
    if (row.empty() || !PastedRowFault(row).empty()) return {};
    std::size_t p = 1;
    for (std::size_t i = 0; i < kDateWindow; ++i) {
        if (p > row.size() || row[p - 1] != '\t') ++p;
    }
    std::string text = ReadDayFirstDate(row.substr(0, std::min(p, row.size())));
    const std::string_view tail = row.size() > kNumbersWindow ? row.substr(row.size() - kNumbersWindow) : row;
    std::string numbers(TrimmedOfBlanks(tail));
    numbers.erase(std::remove(numbers.begin(), numbers.end(), '\t'), numbers.end());
    text += TrimmedOfBlanks(numbers);
    return text;
}

std::string ImportFault(std::string_view record) {
    if (record.size() != static_cast<std::size_t>(kDrawRecordLength)) return kImportLengthMessage;
    const std::string fault = RecordFault(record);
    if (fault.empty()) return {};
    return " l'estrazione non è corretta: " + fault;
}

std::string ImportedMessage(std::string_view record) {
    return " Aggiunta estrazione del " + std::string(record.substr(0, kDateLength)) + "  all'archivio !!";
}

}  // namespace fortunara
