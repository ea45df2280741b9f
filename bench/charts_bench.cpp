// Each chart over the whole bundled archive: the series and chance lines worked out from the file
// (the core, as the command line does), then the same drawn on a chart window's view and painted at
// its usual size, as "GRAFICO" does. The record of a system of 210 tickets (ten numbers, all their
// sestine) likewise.
#include <QPixmap>
#include <bit>

#include "bench/bundled_archive.h"
#include "bench/offscreen_main.h"
#include "checks/core/record_chart.h"
#include "statistics/core/statistics_charts.h"
#include "ui/chart_view.h"

namespace fortunara {
namespace {

using bench::Archive;

ChartRequest Request(benchmark::State& state) {
    ChartRequest request;
    request.chart = static_cast<StatisticsChart>(state.range(0));
    request.range = Archive().Whole();
    request.positions = MainPositions();
    request.number = 17;
    return request;
}

void StatisticsChartCore(benchmark::State& state) {
    const ChartRequest request = Request(state);
    for (auto _ : state) benchmark::DoNotOptimize(MakeStatisticsChart(Archive().Folder(), request));
}

// Worked out, drawn on the view and painted, as the window shows it.
void StatisticsChartDrawn(benchmark::State& state) {
    const ChartRequest request = Request(state);
    ChartView view("Grafico");
    view.resize(1100, 560);
    for (auto _ : state) {
        view.Show(MakeStatisticsChart(Archive().Folder(), request).chart);
        benchmark::DoNotOptimize(view.grab());
    }
}

std::vector<int> TenNumberSystem() {
    std::vector<int> numbers;
    const int chosen[] = {3, 8, 14, 21, 27, 33, 45, 52, 58, 66};
    for (unsigned mask = 0; mask < (1U << 10); ++mask) {
        if (std::popcount(mask) != 6) continue;
        for (int i = 0; i < 10; ++i) {
            if ((mask >> i) & 1U) numbers.push_back(chosen[i]);
        }
    }
    return numbers;
}

void RecordChartDrawn(benchmark::State& state) {
    const std::vector<int> numbers = TenNumberSystem();
    const Tickets tickets = TicketsOf(numbers, 6);
    Prizes prizes;
    prizes.cents = {2500, 30000, 3000000, 50000000, 100000000};
    ChartView view("Grafico");
    view.resize(1100, 560);
    for (auto _ : state) {
        const RecordHistory history =
            ComputeRecordHistory(Archive().Folder(), tickets, Archive().Whole(), 100 * tickets.count, prizes);
        view.Show(RecordChart(history));
        benchmark::DoNotOptimize(view.grab());
    }
}

void AllCharts(benchmark::internal::Benchmark* bench) {
    bench->ArgName("grafico");
    for (int chart = 0; chart <= static_cast<int>(StatisticsChart::Interruptions); ++chart) bench->Arg(chart);
    bench->Unit(benchmark::kMillisecond);
}

BENCHMARK(StatisticsChartCore)->Apply(AllCharts);
BENCHMARK(StatisticsChartDrawn)->Apply(AllCharts);
BENCHMARK(RecordChartDrawn)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunara

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
