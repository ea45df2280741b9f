// Tabs 2 and 5 on the offscreen platform: the four tables of `grid2`, the forecast with its print,
// "RIDOTTI" and "ESCI", and what every statistic does when the archive cannot be read.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "statistics/core/distributions.h"
#include "statistics/core/forecast.h"
#include "statistics/core/number_delays.h"
#include "tests/statistics/windows/window_tests.h"
#include "tests/support/golden.h"
#include "tests/windows/started_program.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"

namespace fortunara::test {

namespace {

const std::array<int, 8> kFiller = {81, 82, 83, 84, 85, 86, 87, 88};

void Click(StartedProgram& program, const char* button) {
    QTest::mouseClick(program.Find<QPushButton>(button), Qt::LeftButton);
}

void TickPositions(StartedProgram& program, std::initializer_list<int> ticked) {
    for (int k = 0; k <= 8; ++k) {
        const bool on = std::find(ticked.begin(), ticked.end(), k) != ticked.end();
        program.Find<QCheckBox>(QString("Check3d3(%1)").arg(k))->setChecked(on);
    }
}

double WidthRatio(const DataGrid& grid, int column) {
    return static_cast<double>(grid.columnWidth(column)) / grid.columnWidth(0);
}

std::string Day(int k, const char* month = "GEN2019") {
    return (k < 10 ? "0" : "") + std::to_string(k) + month;
}

// Fifteen draws: record 11 holds 4, 15, 22, 38, 61, 77 and record 10 holds 2, 15, 40, 59, 70, 88;
// after base 12, record 13 has three of the ten most recent numbers, 14 two and 15 four.
std::string ForecastArchive() {
    std::vector<std::pair<std::string, std::array<int, 8>>> draws;
    for (int k = 1; k <= 15; ++k) draws.push_back({Day(k), kFiller});
    draws[9].second = {15, 88, 2, 70, 40, 59, 1, 3};
    draws[10].second = {77, 4, 61, 22, 38, 15, 5, 6};
    draws[12].second = {22, 4, 15, 81, 82, 83, 84, 85};
    draws[13].second = {2, 40, 81, 82, 83, 84, 85, 86};
    draws[14].second = {77, 70, 61, 59, 81, 82, 83, 84};
    return Records(draws);
}

void Forecast(StartedProgram& program, const QString& quantity, int base) {
    program.Find<QLineEdit>("Textbox1")->setText(quantity);
    program.Find<QScrollBar>("HScroll5")->setValue(base);
    Click(program, "CommandButton10");
}

std::string ForecastLabel(const StartedProgram& program) {
    return program.Find<QLabel>("Label1(0)")->text().toStdString();
}

// What "SISTEMI" does before "RIDOTTI" and "ESCI" can be pressed: the matrix list in view.
void ShowMatrixList(StartedProgram& program) {
    program.Find<QListWidget>("List6")->show();
    program.Find<QListWidget>("List3")->hide();
    program.Find<QPushButton>("CommandButton7")->setEnabled(true);
    program.Find<QPushButton>("CommandButton8")->setEnabled(true);
}

}  // namespace

void StatisticsForecastTest::tablesOfOneDraw() {
    StartedProgram program(MadeUpArchive(30, {{30, "01GEN20091705030402060708"}}));
    program.window->Tabella()->setCurrentIndex(2);
    program.Find<QScrollBar>("HScroll3")->setValue(30);
    program.Find<QScrollBar>("HScroll4")->setValue(30);
    const DataGrid& grid = *program.Find<DataGrid>("grid2");
    QLabel* title = program.Find<QLabel>("Titolo");

    auto delaysWith = [](std::initializer_list<int> drawn) {
        std::vector<std::vector<std::string>> rows;
        for (int n = 1; n <= 90; ++n) {
            const bool in = std::find(drawn.begin(), drawn.end(), n) != drawn.end();
            rows.push_back({std::to_string(n), in ? " 1" : " 0", in ? " 0" : " 1", in ? " 0" : " 1", ""});
        }
        return rows;
    };
    program.fakes.sounds.log.clear();
    Click(program, "CommandButton12");
    QCOMPARE(program.fakes.sounds.log, program.ClickCommands({"OPEN", "prev", "PLAY"}));
    QCOMPARE(title->text(), QString("Ritardi e frequenze dei 90 numeri"));
    QCOMPARE(GridHeaders(grid), std::vector<std::string>({"N°", "FREQ", "RIT", "RIT MAX", "CMAX"}));
    QCOMPARE(GridRows(grid), delaysWith({2, 3, 4, 5, 6, 17}));
    QVERIFY(qAbs(WidthRatio(grid, 1) - 1.5) < 0.05);

    TickPositions(program, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    Click(program, "CommandButton12");
    QCOMPARE(GridRows(grid), delaysWith({2, 3, 4, 5, 6, 17, 7, 8}));
    Click(program, "CommandButton3");
    QCOMPARE(title->text(), QString("Somma totale dei sei numeri"));
    QCOMPARE(GridHeaders(grid), std::vector<std::string>({"SOMMA", "FREQUENZA", "RITARDO"}));
    QCOMPARE(GridRows(grid), std::vector<std::vector<std::string>>({{"52", " 1", " 0"}}));

    TickPositions(program, {0, 1, 2, 3, 4, 5, 6});
    Click(program, "CommandButton3");
    QCOMPARE(GridRows(grid), std::vector<std::vector<std::string>>({{"37", " 1", " 0"}}));
    QVERIFY(qAbs(WidthRatio(grid, 2) - 1300.0 / 700) < 0.05);

    Click(program, "CommandButton2");
    QCOMPARE(title->text(), QString("Pari e Dispari"));
    QCOMPARE(GridHeaders(grid), std::vector<std::string>({" P - D ", "FREQUENZA", "RITARDO"}));
    std::vector<std::vector<std::string>> parity;
    for (int v = 0; v <= 6; ++v) {
        parity.push_back(
            {" " + std::to_string(v) + " - " + std::to_string(6 - v), v == 3 ? " 1" : " 0", v == 3 ? " 0" : " 1"});
    }
    QCOMPARE(GridRows(grid), parity);

    Click(program, "CommandButton4");
    QCOMPARE(title->text(), QString("Interruzioni"));
    QCOMPARE(GridHeaders(grid), std::vector<std::string>({" n° ", "FREQ", "RIT"}));
    std::vector<std::vector<std::string>> breaks;
    for (int v = 0; v <= 6; ++v) breaks.push_back({std::to_string(v), v == 1 ? " 1" : " 0", v == 1 ? " 0" : " 1"});
    QCOMPARE(GridRows(grid), breaks);
    QVERIFY(qAbs(WidthRatio(grid, 1) - 1400.0 / 750) < 0.05);
}

void StatisticsForecastTest::tablesOnTheBundledArchive_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");  // -1: the 90 numbers, else a DistributionKind
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("span");
    const QList<int> main = {0, 1, 2, 3, 4, 5, 6};
    const QList<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("90 numbers, last 100") << "CommandButton12" << -1 << main << 0 << 100;
    QTest::newRow("90 numbers, whole archive with jolly")
        << "CommandButton12" << -1 << QList<int>{1, 2, 3, 4, 5, 6, 7} << 0 << 4252;
    QTest::newRow("90 numbers, forwards") << "CommandButton12" << -1 << main << 2000 << -500;
    QTest::newRow("parity, 1000 draws") << "CommandButton2" << int(DistributionKind::Parity) << main << 0 << 1000;
    QTest::newRow("sums, every position") << "CommandButton3" << int(DistributionKind::Sum) << all << 0 << 4252;
    QTest::newRow("sums, box 1 cleared") << "CommandButton3" << int(DistributionKind::Sum) << QList<int>{2, 3, 4, 5, 6}
                                         << 50 << 700;
    QTest::newRow("interruptions, forwards")
        << "CommandButton4" << int(DistributionKind::Interruptions) << main << 4000 << -4000;
}

void StatisticsForecastTest::tablesOnTheBundledArchive() {
    QFETCH(QString, button);
    QFETCH(int, kind);
    QFETCH(QList<int>, positions);
    QFETCH(int, back);
    QFETCH(int, span);
    StartedProgram program(GoldenArchive());
    const int newest = program.state.RecordCount;
    const ScanRange range{newest - back, newest - back - span};
    program.Find<QScrollBar>("HScroll3")->setValue(range.from);
    program.Find<QScrollBar>("HScroll4")->setValue(range.to);
    for (int k = 0; k <= 8; ++k)
        program.Find<QCheckBox>(QString("Check3d3(%1)").arg(k))->setChecked(positions.contains(k));
    Click(program, qPrintable(button));

    const DataGrid& grid = *program.Find<DataGrid>("grid2");
    std::vector<std::string> shown = {program.Find<QLabel>("Titolo")->text().toStdString()};
    for (const std::vector<std::string>& row : std::vector<std::vector<std::string>>{GridHeaders(grid)}) {
        shown.push_back(QString::fromStdString(JoinLines(row)).replace('\n', '|').toStdString());
    }
    for (const std::vector<std::string>& row : GridRows(grid)) {
        shown.push_back(QString::fromStdString(JoinLines(row)).replace('\n', '|').toStdString());
    }
    const std::string prefix = kind < 0 ? "ritardi-" : "tabella-";
    const std::string difference = GoldenDifference(prefix + TagSlug() + ".txt", JoinLines(shown));
    QVERIFY2(difference.empty(), difference.c_str());
}

void StatisticsForecastTest::forecastShowsAndPrints() {
    StartedProgram program(ForecastArchive());
    program.window->Tabella()->setCurrentIndex(5);
    program.fakes.sounds.log.clear();
    Forecast(program, "10", 12);
    QCOMPARE(program.fakes.sounds.log, program.ClickCommands({"OPEN", "prev", "PLAY"}));
    QCOMPARE(ForecastLabel(program), std::string("     2     4   15   22   38   40   59   61   70   77"));
    QCOMPARE(Texts(*program.Find<QListWidget>("List3")),
             std::vector<std::string>({" 1 13GEN2019   4 15 22", " 3 15GEN2019  59 61 70 77"}));
    QCOMPARE(std::vector<int>(program.state.ForecastNumbers.begin() + 1, program.state.ForecastNumbers.begin() + 11),
             std::vector<int>({2, 4, 15, 22, 38, 40, 59, 61, 70, 77}));
    QCOMPARE(program.state.ForecastFlags[88], 0);
    QCOMPARE(program.state.ForecastFlags[70], 1);

    const std::string rule(38, '_');
    program.fakes.sounds.log.clear();
    Click(program, "CommandButton9");
    QCOMPARE(program.fakes.sounds.log, program.ClickCommands({"OPEN", "prev", "PLAY"}));
    QCOMPARE(program.fakes.printer.AllLines(),
             std::vector<std::string>({"\x1bM", "", "  STAMPA PREVISIONE SISTEMA SESTARIA", rule,
                                       " PREVISIONE DEL DAL: 12GEN2019", " TOTALE NUMERI 10", rule,
                                       "NUMERI IN GIOCO :", "  2   4  15  22  38  40  59  61  70 ", " 77 ", rule,
                                       " USCITE :", " 1 13GEN2019   4 15 22", " 3 15GEN2019  59 61 70 77", "", rule}));

    // Nine numbers fill one line; the line end after them prints an empty line.
    Forecast(program, "9", 12);
    Click(program, "CommandButton9");
    const std::vector<std::string> nine = program.fakes.printer.AllLines();
    QCOMPARE(nine[5], std::string(" TOTALE NUMERI 9"));
    QCOMPARE(nine[8], std::string("  2   4  15  22  38  40  59  61  77 "));
    QCOMPARE(nine[9], std::string());
    QCOMPARE(nine[10], rule);
}

void StatisticsForecastTest::forecastOnTheBundledArchive() {
    StartedProgram program(GoldenArchive());
    const int newest = program.state.RecordCount;
    for (const int back : {20, 2000}) {
        Forecast(program, "12", newest - back);
        const std::vector<std::string> outcomes = Texts(*program.Find<QListWidget>("List3"));
        std::vector<std::string> shown = {ForecastLabel(program)};
        shown.insert(shown.end(), outcomes.begin(), outcomes.end());
        const std::string name = "previsione-12-" + std::to_string(back) + "-prima.txt";
        const std::string difference = GoldenDifference(name, JoinLines(shown));
        QVERIFY2(difference.empty(), difference.c_str());
        QCOMPARE(QString::fromStdString(ForecastLabel(program)).split(' ', Qt::SkipEmptyParts).size(), 12);
        Click(program, "CommandButton9");
        const std::vector<std::string> printed = program.fakes.printer.AllLines();
        // Twelve numbers: nine on the first line, three on the second.
        QCOMPARE(printed[8].size(), std::size_t{36});
        QCOMPARE(printed[9].size(), std::size_t{12});
        QCOMPARE(std::vector<std::string>(printed.begin() + 12, printed.end() - 2), outcomes);
    }
    // At the newest draw nothing follows: no outcome.
    Forecast(program, "6", newest);
    QCOMPARE(QString::fromStdString(ForecastLabel(program)).split(' ', Qt::SkipEmptyParts).size(), 6);
    QVERIFY(Texts(*program.Find<QListWidget>("List3")).empty());
    QVERIFY(program.fakes.dialogs.questions().empty());
}

void StatisticsForecastTest::shortenedForecastHandsOverOnlyItsNumbers() {
    StartedProgram program(GoldenArchive());
    Forecast(program, "10", 100);
    // From the second draw the walk back has the first draw alone: six numbers, and the user is told.
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Forecast(program, "10", 2);
    QCOMPARE(ForecastLabel(program), std::string("   20   36   39   41   72   76"));
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>({"PRIMA DI QUESTA ESTRAZIONE L'ARCHIVIO HA SOLO 6 NUMERI DIVERSI: LA PREVISIONE "
                                       "NE HA 6 INVECE DI 10"}));
    QCOMPARE(program.Find<QLineEdit>("Textbox1")->text(), QString("6"));
    QCOMPARE(std::vector<int>(program.state.ForecastNumbers.begin() + 1, program.state.ForecastNumbers.begin() + 11),
             std::vector<int>({20, 36, 39, 41, 72, 76, 0, 0, 0, 0}));

