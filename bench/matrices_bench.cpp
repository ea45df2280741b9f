// The matrix library's own work: what a matrix guarantees over every draw (the starter library's
// comments), the comment lines of the largest typed matrix, and the starter library registered in
// an index that lacks it (82 files copied and flushed, one rewrite of the index).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "matrices/core/matrix_editor.h"
#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_guarantee.h"
#include "matrices/core/starter_library.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;

const fs::path kAssets = FORTUNARA_ASSETS;

// The largest starter matrices: the "TERNO" of 20 numbers (680 combinations) and "    n - 1" of 19
// (988), for every count of drawn numbers from 2 to 6.
void BM_GuaranteedHits(benchmark::State& state) {
    const MatrixRead read = ReadMatrixFile(kAssets, state.range(0) == 0 ? "20N68006.SIS" : "19N98806.SIS");
    for (auto _ : state) {
        for (int drawn = 2; drawn <= 6; ++drawn) benchmark::DoNotOptimize(GuaranteedHits(read.data, drawn));
    }
}
BENCHMARK(BM_GuaranteedHits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

class Folder {
public:
    Folder() : path_(fs::temp_directory_path() / "fortunara-matrices-bench") {
        fs::remove_all(path_);
        fs::create_directories(path_ / "matrion");
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// 999 combinations of 10 numbers typed in, then their comments written after the 9990 positions.
void BM_CommentsOfTheLargestMatrix(benchmark::State& state) {
    Folder folder;
    const NewMatrix matrix = CheckNewMatrix(folder.Path(), "90", "999", 10);
    MatrixEntry entry(matrix);
    for (int i = 0; i < 999 * 10; ++i) entry.Take(std::to_string(1 + i % 90));
    WriteTypedMatrix(folder.Path(), matrix.name, entry, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteMatrixComments(folder.Path(), matrix.name, {"UNO", "DUE", "TRE"}));
    }
}
BENCHMARK(BM_CommentsOfTheLargestMatrix)->Unit(benchmark::kMillisecond);

void BM_RegisterStarterLibrary(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Folder folder;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RegisterStarterMatrices(folder.Path(), kAssets));
    }
}
BENCHMARK(BM_RegisterStarterLibrary)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace fortunara

BENCHMARK_MAIN();
