#pragma once

#include "statistics/core/forecast.h"
#include "statistics/core/number_search.h"
#include "statistics/core/scan_range.h"

namespace fortunara {

struct ProgramState;

// What a click on "90 NUMERI" or a distribution button leaves in the shared state: the range,
// the record count and the nine position flags.
void StoreScanState(const ScanRange& range, const PositionFlags& positions, int recordCount, ProgramState& state);

// What the number search leaves: range, record count, position flags 1 to 8, the marked numbers in
// SearchNumbers, MethodPosition 10, and after a hit the hit texts in CommentLines, the first hit's
// matched numbers at the start of ForecastNumbers and the last hit's date in CurrentDrawDate, and the
// search's own results (SearchCount to SearchHitCount).
void StoreSearch(const SearchResult& result, const ScanRange& range, const PositionFlags& positions,
                 ProgramState& state);

// What the forecast leaves: ForecastBase, RecordCount, MethodKind 0, the flags in SearchNumbers 1 to 90,
// the numbers in ForecastNumbers 1 to N (0 where a shortened forecast has none); the search's hit
// count and largest delay go back to 0.
void StoreForecast(const ForecastResult& result, ProgramState& state);

}  // namespace fortunara
