#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fortunara {

// The program's one place for numbers written as text. Always Italian: full stop for
// thousands, comma for decimals, whatever the machine's locale.

// Text form: the digits with a sign place in front (" 7", " 12", "-3").
std::string TextForm(long long n);
// Plain decimal: the digits alone ("7", "-3").
std::string Plain(long long n);
// Mask "00": at least two digits with leading zeros ("07", "12", "123").
std::string TwoDigits(long long n);
// Mask "##": the digits without leading zeros, nothing for 0.
std::string DigitsOrEmpty(long long n);
// Mask "###,###,###,###,###": grouped in threes with full stops, rounded to a whole number
// with halves away from zero, nothing when that rounds to 0 ("622.614.630", "501").
std::string Grouped(double value);
// Mask "###.##": at most two decimals, halves away from zero, trailing zeros dropped, the comma
// always written: 33.333 -> "33,33", 50 -> "50,". The whole part is written also when it is 0
// (0.5 -> "0,5", 0 -> "0,"), where the mask would leave ",5" and a bare ",". Thousands not grouped.
std::string Decimal2(double value);
// A plain number with at most two decimals, for the command line: as "###.##", but with no comma
// without decimals: 20 -> "20", 0.5 -> "0,5", 33.333 -> "33,33".
std::string PlainDecimal2(double value);
// Mask "000000    ": six digits with leading zeros, then four blanks.
std::string SixDigitsPadded(long long n);
// A number of a listed combination: three blanks before the text form below 10, two from 10 on, so
// that numbers up to 99 stand right-aligned in five characters ("    5", "   12").
std::string ListedNumber(long long n);
// A number printed on the printer: sign place, digits, one blank (" 5 ").
std::string PrintedNumber(long long n);

// The numeric value of a typed text: blanks are skipped, then an optional sign, digits and an
// optional decimal part; reading stops at the first other character ("12abc" is 12, "abc" and ""
// are 0). The value is rounded to a whole number (halves to even) and kept within an int.
int NumericValue(std::string_view text);
// A typed whole number from 0 to `highest`: digits only, blanks around them allowed ("  7 ").
// Anything else (a sign, a decimal part, letters, nothing, a value above `highest`) is nullopt.
std::optional<int> WholeNumber(std::string_view text, int highest);

// Reads back a grouped text ("622.614.630" -> 622614630); blanks and full stops ignored,
// a comma starts the decimals. Anything unreadable, or no finite number, gives 0.
double ParseItalianNumber(const std::string& text);

}  // namespace fortunara
