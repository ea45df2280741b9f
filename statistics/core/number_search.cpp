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

// What becomes of the hits: kept in the result, handed to a visitor, or only counted.
enum class Hits { Keep, Hand, Count };

// The search draw by draw in scan order, a block at a time.
class Search {
public:
    Search(const SearchRequest& request, Hits hits, SearchHitVisitor onHit = {})
        : request_(request), hits_(hits), onHit_(std::move(onHit)) {
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
        // Looked up on the board rather than compared with every marked number: a search of all 90
        // numbers over a million draws asks this eight million times.
        std::array<int, 8> matched{};
        int c = 0;
        for (std::size_t k = 1; k <= 8; ++k) {
            const int v = values[k];
            if (request_.positions[k] && v >= 1 && v <= 90 && request_.marked[static_cast<std::size_t>(v)]) {
                matched[static_cast<std::size_t>(c++)] = v;
            }
        }
        if (c < result_.sorte) return;
        if (result_.hitCount++ == 0) result_.delay = i;
        result_.maxDelay = std::max(result_.maxDelay, i - previousHit_);
        previousHit_ = i;
        const long long combinations = Binomial(c, result_.sorte);
        result_.total += combinations;
        if (hits_ == Hits::Count) return;
        SearchHit hit{i, draw.date, std::vector<int>(matched.begin(), matched.begin() + c), combinations};
        if (hits_ == Hits::Hand) {
            onHit_(hit);
        } else {
            result_.hits.push_back(std::move(hit));
        }
    }

    const SearchRequest& request_;
    Hits hits_;
    SearchHitVisitor onHit_;
    SearchResult result_;
    int previousHit_ = 0;  // the first hit is measured from scan position 0
};

}  // namespace

SearchResult SearchArchive(const SearchRequest& request, std::span<const DrawRecord> scanOrder) {
    Search search(request, Hits::Keep);
    search.Add(scanOrder);
    return search.Finish();
}

namespace {

SearchResult SearchRange(Search& search, const std::filesystem::path& programFolder, const ScanRange& range) {
    const ScanOutcome scan =
        VisitScan(programFolder, range, [&search](std::span<const DrawRecord> block) { return search.Add(block); });
    SearchResult result = search.Finish();
    result.recordCount = scan.recordCount;
    result.error = scan.error;
    return result;
}

}  // namespace

SearchResult SearchArchive(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range) {
    Search search(request, Hits::Keep);
    return SearchRange(search, programFolder, range);
}

SearchResult SearchArchive(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range, const SearchHitVisitor& onHit) {
    Search search(request, Hits::Hand, onHit);
    return SearchRange(search, programFolder, range);
}

SearchResult SearchFigures(const SearchRequest& request, const std::filesystem::path& programFolder,
                           const ScanRange& range) {
    Search search(request, Hits::Count);
    return SearchRange(search, programFolder, range);
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
