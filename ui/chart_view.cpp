#include "ui/chart_view.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

#include "ui/look.h"
#include "ui/strip_painter.h"

namespace fortunara {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ToneColour(ChartTone tone) {
    switch (tone) {
        case ChartTone::Observed:
            return look::kGreenLight;
        case ChartTone::Chance:
            return look::kGold.darker(115);
        case ChartTone::Rare:
        case ChartTone::Cost:
            return look::kRed;
    }
    return look::kInk;
}

QList<QPointF> Points(const std::vector<ChartPoint>& points) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points) list.append(QPointF(p.x, p.y));
    return list;
}

QLineSeries* Line(const ChartSeries& data, QObject* parent) {
    auto* line = new QLineSeries(parent);
    line->replace(Points(data.points));
    QPen pen(ToneColour(data.tone), data.tone == ChartTone::Observed ? 1.5 : 2.2);
    if (data.tone == ChartTone::Rare) pen.setStyle(Qt::DashLine);
    line->setPen(pen);
    return line;
}

QAbstractSeries* MakeSeries(const ChartSeries& data) {
    QAbstractSeries* series = nullptr;
    switch (data.kind) {
        case ChartSeriesKind::Bars: {
            auto* set = new QBarSet(Text(data.label));
            for (const ChartPoint& p : data.points) set->append(p.y);
            set->setColor(ToneColour(data.tone));
            set->setBorderColor(look::kGreen);
            auto* bars = new QBarSeries;
            bars->append(set);
            bars->setBarWidth(0.8);
            series = bars;
            break;
        }
        case ChartSeriesKind::Line:
            series = Line(data, nullptr);
            break;
        case ChartSeriesKind::Band: {
            auto* area = new QAreaSeries;
            auto* upper = new QLineSeries(area);
            upper->replace(Points(data.upper));
            area->setUpperSeries(upper);
            area->setLowerSeries(Line(data, area));
            QColor fill = look::kGoldLight;
            fill.setAlpha(110);
            area->setBrush(fill);
            area->setPen(QPen(look::kGold, 1));
            series = area;
            break;
        }
        case ChartSeriesKind::Marker: {
            auto* marks = new QScatterSeries;
            marks->replace(Points(data.points));
            marks->setMarkerSize(11);
            marks->setColor(ToneColour(data.tone));
            marks->setBorderColor(look::kInk);
            series = marks;
            break;
        }
    }
    series->setName(Text(data.label));
    series->setObjectName(Text(data.name));
    return series;
}

double Highest(const ChartData& data) {
    double highest = 0;
    for (const ChartSeries& series : data.series) {
        for (const ChartPoint& p : series.points) highest = std::max(highest, p.y);
        for (const ChartPoint& p : series.upper) highest = std::max(highest, p.y);
    }
    return highest > 0 ? highest : 1;
}

// The room under the plot area for labels stood up and the axis title under them.
constexpr int kStandingRoom = 34;

// Labels stood up, one per bar (the 90 numbers): Qt's axis cuts them to "..." wherever a bar is
// narrower than a line of text, so they are drawn here, each centred under its bar, and placed again
// whenever the plot area moves.
void StandLabels(QChart& chart, const ChartData& data, QAbstractSeries& series) {
    std::vector<QGraphicsSimpleTextItem*> items;
    const std::vector<ChartTick>& ticks = data.ticks;
    auto* title = new QGraphicsSimpleTextItem(Text(data.xTitle), &chart);
    title->setFont(CaptionFont(8));
    title->setBrush(look::kGreen);
    for (const ChartTick& tick : ticks) {
        auto* item = new QGraphicsSimpleTextItem(Text(tick.text), &chart);
        item->setFont(QFont(look::kFontFamily, 8));
        item->setBrush(look::kInk);
        item->setRotation(-90);
        items.push_back(item);
    }
    QObject::connect(
        &chart, &QChart::plotAreaChanged, &chart, [&chart, &series, items, ticks, title](const QRectF& plot) {
            qreal longest = 0;
            qreal taken = plot.left() - 1000;  // where the last label shown ends, across
            for (std::size_t i = 0; i < items.size(); ++i) {
                const QRectF text = items[i]->boundingRect();
                const qreal x = chart.mapToPosition(QPointF(ticks[i].x, 0), &series).x();
                // Turned a quarter left about its top left corner, the text rises from
                // its position. Where bars are narrower than a line, every other label or
                // fewer is shown, never one over another.
                items[i]->setPos(x - text.height() / 2, plot.bottom() + 4 + text.width());
                items[i]->setVisible(x - text.height() / 2 >= taken);
                if (items[i]->isVisible()) taken = x + text.height() / 2;
                longest = std::max(longest, text.width());
            }
            title->setPos(plot.center().x() - title->boundingRect().width() / 2, plot.bottom() + 6 + longest);
        });
}

