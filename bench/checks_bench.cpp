// The win check of a system of 30000 tickets against one draw, and the record of 1000 tickets over
// the whole bundled archive (4253 draws), file reading included.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "checks/core/system_record.h"
#include "checks/core/win_check.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;

// Tickets of six different numbers from 1 to 90, the same every run.
std::vector<int> RandomTickets(int count) {
    std::mt19937 random(20260821);
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(count) * 6);
    std::vector<int> pool(90);
    for (int t = 0; t < count; ++t) {
        for (int n = 0; n < 90; ++n) pool[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(pool.begin(), pool.end(), random);
        numbers.insert(numbers.end(), pool.begin(), pool.begin() + 6);
    }
    return numbers;
}

void BM_CheckTickets30000(benchmark::State& bench) {
    const std::vector<int> numbers = RandomTickets(30000);
    const Tickets tickets = TicketsOf(numbers, 6);
    const CheckDraw draw{{5, 12, 17, 33, 40, 61}, 80};
    for (auto _ : bench) benchmark::DoNotOptimize(CheckTickets(tickets, draw));
}
BENCHMARK(BM_CheckTickets30000)->Unit(benchmark::kMillisecond);

void BM_RecordOfAThousandOverTheArchive(benchmark::State& bench) {
    std::random_device device;
    const fs::path folder = fs::temp_directory_path() / ("fortunara-checks-bench-" + std::to_string(device()));
    fs::create_directories(folder / "dati");
    fs::copy_file(fs::path(FORTUNARA_ASSETS) / "dati" / "estraz09.txt", folder / "dati" / "estraz09.txt");
    const std::vector<int> numbers = RandomTickets(1000);
    const Tickets tickets = TicketsOf(numbers, 6);
    for (auto _ : bench) benchmark::DoNotOptimize(RecordOverRange(folder, tickets, {1'000'000, 1}));
    std::error_code ec;
    fs::remove_all(folder, ec);
}
BENCHMARK(BM_RecordOfAThousandOverTheArchive)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunara

BENCHMARK_MAIN();
