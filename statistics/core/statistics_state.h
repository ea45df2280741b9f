#pragma once

#include "statistics/core/forecast.h"
#include "statistics/core/number_search.h"

namespace fortunara {

struct ProgramState;

// What the number search leaves: the record count, its own results for the report (SearchNumbers
// to SearchHitTexts) and, after a hit, the last hit's date in CurrentDrawDate.
void StoreSearch(const SearchResult& result, ProgramState& state);

// What the forecast leaves: RecordCount, its flags in ForecastFlags 1 to
// 90 and its numbers in ForecastNumbers 1 to N (0 where a shortened forecast has none).
void StoreForecast(const ForecastResult& result, ProgramState& state);

}  // namespace fortunara
