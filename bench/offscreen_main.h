#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// The main of a benchmark that shows windows: Qt on the offscreen platform, then every benchmark.
inline int RunOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
