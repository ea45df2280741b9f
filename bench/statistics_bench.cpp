// Each statistic over the whole bundled archive, from the newest draw down to record 1, file
// reading included (every call opens, reads and closes the archive, as a click does).
#include <benchmark/benchmark.h>

#include "bench/bundled_archive.h"
#include "statistics/core/archive_reports.h"
#include "statistics/core/distributions.h"
#include "statistics/core/forecast.h"
#include "statistics/core/forecast_outputs.h"
#include "statistics/core/number_delays.h"
#include "statistics/core/number_search.h"

namespace fortunara {
namespace {

using bench::Archive;

// Formats every line like a real printer would, and keeps nothing.
class DiscardingPrinter : public Printer {
public:
    bool ChoosePrinter() override { return true; }

protected:
    void Deliver(const PrintJob& job) override { benchmark::DoNotOptimize(job.pages.size()); }
};

void Delays(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeDelays(Archive().Folder(), Archive().Whole(), MainPositions()));
    state.counters["draws"] = Archive().Count();
}
BENCHMARK(Delays)->Unit(benchmark::kMillisecond);

void DelaysGrid(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(DelayGrid(ComputeDelays(Archive().Folder(), Archive().Whole(), MainPositions())));
    }
}
BENCHMARK(DelaysGrid)->Unit(benchmark::kMillisecond);

void Distribution(benchmark::State& state) {
    const auto kind = static_cast<DistributionKind>(state.range(0));
    const PositionFlags all = PositionsFromList({1, 2, 3, 4, 5, 6, 7, 8});
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            DistributionGrid(ComputeDistribution(kind, Archive().Folder(), Archive().Whole(), all)));
    }
}
BENCHMARK(Distribution)
    ->ArgName("pari0_somma1_interruzioni2")
    ->Arg(static_cast<int>(DistributionKind::Parity))
    ->Arg(static_cast<int>(DistributionKind::Sum))
    ->Arg(static_cast<int>(DistributionKind::Interruptions))
    ->Unit(benchmark::kMillisecond);

// Ten marked numbers as singles over every position: the search with the most hits and list lines.
void SearchManyHits(benchmark::State& state) {
    SearchRequest request;
    for (int n = 1; n <= 10; ++n) request.marked[static_cast<std::size_t>(n)] = true;
    request.positions = PositionsFromList({1, 2, 3, 4, 5, 6, 7, 8});
    for (auto _ : state) {
        const SearchResult result = SearchArchive(request, Archive().Folder(), Archive().Whole());
        benchmark::DoNotOptimize(ShowSearch(result));
        state.counters["hits"] = static_cast<double>(result.hits.size());
    }
}
BENCHMARK(SearchManyHits)->Unit(benchmark::kMillisecond);

// All ninety numbers marked as sestina, months filtered: the most comparisons per draw.
void SearchAllNumbers(benchmark::State& state) {
    SearchRequest request;
    request.marked.fill(true);
    request.sorte = kSestina;
    request.months = {true, false, true, false, true, false, true, false, true, false, true, false};
    for (auto _ : state)
        benchmark::DoNotOptimize(ShowSearch(SearchArchive(request, Archive().Folder(), Archive().Whole())));
}
BENCHMARK(SearchAllNumbers)->Unit(benchmark::kMillisecond);

// Ninety numbers need the longest walk back; a base in the past has forty outcome draws.
void Forecast(benchmark::State& state) {
    const int base = Archive().Count() - static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(OutcomeLines(ComputeForecast(Archive().Folder(), base, 90)));
}
BENCHMARK(Forecast)->ArgName("base_before_newest")->Arg(0)->Arg(40)->Unit(benchmark::kMillisecond);

void ArchivePrintWhole(benchmark::State& state) {
    DiscardingPrinter printer;
    for (auto _ : state) benchmark::DoNotOptimize(PrintArchive(printer, Archive().Folder(), Archive().Whole(), false));
}
BENCHMARK(ArchivePrintWhole)->Unit(benchmark::kMillisecond);

// A search over the whole archive and its printed report with every hit.
void SearchReportWhole(benchmark::State& state) {
    SearchRequest request;
    for (int n = 1; n <= 10; ++n) request.marked[static_cast<std::size_t>(n)] = true;
    DiscardingPrinter printer;
    for (auto _ : state) {
        const SearchResult result = SearchArchive(request, Archive().Folder(), Archive().Whole());
        SearchReportInput input;
        input.sorte = result.sorte;
        input.hitCount = static_cast<int>(result.hits.size());
        for (const SearchHit& hit : result.hits) input.hitTexts.push_back(SearchHitText(hit));
        PrintSearchReport(printer, input);
    }
}
BENCHMARK(SearchReportWhole)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunara

BENCHMARK_MAIN();
