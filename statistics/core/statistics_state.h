#pragma once

#include "statistics/core/forecast.h"
#include "statistics/core/number_search.h"
#include "statistics/core/scan_range.h"

namespace fortunara {

struct ProgramState;

// The number search's own results, which the main window keeps from a search to its report.
// The forecast clears the hit count and the largest delay.
struct SearchSummary {
    int SearchCount = 0;  // marked numbers + 1
    int SearchSorte = 0;
    long long SearchTotal = 0;
    int SearchDelay = 0;
    int SearchMaxDelay = 0;
    int SearchHitCount = 0;  // every hit; the texts in CommentLines stop at kListedHits
};

// What a click on "90 NUMERI" or a distribution button leaves in the shared state: the range,
// the record count and the nine position flags.
void StoreScanState(const ScanRange& range, const PositionFlags& positions, int recordCount, ProgramState& state);

// What the number search leaves: range, record count, position flags 1 to 8, the marked numbers in
// SearchNumbers, MethodPosition 10, and after a hit the hit texts in CommentLines, the first hit's
// matched numbers at the start of ForecastNumbers and the last hit's date in CurrentDrawDate.
void StoreSearch(const SearchResult& result, const ScanRange& range, const PositionFlags& positions,
                 ProgramState& state, SearchSummary& summary);

// What the forecast leaves: ForecastBase, RecordCount, MethodKind 0, the flags in SearchNumbers 1 to 90,
// the numbers in ForecastNumbers 1 to N; the search's hit count and largest delay go back to 0.
void StoreForecast(const ForecastResult& result, ProgramState& state, SearchSummary& summary);

}  // namespace fortunara
