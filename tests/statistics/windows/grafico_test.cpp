// The chart window of the statistics tab on the bundled archive: each chart's series beside the
// table it comes from and its chance line, then its print and its PNG file.
#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "tests/statistics/windows/window_tests.h"
#include "tests/windows/started_program.h"
#include "ui/chart_view.h"
#include "ui/data_grid.h"

namespace fortunara::test {

namespace {

constexpr const char* kPngSignature = "\x89PNG\r\n\x1a\n";

template <class T>
T* SeriesOf(QWidget& window, const char* name) {
    auto* view = window.findChild<ChartView*>("Grafico");
    return view == nullptr ? nullptr : qobject_cast<T*>(view->Series(name));
}

std::vector<double> BarValues(QWidget& window, const char* name) {
    std::vector<double> values;
    auto* bars = SeriesOf<QBarSeries>(window, name);
    if (bars == nullptr || bars->barSets().size() != 1) return values;
    for (int i = 0; i < bars->barSets().front()->count(); ++i) values.push_back(bars->barSets().front()->at(i));
    return values;
}

std::vector<double> YValues(const QXYSeries* series) {
    std::vector<double> values;
    if (series == nullptr) return values;
    for (const QPointF& point : series->points()) values.push_back(point.y());
    return values;
}

double Sum(const std::vector<double>& values) {
    double sum = 0;
    for (const double v : values) sum += v;
    return sum;
}

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void GraficoTest::eachChartOfTheBundledArchive() {
    StartedProgram program(GoldenArchive());
    program.window->Tabella()->setCurrentIndex(2);
    const int newest = program.state.RecordCount;
    program.Find<QScrollBar>("HScroll3")->setValue(newest);
    program.Find<QScrollBar>("HScroll4")->setValue(1);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton12"), Qt::LeftButton);
    // The table's columns FREQ, RIT, RIT MAX for numbers 1..90.
    std::vector<double> freq;
    std::vector<double> delay;
    std::vector<double> longest;
    for (const std::vector<std::string>& row : GridRows(*program.Find<DataGrid>("grid2"))) {
        freq.push_back(std::stod(row[1]));
        delay.push_back(std::stod(row[2]));
        longest.push_back(std::stod(row[3]));
    }
    QCOMPARE(freq.size(), std::size_t{90});
    const double draws = newest;
    program.Find<DataGrid>("grid2")->setCurrentCell(17, 0);

    bool checked = false;
    program.fakes.modal.Expect([&](QWidget& window) {
        QCOMPARE(window.objectName(), QString("GraficoStatistiche"));
        auto* choice = window.findChild<QComboBox*>("Scelta");
        auto* number = window.findChild<QSpinBox*>("Numero");
        QVERIFY(choice != nullptr && number != nullptr);
        QCOMPARE(choice->currentIndex(), 0);
        QCOMPARE(number->value(), 17);
        QVERIFY(!number->isEnabled());

        // Frequencies: the table's FREQ; chance draws x 6 / 90 with two binomial deviations round it.
        QCOMPARE(BarValues(window, "Frequenze"), freq);
        const double mean = draws * 6 / 90;
        const double deviation = std::sqrt(draws * (6.0 / 90) * (84.0 / 90));
        for (const double y : YValues(SeriesOf<QLineSeries>(window, "Caso"))) QVERIFY(std::abs(y - mean) < 1e-9);
        auto* band = SeriesOf<QAreaSeries>(window, "Fascia");
        QVERIFY(band != nullptr);
        for (const double y : YValues(band->upperSeries())) QVERIFY(std::abs(y - mean - 2 * deviation) < 1e-9);
        for (const double y : YValues(band->lowerSeries())) QVERIFY(std::abs(y - mean + 2 * deviation) < 1e-9);
        const auto outside = static_cast<int>(
            std::count_if(freq.begin(), freq.end(), [&](double f) { return std::abs(f - mean) > 2 * deviation; }));
        QVERIFY(window.findChild<QLabel*>("Note")->text().contains(
            QString("FUORI DALLA FASCIA DEL CASO: %1 NUMERI").arg(outside)));

        // The delay of 17 draw by draw: it ends at its RIT, its peak marked at RIT MAX.
        choice->setCurrentIndex(1);
        QVERIFY(number->isEnabled());
        const std::vector<double> saw = YValues(SeriesOf<QLineSeries>(window, "Ritardo"));
        QCOMPARE(saw.size(), std::size_t(newest));
        QCOMPARE(saw.back(), delay[16]);
        const std::vector<double> peaks = YValues(SeriesOf<QScatterSeries>(window, "Massimo"));
        QVERIFY(!peaks.empty());
        for (const double y : peaks) QCOMPARE(y, longest[16]);
        const std::vector<double> rare = YValues(SeriesOf<QLineSeries>(window, "Soglia"));
        QVERIFY(!rare.empty() && rare.front() > mean / 6);
        number->setValue(90);
        QCOMPARE(YValues(SeriesOf<QLineSeries>(window, "Ritardo")).back(), delay[89]);

        // Current delays: the RIT column from the longest down, with its chance lines.
        choice->setCurrentIndex(2);
        std::vector<double> sorted = delay;
        std::sort(sorted.rbegin(), sorted.rend());
        QCOMPARE(BarValues(window, "Ritardi"), sorted);
        QVERIFY(!YValues(SeriesOf<QLineSeries>(window, "Caso")).empty());
        QVERIFY(!YValues(SeriesOf<QLineSeries>(window, "Soglia")).empty());

        // The distributions: every draw counted once; chance spreads the same draws over the values.
        for (const int chart : {3, 4, 5}) {
            choice->setCurrentIndex(chart);
            QCOMPARE(Sum(BarValues(window, "Frequenze")), draws);
            const double expected = Sum(YValues(SeriesOf<QLineSeries>(window, "Caso")));
            QVERIFY2(std::abs(expected - draws) < draws * (chart == 4 ? 0.01 : 1e-9),
                     qPrintable(QString::number(chart)));
        }

        // The printer gets the title, the notes and the picture; the file dialog names the PNG.
        choice->setCurrentIndex(0);
        window.findChild<QPushButton*>("StampaGrafico")->click();
        QCOMPARE(program.fakes.printer.jobs.size(), std::size_t{1});
        const PrintJob& job = program.fakes.printer.jobs.back();
        QCOMPARE(job.pages.size(), std::size_t{1});
        QCOMPARE(job.pages[0].pictures.size(), std::size_t{1});
        QVERIFY(job.pages[0].pictures[0].png.starts_with(kPngSignature));
        QCOMPARE(QString::fromStdString(job.AllLines().front()),
                 window.findChild<ChartView*>("Grafico")->chart()->title());

        program.fakes.dialogs.AnswerText("frequenze");
        window.findChild<QPushButton*>("SalvaGrafico")->click();
        const std::filesystem::path saved = program.state.programFolder / "frequenze.png";
        QVERIFY(FileBytes(saved).starts_with(kPngSignature));
        std::filesystem::remove(saved);
        program.fakes.dialogs.AnswerText("");  // cancelled
        window.findChild<QPushButton*>("SalvaGrafico")->click();
        QVERIFY(!std::filesystem::exists(saved));
        QCOMPARE(program.fakes.dialogs.questions().back().kind, DialogKind::SaveFile);
        checked = true;
    });
    QTest::mouseClick(program.Find<QPushButton>("CommandGrafico"), Qt::LeftButton);
    QVERIFY(checked);
    QCOMPARE(program.fakes.modal.pending(), std::size_t{0});
}

}  // namespace fortunara::test
