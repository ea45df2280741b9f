// The optimizer of reduced systems over the bundled table of best known coverings: for every cell
// chosen, one run of a fixed time on one core, and the ratio of the count found to the best known,
// as the rows of a Markdown table, then the median and the largest ratio.
//
// Usage: optimizer_bench [--secondi S] [--dal V] [--fino V] [--almeno T] [--seme X]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "systems/core/covering_table.h"
#include "systems/core/system_optimizer.h"

using namespace fortunara;

int main(int argc, char** argv) {
    double seconds = 10;
    int least = 7;
    int most = 30;
    int onlyT = 0;
    std::uint64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--secondi") {
            seconds = std::atof(value);
        } else if (option == "--dal") {
            least = std::atoi(value);
        } else if (option == "--fino") {
            most = std::atoi(value);
        } else if (option == "--almeno") {
            onlyT = std::atoi(value);
        } else if (option == "--seme") {
            seed = std::strtoull(value, nullptr, 10);
        }
    }
    const std::vector<BestCovering> table = ReadCoveringTable(FORTUNARA_ASSETS);
    std::vector<double> ratios;
    std::printf("| v | t | lower bound | best known | found | ratio | seconds | moves |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const BestCovering& cell : table) {
        if (cell.numbers < least || cell.numbers > most || (onlyT != 0 && cell.atLeast != onlyT)) continue;
        const auto begin = std::chrono::steady_clock::now();
        OptimizerRequest request{cell.numbers, cell.atLeast, cell.atLeast, seed, 0};
        request.seconds = seconds;
        const OptimizerResult result = OptimizeSystem(request);
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        const double ratio = static_cast<double>(result.tickets.size()) / static_cast<double>(cell.bestKnown);
        ratios.push_back(ratio);
        std::printf("| %d | %d | %lld | %lld | %zu | %.3f | %.1f | %lld |\n", cell.numbers, cell.atLeast,
                    cell.lowerBound, cell.bestKnown, result.tickets.size(), ratio, elapsed, result.steps);
        std::fflush(stdout);
    }
    std::sort(ratios.begin(), ratios.end());
    if (ratios.empty()) return 1;
    const std::size_t half = ratios.size() / 2;
    const double median = ratios.size() % 2 == 1 ? ratios[half] : (ratios[half - 1] + ratios[half]) / 2;
    std::printf("\ncells %zu, median ratio %.3f, largest %.3f\n", ratios.size(), median, ratios.back());
}