    ShowMatrixList(program);
    QString label;
    program.fakes.modal.Expect([&label](QWidget& window) { label = window.findChild<QLabel*>("Label1")->text(); });
    Click(program, "CommandButton8");
    QCOMPARE(label, QString("6 NUMERI    :   20   36   39   41   72   76   "));
    Click(program, "CommandButton9");
    QVERIFY(program.fakes.printer.AllLines()[5] == " TOTALE NUMERI 6");
}

void StatisticsForecastTest::quantityOutsideTheLists() {
    StartedProgram program(ForecastArchive());
    Forecast(program, "6", 12);
    const std::string shown = ForecastLabel(program);
    const std::vector<std::string> outcomes = Texts(*program.Find<QListWidget>("List3"));
    QCOMPARE(shown, std::string("     4   15   22   38   61   77"));
    for (const QString& quantity : {QString("91"), QString("-1")}) {
        program.fakes.dialogs.Answer(DialogAnswer::Ok);
        Forecast(program, quantity, 12);
        QCOMPARE(ForecastLabel(program), shown);
        QCOMPARE(Texts(*program.Find<QListWidget>("List3")), outcomes);
    }
    QCOMPARE(program.fakes.dialogs.MessageTexts(), std::vector<std::string>(2, std::string(kQuantityMessage)));
    QCOMPARE(program.fakes.dialogs.questions().back().title, std::string(kQuantityTitle));
    // 0, or a text that is no number, is the empty forecast.
    for (const QString& quantity : {QString("0"), QString("abc")}) {
        Forecast(program, quantity, 12);
        QCOMPARE(ForecastLabel(program), std::string());
        QVERIFY(Texts(*program.Find<QListWidget>("List3")).empty());
    }
    QCOMPARE(program.fakes.dialogs.questions().size(), std::size_t{2});
}

