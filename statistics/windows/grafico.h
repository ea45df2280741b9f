#pragma once

#include "statistics/core/statistics_charts.h"
#include "ui/chart_window.h"

class QComboBox;
class QSpinBox;

namespace fortunara {

// The chart window of the statistics tab ("GRAFICO"): the frequencies of the 90 numbers, the delay
// of one number draw by draw, the current delays, and the three distributions, each beside what
// chance alone gives, over the range and positions of the table it was opened from. `Scelta`
// chooses the chart, `Numero` the number whose delay it follows.
class Grafico : public ChartWindow {
    Q_OBJECT

public:
    Grafico(ProgramState& state, Platform& platform, const ChartRequest& request, QWidget* parent = nullptr);

    QComboBox* Scelta;
    QSpinBox* Numero;

private:
    void Draw();

    ChartRequest request_;
};

}  // namespace fortunara
