#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "archive/core/draw_record.h"
#include "statistics/core/scan_range.h"

namespace fortunara {

// Draws after the base that are checked against the forecast.
inline constexpr int kOutcomeDraws = 40;
// A listed outcome has at least a terno of forecast numbers.
inline constexpr int kOutcomeMinimum = 3;

inline constexpr std::string_view kQuantityTitle = "ATTENZIONE !!!";
inline constexpr std::string_view kQuantityMessage = "LA QUANTITA' DI NUMERI DEVE ESSERE DA 0 A 90";

// The quantity typed in "NUMERI NEL SISTEMA": the leading number of the text (blanks ignored,
// 0 when the text does not start with one), rounded to a whole number. Outside 0..90 the
// quantity is refused with kQuantityMessage, since the forecast lists hold 90 numbers at most.
struct Quantity {
    int value = 0;
    bool valid = true;
};
Quantity ReadQuantity(std::string_view text);

struct ForecastOutcome {
    int position = 0;  // 1 to kOutcomeDraws after the base
    std::string date;
    std::vector<int> found;  // forecast numbers among the draw's main numbers, ascending
};

struct ForecastResult {
    int recordCount = 0;
    int base = 0;
    int quantity = 0;
    std::vector<int> numbers;               // the forecast, ascending
    std::array<bool, 91> flags{};           // element n set when n is forecast
    bool shortened = false;                 // record 1 was reached before the quantity was complete
    std::vector<ForecastOutcome> outcomes;  // the listed outcome draws
    std::string error;                      // the archive could not be opened
};

// The N distinct main numbers drawn most recently before the base draw, walking back from the
// draw before it (from record 1 when the base is record 1), and the outcome draws among the
// kOutcomeDraws that follow the base. The walk stops at record 1; draws after the newest list nothing.
ForecastResult ComputeForecast(int recordCount, const DrawBlockReader& read, int base, int quantity);
ForecastResult ComputeForecast(const std::filesystem::path& programFolder, int base, int quantity);

// Said when the walk reached record 1 before the quantity was complete: how many numbers the
// forecast holds instead of the ones asked for.
std::string ShortForecastMessage(const ForecastResult& result);

// A number right-aligned in three characters ("  4", " 23"), as the outcome lines and the print
// show forecast numbers.
std::string ThreeWide(int n);
// The caption under "PREVISIONE": each number after four blanks (below 10) or two, in text form.
std::string ForecastCaption(const ForecastResult& result);
// " 7 14MAR2009   4 23 81": position in text form, the date, the found numbers three wide.
std::string OutcomeLine(const ForecastOutcome& outcome);
std::vector<std::string> OutcomeLines(const ForecastResult& result);

}  // namespace fortunara
