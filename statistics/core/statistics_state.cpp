#include "statistics/core/statistics_state.h"

#include <algorithm>

#include "state/program_state.h"

namespace fortunara {

void StoreSearch(const SearchResult& result, ProgramState& state) {
    state.RecordCount = result.recordCount;
    for (std::size_t i = 0; i < result.numbers.size(); ++i) state.SearchNumbers[i + 1] = result.numbers[i];
    state.SearchCount = static_cast<int>(result.numbers.size()) + 1;
    state.SearchSorte = result.sorte;
    state.SearchTotal = result.total;
    state.SearchDelay = result.delay;
    state.SearchMaxDelay = result.maxDelay;
    state.SearchHitCount = static_cast<int>(result.hits.size());
    const std::size_t listed = std::min<std::size_t>(result.hits.size(), kListedHits);
    state.SearchHitTexts.clear();
    for (std::size_t h = 0; h < listed; ++h) state.SearchHitTexts.push_back(SearchHitText(result.hits[h]));
    if (!result.hits.empty()) state.CurrentDrawDate = result.hits.back().date;
}

void StoreForecast(const ForecastResult& result, ProgramState& state) {
    state.RecordCount = result.recordCount;
    for (std::size_t n = 1; n <= 90; ++n) state.ForecastFlags[n] = result.flags[n] ? 1 : 0;
    for (std::size_t i = 0; i < result.numbers.size(); ++i) state.ForecastNumbers[i + 1] = result.numbers[i];
    // A shortened forecast leaves no number of an earlier one where its missing numbers would be.
    const std::size_t asked = std::min<std::size_t>(static_cast<std::size_t>(std::max(result.quantity, 0)), 90);
    for (std::size_t i = result.numbers.size() + 1; i <= asked; ++i) state.ForecastNumbers[i] = 0;
}

}  // namespace fortunara
