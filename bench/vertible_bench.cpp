// The vertible-numbers method over the whole bundled archive (4253 draws, 12,759 forecast rows):
// the run and the check alone, and the method window showing both, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <filesystem>

#include "bench/offscreen_main.h"
#include "tests/fakes/fake_platform.h"
#include "vertible/core/forecast_check.h"
#include "vertible/core/method_run.h"
#include "vertible/windows/metodovertibili.h"

namespace {

namespace fs = std::filesystem;
using namespace fortunara;

// A program folder holding the bundled archive, for the whole run.
const fs::path& Folder() {
    static const fs::path folder = [] {
        const fs::path made = fs::temp_directory_path() / "fortunara-vertible-bench";
        fs::create_directories(made / "dati");
        fs::copy_file(fs::path(FORTUNARA_ASSETS) / "dati" / "estraz09.txt", made / "dati" / "estraz09.txt",
                      fs::copy_options::overwrite_existing);
        return made;
    }();
    return folder;
}

ProgramState WholeArchive() {
    ProgramState state;
    state.programFolder = Folder();
    return state;
}

constexpr MethodRange kWholeRange{1'000'000, 1};  // cut at the newest draw

void BM_RunMethod(benchmark::State& bench) {
    ProgramState state = WholeArchive();
    for (auto _ : bench) benchmark::DoNotOptimize(RunMethod(state, kVertibleMethod, 1, kWholeRange));
}
BENCHMARK(BM_RunMethod)->Unit(benchmark::kMillisecond);

void BM_CheckForecasts(benchmark::State& bench) {
    ProgramState state = WholeArchive();
    const MethodRun run = RunMethod(state, kVertibleMethod, 1, kWholeRange);
    for (auto _ : bench) benchmark::DoNotOptimize(CheckForecasts(state.programFolder, run.lines));
}
BENCHMARK(BM_CheckForecasts)->Unit(benchmark::kMillisecond);

// "VERTIBILI" chosen and "CONTROLLO" pressed in the window, grids filled and painted once.
void BM_WindowRunAndCheck(benchmark::State& bench) {
    ProgramState state = WholeArchive();
    test::FakePlatform fakes;
    Platform platform = fakes.platform();
    METODOVERTIBILI window(state, platform);
    window.show();
    auto* method = window.findChild<QComboBox*>("Combo2");
    auto* check = window.findChild<QPushButton*>("Command1");
    // The window's own bars on the whole archive.
    window.findChild<QScrollBar*>("HScroll1")->setValue(state.RecordCount);
    window.findChild<QScrollBar*>("HScroll2")->setValue(1);
    for (auto _ : bench) {
        method->setCurrentIndex(0);
        emit method->activated(0);
        check->click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_WindowRunAndCheck)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const int status = RunOffscreenBenchmarks(argc, argv);
    fs::remove_all(Folder());
    return status;
}
