#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/api/printer.h"

namespace fortunara {

// What "STAMPA" of the forecast tab prints, read from the tab and the shared state at the click.
struct ForecastPrintInput {
    std::string baseCaption;                // the "DAL: " label of the forecast selector
    std::string quantityText;               // "NUMERI NEL SISTEMA" as typed
    std::array<int, 91> forecastFlags{};    // ForecastFlags: element n = 1 prints number n
    std::vector<std::string> outcomeLines;  // the lines under "USCITE"
};

// The forecast print, nine numbers to a line, ended as one job.
void PrintForecast(Printer& printer, const ForecastPrintInput& input);

}  // namespace fortunara
