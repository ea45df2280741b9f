#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "systems/core/development.h"
#include "tests/systems/plain_development.h"

// Development runs for N up to 90 (integral, guarantees, reductions), full scans with conditions
// that accept almost nothing, and the step-by-step comparison loop on the sizes it can manage.
// At the end a table in Markdown with the mean time of each run.

namespace fortunara {
namespace {

SystemRequest Request(int n, int mode, int option) {
    SystemRequest request;
    request.quantity = n;
    request.numbers.resize(static_cast<std::size_t>(n));
    std::iota(request.numbers.begin(), request.numbers.end(), 1);
    request.guaranteeMode = mode;
    request.reductionOption = option;
    return request;
}

const char* const kKinds[] = {"integrale", "n - 1", "n - 2", "n - 3", "ambo", "terno", "quaterna", "cinquina"};
const int kModeOf[] = {1, 1, 1, 1, 2, 3, 4, 5};
const int kOptionOf[] = {0, 1, 2, 3, 0, 0, 0, 0};

void Describe(benchmark::State& state, const SystemRun& run) {
    state.counters["combinazioni"] = run.Count();
    state.counters["fermato"] = run.Completed() ? 0 : 1;
}

void Development(benchmark::State& state) {
    const auto kind = static_cast<std::size_t>(state.range(1));
    const SystemRequest request = Request(static_cast<int>(state.range(0)), kModeOf[kind], kOptionOf[kind]);
    SystemRun run;
    for (auto _ : state) {
        run = RunDevelopment(request);
        benchmark::DoNotOptimize(run.positions.data());
    }
    Describe(state, run);
    state.SetLabel(kKinds[kind]);
}
BENCHMARK(Development)->ArgsProduct({{24, 30, 40, 60, 90}, {0, 1, 2, 3, 4, 5, 6, 7}})->Unit(benchmark::kMillisecond);

// Conditions that reject all but a handful of candidates, so that every candidate has to be looked
// at, and a common, milder choice.
ConditionSettings RareConditions(int which) {
    ConditionSettings settings;
    if (which == 0) {
        settings.consecutive[5] = true;  // six numbers in a row: 85 of 622,614,630
    } else if (which == 1) {
        settings.even[3] = true;
        settings.interruptions[5] = true;
        settings.sumFrom[0] = 21;
        settings.sumTo[0] = 30;  // sums 21..30 with three even numbers, no consecutive pair
    } else {
        settings.even[3] = true;  // a common choice: three even numbers, sums 250..290
        settings.sumFrom[0] = 250;
        settings.sumTo[0] = 290;
    }
    return settings;
}

void ConditionScan(benchmark::State& state) {
    const auto kind = static_cast<std::size_t>(state.range(1));
    SystemRequest request = Request(90, kModeOf[kind], kOptionOf[kind]);
    request.conditions = RareConditions(static_cast<int>(state.range(0)));
    SystemRun run;
    for (auto _ : state) {
        run = RunDevelopment(request);
        benchmark::DoNotOptimize(run.positions.data());
    }
    Describe(state, run);
    const char* const names[] = {", sei consecutivi", ", pari somme 21-30", ", 3 pari somme 250-290"};
    state.SetLabel(std::string(kKinds[kind]) + names[state.range(0)]);
}
BENCHMARK(ConditionScan)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3, 7}})->Unit(benchmark::kMillisecond)->Iterations(1);

void PlainLoop(benchmark::State& state) {
    const auto kind = static_cast<std::size_t>(state.range(1));
    const SystemRequest request = Request(static_cast<int>(state.range(0)), kModeOf[kind], kOptionOf[kind]);
    test::PlainRun run;
    for (auto _ : state) {
        run = test::RunPlainDevelopment(request);
        benchmark::DoNotOptimize(run.positions.data());
    }
    state.counters["combinazioni"] = static_cast<double>(run.positions.size());
    state.SetLabel(std::string("confronto passo passo, ") + kKinds[kind]);
}
BENCHMARK(PlainLoop)->ArgsProduct({{16, 20, 24}, {1, 2, 3}})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PlainLoop)->Args({30, 1})->Unit(benchmark::kMillisecond)->Iterations(1);

// Collects every run for the table printed at the end.
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            const auto combos = run.counters.find("combinazioni");
            const auto stopped = run.counters.find("fermato");
            rows_.push_back({run.benchmark_name(), run.report_label, run.GetAdjustedRealTime(),
                             combos == run.counters.end() ? 0 : static_cast<long long>(combos->second.value),
                             stopped != run.counters.end() && stopped->second.value != 0});
        }
    }
    void PrintTable() const {
        std::printf("\n| run | N | kind | combinations | time (ms) |\n|---|---|---|---|---|\n");
        for (const Row& row : rows_) {
            const std::string name = row.name.substr(0, row.name.find('/'));
            const std::size_t first = row.name.find('/') + 1;
            const std::string n = row.name.substr(first, row.name.find('/', first) - first);
            std::printf("| %s | %s | %s | %lld%s | %.1f |\n", name.c_str(), name == "ConditionScan" ? "90" : n.c_str(),
                        row.label.c_str(), row.combos, row.stopped ? " (capacity)" : "", row.ms);
        }
    }

private:
    struct Row {
        std::string name;
        std::string label;
        double ms;
        long long combos;
        bool stopped;
    };
    std::vector<Row> rows_;
};

}  // namespace
}  // namespace fortunara

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    fortunara::TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintTable();
    benchmark::Shutdown();
    return 0;
}