void StatisticsForecastTest::ridottiHandsOverTheForecast() {
    StartedProgram program(ForecastArchive());
    Forecast(program, "6", 12);
    ShowMatrixList(program);
    program.fakes.sounds.log.clear();
    QString quantity;
    QString label;
    QWidget* parentSeen = nullptr;
    program.fakes.modal.Expect([&](QWidget& window) {
        parentSeen = window.parentWidget();
        quantity = window.findChild<QLineEdit*>("Textbox1")->text();
        label = window.findChild<QLabel*>("Label1")->text();
    });
    Click(program, "CommandButton8");
    QCOMPARE(program.fakes.modal.opened(), 1);
    QCOMPARE(parentSeen, program.window.get());
    QCOMPARE(quantity, QString("6"));
    QCOMPARE(label, QString("6 NUMERI    :   04   15   22   38   61   77   "));
    QCOMPARE(std::vector<int>(program.state.EnteredNumbers.begin() + 1, program.state.EnteredNumbers.begin() + 7),
             std::vector<int>({4, 15, 22, 38, 61, 77}));
    QCOMPARE(std::vector<std::string>(program.fakes.sounds.log.begin(), program.fakes.sounds.log.begin() + 4),
             program.ClickCommands({"OPEN", "prev", "PLAY"}));

    // A quantity the lists cannot hold opens nothing.
    program.Find<QLineEdit>("Textbox1")->setText("95");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Click(program, "CommandButton8");
    QCOMPARE(program.fakes.modal.opened(), 1);
    QCOMPARE(program.fakes.dialogs.MessageTexts(), std::vector<std::string>({std::string(kQuantityMessage)}));
}

