// The archive's writers and checks on the bundled archive, file work included: the integrity
// report, the check of a downloaded copy against the archive, the save's search for its date and
// the conversion of a text archive of 1428 draws; then the conversion of a 50 MB text archive and
// the import of a copy of a million draws, whose memory shows under /usr/bin/time -v
// (--benchmark_filter=NAME).
//
// The command line on the same inputs (Release, /usr/bin/time -v, whole process):
//   converti of a 50 MB archivio.txt (1.9 million lines)   0,28 s   12,6 MB  (before: 585 MB)
//   converti /dev/zero                                     0,04 s   12,2 MB  (before: never ended)
//   importa /dev/zero                                      0,05 s   12,5 MB  (before: never ended)
//   importa of a copy of 1,000,000 draws (25 MB)           0,45 s   12,5 MB
// and these benchmarks, alone: ConvertAFiftyMegabyteText 15 ms and 4,8 MB, ImportAMillionDraws
// 0,74 s and 4,8 MB (two builds running on the two cores meanwhile).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
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

// Local paths only: nothing is downloaded here.
class NoDownload : public Downloader {
public:
    DownloadResult Download(const std::string&, const fs::path&, const Progress&) override { return {}; }
    void Cancel() override {}
};

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

// The text is read no further than the 1428 entries the archive takes.
void ConvertAFiftyMegabyteText(benchmark::State& state) {
    BenchFolder folder;
    std::string line;
    for (int k = 1428; k >= 1; --k) line += Bundled().substr(static_cast<std::size_t>(k - 1) * 25, 25) + "\r\n";
    {
        std::ofstream out(folder.path / "archivio.txt", std::ios::binary);
        for (std::size_t written = 0; written < 50u * 1024 * 1024; written += line.size()) out << line;
    }
    const ArchiveLock lock(folder.path);
    for (auto _ : state) benchmark::DoNotOptimize(ConvertTextArchive(folder.path, folder.path / "archivio.txt", lock));
}
BENCHMARK(ConvertAFiftyMegabyteText)->Unit(benchmark::kMillisecond);

// Fetched, checked against the archive and written over it, a block at a time.
void ImportAMillionDraws(benchmark::State& state) {
    BenchFolder folder;
    const fs::path source = folder.path / "copia.txt";
    {
        std::ofstream out(source, std::ios::binary);
        for (int k = 0; k < 1000000; k += 4000) out << Bundled().substr(0, 4000 * 25);
    }
    NoDownload none;
    for (auto _ : state) {
        const TemporaryFile copy(DrawArchive::ArchivePath(folder.path));
        benchmark::DoNotOptimize(FetchArchiveCopy(none, source.string(), copy.path(), nullptr));
        const ArchiveLock lock(folder.path);
        benchmark::DoNotOptimize(CheckArchiveCopy(folder.path, copy.path()));
        benchmark::DoNotOptimize(InstallArchiveCopy(folder.path, copy.path(), lock));
    }
}
BENCHMARK(ImportAMillionDraws)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunara

BENCHMARK_MAIN();
