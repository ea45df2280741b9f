#pragma once

#include "statistics/windows/statistics_handlers.h"

namespace fortunara {

class Sestine;
struct SearchSummary;

// Tab 5: "PREVISIONE" into `Label1(0)` and `List3`, "STAMPA", "RIDOTTI" (the forecast numbers
// handed to the system window) and "ESCI" (the outcome list back in place of the matrix list).
void ConnectForecastTab(Sestine& window, SearchSummary& summary, RidottiOpener ridotti);

}  // namespace fortunara
