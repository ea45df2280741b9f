// The program's files at sizes far beyond the bundled ones: a scan over an archive of a million
// draws, the read of a 10 MB played-system file (the readers stop at 300000 numbers), the
// replacement of the largest played system and of the matrix index. Run one at a
// time under /usr/bin/time -v (--benchmark_filter=NAME) to see the memory each one holds.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"
#include "matrices/core/matrix_files.h"
#include "matrices/core/text_fields.h"
#include "statistics/core/number_delays.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;

constexpr int kLargeArchiveDraws = 1000000;
constexpr std::size_t kLargeFileBytes = 10 * 1000 * 1000;

// A program folder made afresh for each run and removed at the end.
class BenchFolder {
public:
    BenchFolder() : path_(fs::temp_directory_path() / "fortunara-files-bench") {
        fs::remove_all(path_);
        for (const char* folder : {"dati", "matrion"}) fs::create_directories(path_ / folder);
        WriteArchive();
        WritePlayedSystem();
    }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }
    fs::path PlayedSystem() const { return path_ / "grande.SSI"; }

private:
    void WriteArchive() const {
        std::mt19937 generator(7);
        std::uniform_int_distribution<int> number(1, 90);
        std::ofstream out(path_ / "dati" / "estraz09.txt", std::ios::binary);
        for (int k = 0; k < kLargeArchiveDraws; ++k) {
            std::array<int, 8> numbers{};
            for (int& n : numbers) n = number(generator);
            out << FormatDrawRecord("01GEN2009", numbers);
        }
    }
    // Quoted lines, as the system window writes them: "12" CR LF, until the file holds 10 MB.
    void WritePlayedSystem() const {
        std::ofstream out(PlayedSystem(), std::ios::binary);
        const std::size_t numbers = kLargeFileBytes / 6;
        out << "\"90\"\r\n\"" << numbers / 6 << "\"\r\n\"6\"\r\n";
        for (std::size_t i = 0; i < numbers; ++i) out << '"' << 10 + i % 80 << "\"\r\n";
    }

    fs::path path_;
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

void DelaysOverAMillionDraws(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeDelays(Folder().Path(), {kLargeArchiveDraws, 1}, MainPositions()));
    }
}
BENCHMARK(DelaysOverAMillionDraws)->Unit(benchmark::kMillisecond);

void ReadTenMegabytePlayedSystem(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadSystemFile(Folder().PlayedSystem()));
}
BENCHMARK(ReadTenMegabytePlayedSystem)->Unit(benchmark::kMillisecond);

// The largest played system the system window saves, 30000 combinations of six, written over the
// same file: the writer first reads the old file, which it never replaces when the readers cut it.
void ReplaceLargestPlayedSystem(benchmark::State& state) {
    MatrixData data;
    data.numberCount = 90;
    data.comboCount = 30000;
    data.comboSize = 6;
    for (int i = 0; i < 30000 * 6; ++i) data.numbers.push_back(1 + i % 90);
    const fs::path file = Folder().Path() / "30000.SSI";
    for (auto _ : state) benchmark::DoNotOptimize(WriteSystemFile(file, data));
}
BENCHMARK(ReplaceLargestPlayedSystem)->Unit(benchmark::kMillisecond);

// A full index: 499 names, flushed to the disk before the rename.
void ReplaceFullIndex(benchmark::State& state) {
    std::vector<std::string> lines = {QuotedTextLine("")};
    for (int i = 0; i < 499; ++i) lines.push_back(QuotedTextLine("12N03006.SIS"));
    lines.push_back(QuotedTextLine("STOP"));
    const fs::path index = Folder().Path() / "matrion" / "SISTEMI.TXT";
    for (auto _ : state) benchmark::DoNotOptimize(ReplaceTextFile(index, lines));
}
BENCHMARK(ReplaceFullIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunara

BENCHMARK_MAIN();