QChart* MakeChart(const ChartData& data) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(look::kIvory);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundBrush(QColor(255, 253, 247));
    chart->setPlotAreaBackgroundVisible(true);
    chart->setMargins(QMargins(4, 4, 4, 4));
    // Values as the program writes them: 150.000, not 150000.
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    chart->setTitle(Text(data.title));
    chart->setTitleFont(CaptionFont(11));
    chart->setTitleBrush(look::kGreen);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(QFont(look::kFontFamily, 8));
    chart->legend()->setLabelColor(look::kInk);

    const QFont labels(look::kFontFamily, 8);
    const bool standing = data.tickAngle != 0;
    auto* across = new QCategoryAxis;
    across->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    across->setStartValue(data.xFirst);
    if (standing) {
        across->append(" ", data.xLast);  // no labels of its own (an axis without any draws a dot)
    } else {
        for (const ChartTick& tick : data.ticks) across->append(Text(tick.text), tick.x);
    }
    across->setRange(data.xFirst, data.xLast);
    auto* up = new QValueAxis;
    up->setRange(0, Highest(data) * 1.05);
    up->applyNiceNumbers();
    up->setLabelFormat(QStringLiteral("%.0f"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(across), static_cast<QAbstractAxis*>(up)}) {
        axis->setLabelsFont(labels);
        axis->setLabelsColor(look::kInk);
        axis->setTitleFont(CaptionFont(8));
        axis->setTitleBrush(look::kGreen);
        axis->setLinePenColor(look::kGreen);
        axis->setGridLineColor(look::kIvoryDark);
    }
    // Standing labels and the title under them are drawn apart, in room left under the plot area:
    // the legend goes over the chart.
    across->setTitleText(standing ? QString() : Text(data.xTitle));
    if (standing) {
        chart->legend()->setAlignment(Qt::AlignTop);
        chart->setMargins(QMargins(4, 4, 4, 4 + kStandingRoom));
    }
    up->setTitleText(Text(data.yTitle));
    chart->addAxis(across, Qt::AlignBottom);
    chart->addAxis(up, Qt::AlignLeft);
    for (const ChartSeries& data_series : data.series) {
        QAbstractSeries* series = MakeSeries(data_series);
        chart->addSeries(series);
        series->attachAxis(across);
        series->attachAxis(up);
    }
    if (standing && !chart->series().isEmpty()) StandLabels(*chart, data, *chart->series().front());
    return chart;
}

}  // namespace

ChartView::ChartView(const QString& name, QWidget* parent) : QChartView(parent) {
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(640, 360);
    setFocusPolicy(Qt::StrongFocus);
}

void ChartView::Show(const ChartData& data) {
    data_ = data;
    QChart* previous = chart();
    setChart(MakeChart(data_));
    delete previous;
}

QAbstractSeries* ChartView::Series(const QString& name) const {
    for (QAbstractSeries* series : chart()->series()) {
        if (series->objectName() == name) return series;
    }
    return nullptr;
}

QImage ChartView::Picture(const QSize& size) const {
    QGraphicsScene scene;
    QChart* chart = MakeChart(data_);
    scene.addItem(chart);  // the scene deletes it
    chart->resize(size);
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    QImage image(size, QImage::Format_RGB32);
    image.fill(look::kIvory);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), scene.sceneRect());
    return image;
}

}  // namespace fortunara
