#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "checks/core/system_record.h"
#include "systems/core/system_certificate.h"
#include "systems/core/system_completion.h"

// What a system guarantees: the exact certificate of up to 1000 tickets over up to 30 numbers,
// the tickets that make "terno se escono 3" of 20 numbers sure, and a system's record of 1000
// tickets over the whole bundled archive.

namespace fortunara {
namespace {

PositionSystem RandomSystem(int positions, int tickets) {
    std::mt19937_64 random(42);
    PositionSystem system{positions, {}};
    std::vector<int> order(static_cast<std::size_t>(positions));
    for (std::size_t p = 0; p < order.size(); ++p) order[p] = static_cast<int>(p);
    for (int t = 0; t < tickets; ++t) {
        std::shuffle(order.begin(), order.end(), random);
        std::vector<int> ticket(order.begin(), order.begin() + 6);
        std::sort(ticket.begin(), ticket.end());
        system.tickets.push_back(ticket);
    }
    return system;
}

void ExactCertificateOf(benchmark::State& state) {
    const PositionSystem system = RandomSystem(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(ExactCertificate(system));
    state.counters["passi"] = static_cast<double>(CertificateSteps(system));
}
BENCHMARK(ExactCertificateOf)->Args({20, 100})->Args({30, 100})->Args({30, 1000})->Unit(benchmark::kMillisecond);

void CompleteTernoOfThree(benchmark::State& state) {
    const PositionSystem system = RandomSystem(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::size_t added = 0;
    for (auto _ : state) added = CompleteSystem(system, 3, 3).added.size();
    state.counters["aggiunte"] = static_cast<double>(added);
}
BENCHMARK(CompleteTernoOfThree)->Args({20, 0})->Args({20, 30})->Unit(benchmark::kMillisecond);

void RecordOverTheWholeArchive(benchmark::State& state) {
    const PositionSystem system = RandomSystem(90, 1000);
    std::vector<int> numbers;
    for (const std::vector<int>& ticket : system.tickets) {
        for (const int p : ticket) numbers.push_back(p + 1);
    }
    const Tickets tickets{numbers, 6, 1000};
    for (auto _ : state) {
        const SystemRecord record = RecordOverRange(FORTUNARA_ASSETS, tickets, ScanRange{4253, 1});
        benchmark::DoNotOptimize(record.total);
    }
}
BENCHMARK(RecordOverTheWholeArchive)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunara

BENCHMARK_MAIN();
