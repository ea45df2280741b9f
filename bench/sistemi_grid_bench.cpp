// How long the system window's result grid takes to show a finished run of 30000 combinations:
// the rows handed to the model and the view laid out and painted once, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>

#include "bench/offscreen_main.h"
#include "systems/windows/system_grid_model.h"

namespace {

using fortunara::SystemGridModel;

std::vector<SystemGridModel::Row> FullRun() {
    std::vector<SystemGridModel::Row> rows(30000);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 6; ++c) rows[r].numbers[static_cast<std::size_t>(c)] = static_cast<int>((r + c) % 90 + 1);
        rows[r].filled = 6;
    }
    return rows;
}

void BM_ShowThirtyThousandRows(benchmark::State& state) {
    SystemGridModel model;
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(20);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(420, 500);
    view.show();
    const std::vector<SystemGridModel::Row> rows = FullRun();
    for (auto _ : state) {
        model.Clear();
        model.SetRows(rows, SystemGridModel::CellForm::Plain);
        view.scrollToBottom();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_ShowThirtyThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
