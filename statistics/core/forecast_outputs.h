#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/printer.h"

namespace fortunara {

struct ProgramState;

// What "STAMPA" of the forecast tab prints, read from the tab and the shared state at the click.
struct ForecastPrintInput {
    std::string baseCaption;                // the "DAL: " label of the forecast selector
    std::string quantityText;               // "NUMERI NEL SISTEMA" as typed
    std::array<int, 91> searchNumbers{};    // element n = 1 prints number n
    std::vector<std::string> outcomeLines;  // the lines under "USCITE"
};

// The forecast print, nine numbers to a line, ended as one job.
void PrintForecast(Printer& printer, const ForecastPrintInput& input);

// What "RIDOTTI" hands to the system window: its quantity box, its numbers label and the numbers
// for NumberSelected 1 to n, taken from ForecastNumbers.
struct RidottiHandOver {
    bool valid = true;  // false: the quantity is outside 0..90 (show kQuantityMessage)
    int quantity = 0;
    std::string quantityText;  // the system window's quantity box
    std::string numbersLabel;  // the system window's numbers label
    std::vector<int> numbers;  // NumberSelected 1..quantity, in order
};
RidottiHandOver MakeRidottiHandOver(std::string_view quantityText, const ProgramState& state);
// Writes the numbers into NumberSelected 1..quantity.
void StoreRidottiHandOver(const RidottiHandOver& handOver, ProgramState& state);

}  // namespace fortunara
