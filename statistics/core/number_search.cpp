#include "statistics/core/number_search.h"

#include "app/state/binomial.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

bool MonthTakesPart(const std::array<bool, 12>& months, const std::string& date) {
    if (std::none_of(months.begin(), months.end(), [](bool on) { return on; })) return true;
    const std::string_view code = std::string_view(date).substr(std::min<std::size_t>(date.size(), 2), 3);
    for (std::size_t m = 0; m < months.size(); ++m) {
        if (months[m] && kMonthCodes[m] == code) return true;
    }
    return false;
}

}  // namespace

SearchResult SearchArchive(const SearchRequest& request, std::span<const DrawRecord> scanOrder) {
    SearchResult result;
    result.scanned = static_cast<int>(scanOrder.size());
    result.sorte = std::clamp(request.sorte, kSingolo, kSestina);
    for (int n = 1; n <= 90; ++n) {
        if (request.marked[static_cast<std::size_t>(n)]) result.numbers.push_back(n);
    }
    int previousHit = 0;  // the first hit is measured from scan position 0
    for (int i = 0; i < result.scanned; ++i) {
        const DrawRecord& draw = scanOrder[static_cast<std::size_t>(i)];
        // A draw of another month still uses up its scan position.
        if (!MonthTakesPart(request.months, draw.date)) continue;
        const std::array<int, 9> values = PositionValues(draw, request.positions);
        std::vector<int> matched;
        for (std::size_t k = 1; k <= 8; ++k) {
            if (!request.positions[k]) continue;
            for (int n : result.numbers) {
                if (values[k] == n) matched.push_back(n);
            }
        }
        const int c = static_cast<int>(matched.size());
        if (c < result.sorte) continue;
        if (result.hits.empty()) result.delay = i;
        result.maxDelay = std::max(result.maxDelay, i - previousHit);
        previousHit = i;
        const long long combinations = Binomial(c, result.sorte);
        result.total += combinations;
        result.hits.push_back({i, draw.date, std::move(matched), combinations});
    }
    return result;
}

SearchResult SearchArchive(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range) {
    const ArchiveScan scan = ReadScan(programFolder, range);
    SearchResult result = SearchArchive(request, scan.draws);
    result.recordCount = scan.recordCount;
    result.error = scan.error;
    return result;
}

std::string SearchHitText(const SearchHit& hit) {
    std::string text = hit.date;
    for (int n : hit.matched) text += " " + TextForm(n);
    return text + "  (" + TextForm(hit.position) + ") ";
}

std::string MoreHitsLine(long long more) {
    return "... E ALTRI " + Plain(more) + " COLPI NON ELENCATI";
}

SearchDisplay ShowSearch(const SearchResult& result) {
    SearchDisplay display;
    display.ritardo = TextForm(result.delay);
    display.ritMax = TextForm(result.maxDelay);
    display.frequenza = TextForm(result.total);
    const std::size_t listed = std::min<std::size_t>(result.hits.size(), kListedHits);
    display.listLines.reserve(listed + 1);
    for (std::size_t h = 0; h < listed; ++h) {
        display.listLines.push_back(TextForm(static_cast<long long>(h) + 1) + " " + SearchHitText(result.hits[h]));
    }
    if (result.hits.size() > listed) {
        display.listLines.push_back(MoreHitsLine(static_cast<long long>(result.hits.size() - listed)));
    }
    return display;
}

}  // namespace fortunara
