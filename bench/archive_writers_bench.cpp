// The archive's writers and checks on the bundled archive, file work included: the integrity
// report, the check of a downloaded copy against the archive, the save's search for its date and
// the conversion of a text archive of 1428 draws.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "archive/core/archive_conversion.h"
#include "archive/core/archive_download.h"
#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "archive/core/archive_verification.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_save.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;

const std::string& Bundled() {
    static const std::string bytes = ReadFileBytes(fs::path(FORTUNARA_ASSETS) / "dati" / "estraz09.txt").bytes;
    return bytes;
}

// A program folder of its own with the bundled archive, removed at the end.
struct BenchFolder {
    BenchFolder() {
        path = fs::temp_directory_path() / ("fortunara-bench-archivio-" + std::to_string(std::random_device()()));
        fs::create_directories(path / "dati");
        ReplaceFileBytes(DrawArchive::ArchivePath(path), Bundled());
    }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path path;
};

void VerifyBundledArchive(benchmark::State& state) {
    BenchFolder folder;
    for (auto _ : state) {
        const FileBytes bytes = ReadFileBytes(DrawArchive::ArchivePath(folder.path));
        benchmark::DoNotOptimize(VerifyArchive(bytes.bytes));
    }
}
BENCHMARK(VerifyBundledArchive)->Unit(benchmark::kMillisecond);

void CheckDownloadedCopy(benchmark::State& state) {
    BenchFolder folder;
    const TemporaryFile copy(DrawArchive::ArchivePath(folder.path));
    ReplaceFileBytes(copy.path(), Bundled());
    for (auto _ : state) benchmark::DoNotOptimize(CheckArchiveCopy(folder.path, copy.path()));
}
BENCHMARK(CheckDownloadedCopy)->Unit(benchmark::kMillisecond);

void FindDateForTheSave(benchmark::State& state) {
    BenchFolder folder;
    for (auto _ : state) benchmark::DoNotOptimize(FindDateAmongNewest(folder.path, "12GEN2010"));
}
BENCHMARK(FindDateForTheSave)->Unit(benchmark::kMicrosecond);

void ConvertTextArchiveOf1428(benchmark::State& state) {
    BenchFolder folder;
    std::string text;
    for (int k = 1428; k >= 1; --k) text += Bundled().substr(static_cast<std::size_t>(k - 1) * 25, 25) + "\r\n";
    ReplaceFileBytes(folder.path / "archivio.txt", text);
    const ArchiveLock lock(folder.path);
    for (auto _ : state) benchmark::DoNotOptimize(ConvertTextArchive(folder.path, folder.path / "archivio.txt", lock));
}
BENCHMARK(ConvertTextArchiveOf1428)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunara

BENCHMARK_MAIN();
