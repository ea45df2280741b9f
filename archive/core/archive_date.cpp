#include "archive/core/archive_date.h"

#include <algorithm>
#include <optional>

#include "archive/core/draw_record.h"

namespace fortunara {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool IsCalendarDay(int day, int month, int year) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year);
}

// The digits of text[from, from + count) as a number, or nullopt when one is not a digit.
std::optional<int> Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

}  // namespace

int ArchiveDateKey(std::string_view date) {
    if (date.size() != static_cast<std::size_t>(kDateLength)) return 0;
    const std::optional<int> day = Digits(date, 0, 2);
    const std::optional<int> year = Digits(date, 5, 4);
    const auto code = std::find(kMonthCodes.begin(), kMonthCodes.end(), date.substr(2, 3));
    if (!day || !year || code == kMonthCodes.end()) return 0;
    const int month = static_cast<int>(code - kMonthCodes.begin()) + 1;
    if (!IsCalendarDay(*day, month, *year)) return 0;
    return *year * 10000 + month * 100 + *day;
}

std::string MissingDayReason(std::string_view date) {
    if (date.size() != static_cast<std::size_t>(kDateLength) || IsArchiveDate(date)) return {};
    const std::optional<int> day = Digits(date, 0, 2);
    const std::optional<int> year = Digits(date, 5, 4);
    const auto code = std::find(kMonthCodes.begin(), kMonthCodes.end(), date.substr(2, 3));
    if (!day || !year || code == kMonthCodes.end()) return {};
    if (*year == 0) return "L'ANNO 0000 NON ESISTE";
    if (*day == 0) return "IL GIORNO 00 NON ESISTE";
    const int month = static_cast<int>(code - kMonthCodes.begin()) + 1;
    return std::string(*code) + " " + std::string(date.substr(5, 4)) + " HA " +
           std::to_string(DaysInMonth(month, *year)) + " GIORNI";
}

bool IsArchiveDate(std::string_view date) {
    return ArchiveDateKey(date) != 0;
}

std::string ArchiveDate(int day, int month, int year) {
    if (!IsCalendarDay(day, month, year)) return {};
    std::string text;
    text += static_cast<char>('0' + day / 10);
    text += static_cast<char>('0' + day % 10);
    text += kMonthCodes[static_cast<std::size_t>(month - 1)];
    const std::string digits = std::to_string(year);
    text += std::string(4 - std::min<std::size_t>(digits.size(), 4), '0') + digits;
    return text;
}

std::string ReadDayFirstDate(std::string_view text) {
    text = Trimmed(text);
    int parts[3] = {0, 0, 0};
    std::size_t widths[3] = {0, 0, 0};
    std::size_t part = 0;
    char separator = 0;
    for (char c : text) {
        if (IsDigit(c)) {
            if (widths[part] == 4) return {};
            parts[part] = parts[part] * 10 + (c - '0');
            ++widths[part];
            continue;
        }
        const bool separates = c == '/' || c == '-' || c == '.';
        // Both separators must be the same character, and no part may be empty.
        if (!separates || part == 2 || widths[part] == 0 || (separator != 0 && c != separator)) return {};
        separator = c;
        ++part;
    }
    if (part != 2 || widths[0] > 2 || widths[1] > 2 || (widths[2] != 2 && widths[2] != 4)) return {};
    int year = parts[2];
    if (widths[2] == 2) year += year < 30 ? 2000 : 1900;
    return ArchiveDate(parts[0], parts[1], year);
}

}  // namespace fortunara
