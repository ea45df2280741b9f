#include "statistics/core/statistics_state.h"

#include <algorithm>

#include "state/program_state.h"

namespace fortunara {

void StoreScanState(const ScanRange& range, const PositionFlags& positions, int recordCount, ProgramState& state) {
    state.RangeFrom = range.from;
    state.RangeTo = range.to;
    state.RecordCount = recordCount;
    for (std::size_t k = 0; k < positions.size(); ++k) state.PositionOn[k] = positions[k] ? 1 : 0;
}

void StoreSearch(const SearchResult& result, const ScanRange& range, const PositionFlags& positions,
                 ProgramState& state) {
    state.RangeFrom = range.from;
    state.RangeTo = range.to;
    state.RecordCount = result.recordCount;
    state.MethodPosition = 10;
    for (std::size_t k = 1; k <= 8; ++k) state.PositionOn[k] = positions[k] ? 1 : 0;
    for (std::size_t i = 0; i < result.numbers.size(); ++i) state.SearchNumbers[i + 1] = result.numbers[i];
    state.SearchCount = static_cast<int>(result.numbers.size()) + 1;
    state.SearchSorte = result.sorte;
    state.SearchTotal = result.total;
    state.SearchDelay = result.delay;
    state.SearchMaxDelay = result.maxDelay;
    state.SearchHitCount = static_cast<int>(result.hits.size());
    if (result.hits.empty()) return;
    const std::vector<int>& first = result.hits.front().matched;
    for (std::size_t i = 0; i < first.size() && i + 1 < state.ForecastNumbers.size(); ++i) {
        state.ForecastNumbers[i + 1] = first[i];
    }
    const std::size_t listed = std::min<std::size_t>(result.hits.size(), kListedHits);
    if (state.CommentLines.size() < listed + 1) state.CommentLines.resize(listed + 1);
    for (std::size_t h = 0; h < listed; ++h) state.CommentLines[h + 1] = SearchHitText(result.hits[h]);
    state.CurrentDrawDate = result.hits.back().date;
}

void StoreForecast(const ForecastResult& result, ProgramState& state) {
    state.ForecastBase = result.base;
    state.RecordCount = result.recordCount;
    state.MethodKind = 0;
    state.SearchHitCount = 0;
    state.SearchMaxDelay = 0;
    for (std::size_t n = 1; n <= 90; ++n) state.SearchNumbers[n] = result.flags[n] ? 1 : 0;
    for (std::size_t i = 0; i < result.numbers.size(); ++i) state.ForecastNumbers[i + 1] = result.numbers[i];
    // A shortened forecast leaves no number of an earlier one where its missing numbers would be.
    const std::size_t asked = std::min<std::size_t>(static_cast<std::size_t>(std::max(result.quantity, 0)), 90);
    for (std::size_t i = result.numbers.size() + 1; i <= asked; ++i) state.ForecastNumbers[i] = 0;
}

}  // namespace fortunara
