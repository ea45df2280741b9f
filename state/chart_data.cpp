#include "state/chart_data.h"

namespace fortunara {

const ChartSeries* ChartData::Find(const std::string& seriesName) const {
    for (const ChartSeries& s : series) {
        if (s.name == seriesName) return &s;
    }
    return nullptr;
}

double RoundStep(double span, int count) {
    double step = 1;
    const double factors[] = {2, 2.5, 2};  // 1, 2, 5, 10, 20, 50, ...
    for (int i = 0; span / step > count; ++i) step *= factors[i % 3];
    return step;
}

}  // namespace fortunara
