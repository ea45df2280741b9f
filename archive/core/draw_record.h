#pragma once

#include <array>
#include <string>
#include <string_view>

namespace fortunara {

// One draw as stored: date DDMMMYYYY, six main numbers in stored order, jolly, superstar,
// two characters each, 25 characters in all.
inline constexpr int kDrawRecordLength = 25;
inline constexpr int kDateLength = 9;

// The Italian month codes, January first.
inline constexpr std::array<std::string_view, 12> kMonthCodes = {"GEN", "FEB", "MAR", "APR", "MAG", "GIU",
                                                                 "LUG", "AGO", "SET", "OTT", "NOV", "DIC"};

struct DrawRecord {
    std::string date;                 // characters 1-9, exactly as stored
    std::array<int, 9> numbers = {};  // 1-6 main numbers, 7 jolly, 8 superstar; 0 unused

    int Main(int i) const { return numbers[static_cast<std::size_t>(i)]; }
    int Jolly() const { return numbers[7]; }
    int Superstar() const { return numbers[8]; }
};

// Reads a record without checking it: a number field is the value of its digits with blanks
// ignored (" 5", "05" and "5 " read 5; "  " reads 0). Text shorter than 25 characters reads as
// if padded with blanks, so an empty text gives an empty date and zeros.
DrawRecord ParseDrawRecord(std::string_view text);

// The value of a two-character number field.
int ParseNumberField(std::string_view field);

// The six main numbers in ascending order (jolly and superstar are not part of it).
std::array<int, 6> SortedMain(const DrawRecord& draw);

// Builds the stored text of a draw with two-digit fields ("05").
std::string FormatDrawRecord(std::string_view date, const std::array<int, 8>& numbers);

}  // namespace fortunara
