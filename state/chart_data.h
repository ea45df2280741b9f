#pragma once

#include <string>
#include <vector>

namespace fortunara {

// A chart as the program draws, prints and saves it, without Qt: what a statistic or a record
// puts on it, and the few lines under it that say how it compares with chance.

enum class ChartSeriesKind {
    Bars,    // one bar per point, at x = its index
    Line,    // points joined by straight lines
    Band,    // the area between `points` (lower edge) and `upper`
    Marker,  // points marked one by one
};

// What a series stands for, which gives its colour: what happened, what chance gives on average,
// the line chance rarely passes, money paid.
enum class ChartTone { Observed, Chance, Rare, Cost };

struct ChartPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

struct ChartSeries {
    std::string name;   // the series' object name, by which windows and tests find it
    std::string label;  // its text in the legend
    ChartSeriesKind kind = ChartSeriesKind::Line;
    ChartTone tone = ChartTone::Observed;
    std::vector<ChartPoint> points;
    std::vector<ChartPoint> upper;  // a band's upper edge, point for point
};

// A label on the horizontal axis at a value.
struct ChartTick {
    double x = 0;
    std::string text;
};

struct ChartData {
    std::string name;   // "GraficoFrequenze": a file name for it is made from this
    std::string title;  // over the chart, and the first printed line
    std::string xTitle;
    std::string yTitle;
    double xFirst = 0;  // the horizontal axis runs from xFirst to xLast
    double xLast = 1;
    std::vector<ChartTick> ticks;
    int tickAngle = 0;  // of the tick labels: -90 stands them up where they are many
    std::vector<ChartSeries> series;
    std::vector<std::string> notes;  // under the chart: what it shows against chance

    const ChartSeries* Find(const std::string& seriesName) const;
};

// Ticks at about `count` round steps (1, 2, 5 times a power of ten) over first..last, each labelled
// by `label(x)`.
template <class Label>
std::vector<ChartTick> RoundTicks(double first, double last, int count, Label label);

// The step of RoundTicks: the smallest of 1, 2, 5, 10, 20, 50, ... that gives at most `count`
// steps over `span`.
double RoundStep(double span, int count);

template <class Label>
std::vector<ChartTick> RoundTicks(double first, double last, int count, Label label) {
    std::vector<ChartTick> ticks;
    const double step = RoundStep(last - first, count);
    for (double x = static_cast<double>(static_cast<long long>(first / step)) * step; x <= last; x += step) {
        if (x >= first) ticks.push_back({x, label(x)});
    }
    return ticks;
}

}  // namespace fortunara