void StatisticsForecastTest::esciBringsBackTheOutcomes() {
    StartedProgram program(ForecastArchive());
    Forecast(program, "10", 12);
    const std::vector<std::string> outcomes = Texts(*program.Find<QListWidget>("List3"));
    QCOMPARE(outcomes.size(), std::size_t{2});
    for (const char* button : {"CommandButton7", "CommandButton10"}) {
        ShowMatrixList(program);
        program.fakes.sounds.log.clear();
        Click(program, button);
        QVERIFY2(!program.Find<QListWidget>("List3")->isHidden(), button);
        QVERIFY(program.Find<QListWidget>("List6")->isHidden());
        QVERIFY(!program.Find<QPushButton>("CommandButton7")->isEnabled());
        QVERIFY(!program.Find<QPushButton>("CommandButton8")->isEnabled());
        QCOMPARE(Texts(*program.Find<QListWidget>("List3")), outcomes);
        QCOMPARE(program.fakes.sounds.log, program.ClickCommands({"OPEN", "prev", "PLAY"}));
    }
}

void StatisticsForecastTest::unreadableArchiveIsReported() {
    StartedProgram program(MadeUpArchive(30));
    // A file where the archive's folder should be: the archive can be neither opened nor created.
    std::filesystem::remove_all(program.folder.path() / "dati");
    program.folder.WriteFile("dati", "");
    program.Find<QLineEdit>("Textbox1")->setText("6");
    const std::vector<std::function<void()>> actions = {
        [&] { Click(program, "CommandButton12"); },
        [&] { Click(program, "CommandButton2"); },
        [&] { Click(program, "CommandButton3"); },
        [&] { Click(program, "CommandButton4"); },
        [&] { ReleaseOn(program.Find<AnimatedPicture>("Animazione_Cerca")); },
        [&] { Click(program, "CommandButton10"); },
        [&] {
            program.window->Tabella()->setCurrentIndex(0);
            QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Stampante(0)"), Qt::LeftButton);
        },
    };
    for (std::size_t i = 0; i < actions.size(); ++i) {
        program.fakes.dialogs.Answer(DialogAnswer::Ok);
        actions[i]();
        QCOMPARE(program.fakes.dialogs.questions().size(), i + 1);
        const DialogQuestion& question = program.fakes.dialogs.questions().back();
        QCOMPARE(question.title, std::string("ATTENZIONE !!!"));
        QVERIFY2(question.text.rfind("IMPOSSIBILE CREARE L'ARCHIVIO", 0) == 0, question.text.c_str());
    }
    QCOMPARE(GridRows(*program.Find<DataGrid>("grid2")).size(), std::size_t{7});
    QVERIFY(program.Find<QListWidget>("List1(1)")->count() == 0);
}

}  // namespace fortunara::test
