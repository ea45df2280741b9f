#pragma once

#include <QChartView>
#include <QImage>

#include "state/chart_data.h"

class QAbstractSeries;

namespace fortunara {

// A chart in the program's look: ivory ground, deep green for what happened, gold for what chance
// gives, red for the line chance rarely passes and for money paid; DejaVu fonts. Bars, lines, bands
// and marks share one value axis across (bars stand at x = their index) and one up. Each series is
// drawn under its name as object name.
class ChartView : public QChartView {
    Q_OBJECT

public:
    explicit ChartView(const QString& name, QWidget* parent = nullptr);

    void Show(const ChartData& data);
    const ChartData& Data() const { return data_; }
    // The series drawn under that name; nullptr when there is none.
    QAbstractSeries* Series(const QString& name) const;
    // The chart drawn afresh at that size, whatever the window's: for the printer and the PNG file.
    QImage Picture(const QSize& size) const;

private:
    ChartData data_;
};

}  // namespace fortunara
