#include "statistics/core/number_search.h"

#include "state/binomial.h"

#include <algorithm>
#include <utility>

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

// The search draw by draw in scan order, a block at a time.
class Search {
public:
    Search(const SearchRequest& request, const SearchHitVisitor& onHit) : request_(request), onHit_(onHit) {
        result_.sorte = std::clamp(request.sorte, kSingolo, kSestina);
        for (int n = 1; n <= 90; ++n) {
            if (request.marked[static_cast<std::size_t>(n)]) result_.numbers.push_back(n);
        }
    }

    bool Add(std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) Add(draw);
        return true;
    }

    SearchResult Finish() { return std::move(result_); }

private:
    void Add(const DrawRecord& draw) {
        const int i = result_.scanned++;
        // A draw of another month still uses up its scan position.
        if (!MonthTakesPart(request_.months, draw.date)) return;
        const std::array<int, 9> values = PositionValues(draw, request_.positions);
        std::vector<int> matched;
        for (std::size_t k = 1; k <= 8; ++k) {
            if (!request_.positions[k]) continue;
            for (int n : result_.numbers) {
                if (values[k] == n) matched.push_back(n);
            }
        }
        const int c = static_cast<int>(matched.size());
        if (c < result_.sorte) return;
        if (result_.hitCount++ == 0) result_.delay = i;
        result_.maxDelay = std::max(result_.maxDelay, i - previousHit_);
        previousHit_ = i;
        const long long combinations = Binomial(c, result_.sorte);
        result_.total += combinations;
        SearchHit hit{i, draw.date, std::move(matched), combinations};
        if (onHit_) {
            onHit_(hit);
        } else {
            result_.hits.push_back(std::move(hit));
        }
    }

    const SearchRequest& request_;
    SearchHitVisitor onHit_;  // empty: the hits are kept
    SearchResult result_;
    int previousHit_ = 0;  // the first hit is measured from scan position 0
};

}  // namespace

SearchResult SearchArchive(const SearchRequest& request, std::span<const DrawRecord> scanOrder) {
    Search search(request, {});
    search.Add(scanOrder);
    return search.Finish();
}

SearchResult SearchArchive(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range) {
    return SearchArchive(request, programFolder, range, {});
}

SearchResult SearchArchive(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range, const SearchHitVisitor& onHit) {
    Search search(request, onHit);
    const ScanOutcome scan =
        VisitScan(programFolder, range, [&search](std::span<const DrawRecord> block) { return search.Add(block); });
    SearchResult result = search.Finish();
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
