#pragma once

#include <string>
#include <string_view>

namespace fortunara {

// The date of a draw as the archive stores it: DDMMMYYYY with the Italian month code in upper case
// ("15MAR2009").

// Whether the text is such a date: exactly nine characters, two digits of a day that exists in
// that month and year (29FEB only in leap years), a month code, four digits of a year from 1.
bool IsArchiveDate(std::string_view date);

// Why a text of the form DDMMMYYYY (two digits, a month code, four digits) is still no date, such
// as "29FEB2023": "FEB 2023 HA 28 GIORNI". "" when the text is a date or has not that form.
std::string MissingDayReason(std::string_view date);

// The calendar day as yyyymmdd, for ordering dates; 0 when the text is no archive date.
int ArchiveDateKey(std::string_view date);

// The archive's text for a calendar day; "" when the day does not exist.
std::string ArchiveDate(int day, int month, int year);

// A date written day first, as results pages and people write it: "15/03/2009", "15-3-2009",
// "15.03.09" (a two-digit year is 2000-2029 below 30, else 1930-1999), blanks around it ignored.
// Gives its archive text, or "" when the text is not such a date.
std::string ReadDayFirstDate(std::string_view text);

}  // namespace fortunara
