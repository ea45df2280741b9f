// Tab 1 and the printer pictures on the offscreen platform: the board, the search and its
// report, the archive print.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"
#include "statistics/core/archive_reports.h"
#include "statistics/core/number_search.h"
#include "tests/statistics/windows/window_tests.h"
#include "tests/support/golden.h"
#include "tests/windows/started_program.h"
#include "ui/animated_picture.h"
#include "ui/number_board.h"

namespace fortunara::test {

namespace {

const std::array<int, 8> kFiller = {81, 82, 83, 84, 85, 86, 87, 88};

// Twelve draws of January 2019 (the ninth in March) in which 5, 10, 20 and 30 come out in
// records 10 (all four), 9 (5, 10, 20) and 2 (10, 20, 30): scanned from record 12 down, the
// hits stand at scan positions 2, 3 and 10.
std::string TernoArchive() {
    std::vector<std::pair<std::string, std::array<int, 8>>> draws;
    for (int k = 1; k <= 12; ++k) {
        const std::string day = (k < 10 ? "0" : "") + std::to_string(k);
        draws.push_back({day + (k == 9 ? "MAR2019" : "GEN2019"), kFiller});
    }
    draws[9].second = {30, 5, 50, 10, 40, 20, 60, 70};
    draws[8].second = {20, 5, 10, 41, 42, 43, 44, 45};
    draws[1].second = {30, 20, 10, 61, 62, 63, 64, 65};
    return Records(draws);
}

void Mark(StartedProgram& program, std::initializer_list<int> numbers) {
    for (int n : numbers) PressOn(program.Find<NumberLabel>(QString("Numero(%1)").arg(n - 1)));
}

void SetRange(StartedProgram& program, int from, int to) {
    program.Find<QScrollBar>("HScroll2")->setValue(from);
    program.Find<QScrollBar>("HScroll1")->setValue(to);
}

std::vector<std::string> ResultLabels(const StartedProgram& program) {
    return {program.Find<QLabel>("Label20")->text().toStdString(),
            program.Find<QLabel>("Label21")->text().toStdString(),
            program.Find<QLabel>("Label22")->text().toStdString()};
}

// A layout asks its parent's layout again when it changes size, one level per posted request.
void SettleLayouts() {
    for (int level = 0; level < 12; ++level) QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void Search(StartedProgram& program) {
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Cerca"));
}

}  // namespace

void SearchTabTest::boardMarksAndClears() {
    StartedProgram program(MadeUpArchive(30));
    NumberLabel* five = program.Find<NumberLabel>("Numero(4)");
    const std::size_t sounds = program.fakes.sounds.log.size();
    PressOn(five);
    QCOMPARE(program.state.NumberSelected[5], 1);
    QCOMPARE(five->TextColour(), QColor(255, 0, 0));
    QVERIFY(!five->IsRaised());
    PressOn(five);
    QCOMPARE(program.state.NumberSelected[5], 0);
    QCOMPARE(five->TextColour(), QColor(Qt::black));
    QVERIFY(five->IsRaised());
    QCOMPARE(program.fakes.sounds.log.size(), sounds);  // the board does not click

    Mark(program, {1, 45, 90});
    // The system window's numbers are its own: entering 90, 1 and 2 there leaves the board alone.
    program.fakes.modal.Expect([&program](QWidget& sistemi) {
        sistemi.findChild<QLineEdit*>("Textbox1")->setText("3");
        for (const char* n : {"90", "1", "2"}) program.fakes.dialogs.AnswerText(n);
        QTest::mouseClick(sistemi.findChild<QPushButton*>("CommandButton1"), Qt::LeftButton);
    });
    program.window->Tabella()->setCurrentIndex(4);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton1"), Qt::LeftButton);
    QCOMPARE(program.fakes.modal.opened(), 1);
    // Coming back to the window turns the board black, but a marked number keeps showing the red
    // the search will look for.
    program.window->Activate();
    for (int n = 1; n <= 90; ++n) {
        const bool marked = n == 1 || n == 45 || n == 90;
        QCOMPARE(program.state.NumberSelected[static_cast<std::size_t>(n)], marked ? 1 : 0);
        QCOMPARE(program.Find<NumberLabel>(QString("Numero(%1)").arg(n - 1))->TextColour(),
                 marked ? QColor(255, 0, 0) : QColor(Qt::black));
    }
    PressOn(program.Find<NumberLabel>("Numero(44)"));
    QCOMPARE(program.state.NumberSelected[45], 0);

    const std::size_t beforeClearing = program.fakes.sounds.log.size();
    QTest::mouseClick(program.Find<QPushButton>("Command2"), Qt::LeftButton);
    for (int i = 0; i < 90; ++i) {
        const NumberLabel* label = program.Find<NumberLabel>(QString("Numero(%1)").arg(i));
        QCOMPARE(program.state.NumberSelected[static_cast<std::size_t>(i) + 1], 0);
        QCOMPARE(label->TextColour(), QColor(Qt::black));
        QVERIFY(label->IsRaised());
    }
    QCOMPARE(program.fakes.sounds.log.size(), beforeClearing);  // nor does its clearing
}

void SearchTabTest::searchOnSmallArchive_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("kind");  // Option1 index
    QTest::addColumn<QList<int>>("months");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("lines");
    const QList<int> everyMonth = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const QString hit10 = "10GEN2019  5  10  20  30  ";
    QTest::newRow("terno backwards") << 12 << 1 << 2 << everyMonth << QStringList{" 2", " 7", " 6"}
                                     << QStringList{" 1 " + hit10 + "( 2) ", " 2 09MAR2019  5  10  20  ( 3) ",
                                                    " 3 02GEN2019  10  20  30  ( 10) "};
    QTest::newRow("terno forwards") << 1 << 12 << 2 << everyMonth << QStringList{" 1", " 7", " 6"}
                                    << QStringList{" 1 02GEN2019  10  20  30  ( 1) ", " 2 09MAR2019  5  10  20  ( 8) ",
                                                   " 3 " + hit10 + "( 9) "};
    QTest::newRow("no month ticked") << 12 << 1 << 2 << QList<int>{} << QStringList{" 2", " 7", " 6"}
                                     << QStringList{" 1 " + hit10 + "( 2) ", " 2 09MAR2019  5  10  20  ( 3) ",
                                                    " 3 02GEN2019  10  20  30  ( 10) "};
    QTest::newRow("only March") << 12 << 1 << 2 << QList<int>{2} << QStringList{" 3", " 3", " 1"}
                                << QStringList{" 1 09MAR2019  5  10  20  ( 3) "};
    QTest::newRow("quaterna") << 12 << 1 << 3 << everyMonth << QStringList{" 2", " 2", " 1"}
                              << QStringList{" 1 " + hit10 + "( 2) "};
    QTest::newRow("sestina finds nothing")
        << 12 << 1 << 5 << everyMonth << QStringList{" 0", " 0", " 0"} << QStringList{};
}

void SearchTabTest::searchOnSmallArchive() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, kind);
    QFETCH(QList<int>, months);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, lines);
    StartedProgram program(TernoArchive());
    program.window->Tabella()->setCurrentIndex(1);
    Mark(program, {30, 10, 5, 20});
    program.Find<QRadioButton>(QString("Option1(%1)").arg(kind))->setChecked(true);
    for (int m = 0; m < 12; ++m) program.Find<QCheckBox>(QString("Check3(%1)").arg(m))->setChecked(months.contains(m));
    SetRange(program, from, to);
    program.fakes.sounds.log.clear();
    Search(program);

    std::vector<std::string> expectedLabels;
    for (const QString& label : labels) expectedLabels.push_back(label.toStdString());
    QCOMPARE(ResultLabels(program), expectedLabels);
    std::vector<std::string> expectedLines;
    for (const QString& line : lines) expectedLines.push_back(line.toStdString());
    QCOMPARE(Texts(*program.Find<QListWidget>("List1(1)")), expectedLines);
    QCOMPARE(program.fakes.sounds.log, program.ClickCommands({"OPEN", "prev", "PLAY"}));
    QCOMPARE(program.Find<AnimatedPicture>("Animazione_Cerca")->cursor().shape(), Qt::ArrowCursor);

    // What the search leaves for its report.
    const ProgramState& summary = program.state;
    QCOMPARE(summary.SearchCount, 5);
    QCOMPARE(summary.SearchSorte, kind + 1);
    QCOMPARE(summary.SearchHitCount, static_cast<int>(lines.size()));
    QCOMPARE(TextForm(summary.SearchDelay), expectedLabels[0]);
    QCOMPARE(std::vector<int>(program.state.SearchNumbers.begin() + 1, program.state.SearchNumbers.begin() + 5),
             std::vector<int>({5, 10, 20, 30}));
    if (!lines.isEmpty()) {
        QCOMPARE(program.state.CurrentDrawDate, lines.last().mid(3, 9).toStdString());
        QCOMPARE(program.state.SearchHitTexts.front(), lines.first().mid(3).toStdString());
    }
}

void SearchTabTest::searchOnTheBundledArchive_data() {
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("positions");  // Check2 boxes ticked
    QTest::addColumn<int>("back");              // DAL = newest - back
    QTest::addColumn<int>("span");              // AL = DAL - span (negative: forwards)
    QTest::newRow("single 90, whole archive") << QList<int>{90} << 0 << QList<int>{1, 2, 3, 4, 5, 6} << 0 << 4252;
    QTest::newRow("ambo of five numbers")
        << QList<int>{7, 21, 33, 48, 77} << 1 << QList<int>{1, 2, 3, 4, 5, 6} << 10 << 2000;
    QTest::newRow("jolly and superstar only") << QList<int>{3, 13, 23} << 0 << QList<int>{7, 8} << 0 << 1000;
    QTest::newRow("terno forwards") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 2 << QList<int>{1, 2, 3, 4, 5, 6}
                                    << 3000 << -3000;
    QTest::newRow("nothing marked") << QList<int>{} << 0 << QList<int>{1, 2, 3, 4, 5, 6} << 0 << 100;
}

void SearchTabTest::searchOnTheBundledArchive() {
    QFETCH(QList<int>, marked);
    QFETCH(int, kind);
    QFETCH(QList<int>, positions);
    QFETCH(int, back);
    QFETCH(int, span);
    StartedProgram program(GoldenArchive());
    const int newest = program.state.RecordCount;
    const ScanRange range{newest - back, newest - back - span};
    for (int n : marked) PressOn(program.Find<NumberLabel>(QString("Numero(%1)").arg(n - 1)));
    program.Find<QRadioButton>(QString("Option1(%1)").arg(kind))->setChecked(true);
    for (int k = 1; k <= 8; ++k)
        program.Find<QCheckBox>(QString("Check2(%1)").arg(k))->setChecked(positions.contains(k));
    SetRange(program, range.from, range.to);
    Search(program);

    const std::vector<std::string> hits = Texts(*program.Find<QListWidget>("List1(1)"));
    std::vector<std::string> shown = {"RITARDO " + program.Find<QLabel>("Label20")->text().toStdString(),
                                      "RIT. MAX " + program.Find<QLabel>("Label21")->text().toStdString(),
                                      "FREQUENZA " + program.Find<QLabel>("Label22")->text().toStdString()};
    shown.insert(shown.end(), hits.begin(), hits.end());
    const std::string difference = GoldenDifference("ricerca-" + TagSlug() + ".txt", JoinLines(shown));
    QVERIFY2(difference.empty(), difference.c_str());
    QCOMPARE(program.state.SearchHitCount, static_cast<int>(hits.size()));
    QCOMPARE(marked.isEmpty(), hits.empty());
}

void SearchTabTest::moreHitsThanTheListHolds() {
    const int draws = kListedHits + 40;
    StartedProgram program(MadeUpArchive(draws));
    for (int n = 1; n <= 90; ++n) PressOn(program.Find<NumberLabel>(QString("Numero(%1)").arg(n - 1)));
    SetRange(program, draws, 1);
    Search(program);
    // Every draw is a hit with six single numbers: the figures count them all.
    QCOMPARE(ResultLabels(program), std::vector<std::string>({" 0", " 1", TextForm(6LL * draws)}));
    const std::vector<std::string> list = Texts(*program.Find<QListWidget>("List1(1)"));
    QCOMPARE(list.size(), static_cast<std::size_t>(kListedHits) + 1);
    QCOMPARE(list.back(), MoreHitsLine(40));
    QCOMPARE(program.state.SearchHitCount, draws);

    program.window->Tabella()->setCurrentIndex(1);
    QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Stampante(1)"), Qt::LeftButton);
    const std::vector<std::string> printed = program.fakes.printer.AllLines();
    QCOMPARE(printed.back(), MoreHitsLine(40));
    QCOMPARE(printed[printed.size() - 2], list[kListedHits - 1]);
}

void SearchTabTest::largeFiguresLeaveTheTabAsItWas() {
    // Every number as a quaterna in all eight places: 70 per draw, eight digits of FREQUENZA.
    const int draws = 150000;
    StartedProgram program(MadeUpArchive(draws));
    program.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    program.window->Tabella()->setCurrentIndex(1);
    for (int n = 1; n <= 90; ++n) PressOn(program.Find<NumberLabel>(QString("Numero(%1)").arg(n - 1)));
    program.Find<QRadioButton>("Option1(3)")->setChecked(true);
    for (int p = 7; p <= 8; ++p) program.Find<QCheckBox>(QString("Check2(%1)").arg(p))->setChecked(true);
    SetRange(program, draws, 1);
    SettleLayouts();
    QList<QRect> before;
    const QList<QWidget*> watched = {program.Find<QWidget>("Numero(0)"), program.Find<QWidget>("Numero(89)"),
                                     program.Find<QWidget>("Label22"), program.Find<QWidget>("List1(1)")};
    for (const QWidget* widget : watched) before << widget->geometry();
    Search(program);
    SettleLayouts();
    QCOMPARE(ResultLabels(program)[2], TextForm(70LL * draws));
    QList<QRect> after;
    for (const QWidget* widget : watched) after << widget->geometry();
    QCOMPARE(after, before);
    auto* frequency = program.Find<QLabel>("Label22");
    QVERIFY(frequency->width() >= frequency->sizeHint().width());
}

void SearchTabTest::searchReportAfterSearchAndForecast() {
    StartedProgram program(TernoArchive());
    program.window->Tabella()->setCurrentIndex(1);
    Mark(program, {5, 10, 20, 30});
    program.Find<QRadioButton>("Option1(2)")->setChecked(true);
    SetRange(program, 12, 1);
    Search(program);
    QCOMPARE(program.Find<QLabel>("Label38")->text(), QString("SETT. :  11"));
    program.fakes.sounds.log.clear();
    QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Stampante(1)"), Qt::LeftButton);
    QCOMPARE(program.fakes.sounds.log, program.ClickCommands({"OPEN", "PLAY", "SOUND"}));
    const std::vector<std::string> head = {"",
                                           "                RICERCA DEI NUMERI NELL'ARCHIVIO ",
                                           "",
                                           "",
                                           "NUMERI:  5    10    20    30   ",
                                           "",
                                           "RICERCA SU TUTTE LE RUOTE",
                                           "PER LA SORTE DI  TERNO",
                                           "DAL: 12GEN2019 AL: 01GEN2019",
                                           "PER UN TOTALE DI  11  SETTIMANE",
                                           "",
                                           ""};
    std::vector<std::string> expected = head;
    for (const char* line : {"RITARDO    :  2 ", "RITARDO MAX:  7 ", "FREQUENZA  :  6 ", ""}) expected.push_back(line);
    for (const std::string& hit : Texts(*program.Find<QListWidget>("List1(1)"))) expected.push_back(hit);
    QCOMPARE(program.fakes.printer.jobs.size(), std::size_t{1});
    QCOMPARE(program.fakes.printer.AllLines(), expected);

    // A forecast afterwards (the six numbers of record 10) leaves the search's report as it was.
    program.Find<QLineEdit>("Textbox1")->setText("6");
    program.Find<QScrollBar>("HScroll5")->setValue(11);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton10"), Qt::LeftButton);
    QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Stampante(1)"), Qt::LeftButton);
    QCOMPARE(program.fakes.printer.AllLines(), expected);

    // And a search afterwards (five numbers, single numbers) leaves the forecast's print and the
    // numbers "RIDOTTI" hands on as the forecast tab shows them.
    const std::string forecast = "  5  10  20  30  40  50 ";
    QCOMPARE(program.Find<QLabel>("Label1(0)")->text(), QString("     5   10   20   30   40   50"));
    Mark(program, {81});
    program.Find<QRadioButton>("Option1(0)")->setChecked(true);
    Search(program);
    QCOMPARE(program.state.SearchCount, 6);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton9"), Qt::LeftButton);
    QCOMPARE(program.fakes.printer.AllLines().at(8), forecast);
    QCOMPARE(std::vector<int>(program.state.ForecastNumbers.begin() + 1, program.state.ForecastNumbers.begin() + 7),
             std::vector<int>({5, 10, 20, 30, 40, 50}));
}

void SearchTabTest::archivePrint_data() {
    QTest::addColumn<bool>("ruote");
    QTest::addColumn<int>("dal");
    QTest::addColumn<int>("al");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("one draw, wheel order") << true << 30 << 30
                                           << QStringList{
                                                  "|   01GEN2009 |   17 |   05 |   03 |   04 |   02 |   06 |   "
                                                  "07 |   08 |"};
    QTest::newRow("one draw, ascending") << false << 30 << 30
                                         << QStringList{
                                                "|   01GEN2009 |   02 |   03 |   04 |   05 |   06 |   17 |   "
                                                "07 |   08 |"};
    QTest::newRow("DAL older than AL") << false << 29 << 30 << QStringList{};
}

void SearchTabTest::archivePrint() {
    QFETCH(bool, ruote);
    QFETCH(int, dal);
    QFETCH(int, al);
    QFETCH(QStringList, rows);
    StartedProgram program(MadeUpArchive(30, {{30, "01GEN20091705030402060708"}}));
    program.Find<QRadioButton>(ruote ? "SSOption1(0)" : "SSOption1(1)")->setChecked(true);
    program.Find<QScrollBar>("HScroll7")->setValue(dal);
    program.Find<QScrollBar>("HScroll6")->setValue(al);
    program.window->Tabella()->setCurrentIndex(0);
    QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Stampante(0)"), Qt::LeftButton);

    const std::string frame = "|--------------------------------------------------------------|";
    std::vector<std::string> expected = {
        "",
        frame,
        "|           STAMPA  ARCHIVIO ESTRATTI SESTARIAGIOCO            |",
        frame,
        ruote ? "|  DATA       |   BA |   FI |   MI |   NA |   PA |   RO |   VE |"
              : "|  DATA       |    1 |    2 |    3 |    4 |    5 |    6 |   JO | STAR |",
        frame};
    for (const QString& row : rows) expected.push_back(row.toStdString());
    expected.push_back(frame);
    QCOMPARE(program.fakes.printer.AllLines(), expected);
    if (!rows.isEmpty()) {
        const std::array<int, 8> left =
            ruote ? std::array<int, 8>{17, 5, 3, 4, 2, 6, 7, 8} : std::array<int, 8>{2, 3, 4, 5, 6, 17, 7, 8};
        QCOMPARE(std::vector<int>(program.state.DrawNumbers.begin() + 1, program.state.DrawNumbers.begin() + 9),
                 std::vector<int>(left.begin(), left.end()));
    }
}

void SearchTabTest::archivePrintOfTheBundledArchive() {
    StartedProgram program(BundledArchive());
    const int newest = program.state.RecordCount;
    program.window->Tabella()->setCurrentIndex(0);
    QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Stampante(0)"), Qt::LeftButton);
    // The selectors start on the newest draw and 100 before it: 101 rows, newest first.
    const std::vector<std::string> lines = program.fakes.printer.AllLines();
    QCOMPARE(lines.size(), std::size_t{7 + 101});
    QCOMPARE(lines[6], ArchivePrintRow(ParseDrawRecord(BundledRecord(newest)), false));
    QCOMPARE(lines[106], ArchivePrintRow(ParseDrawRecord(BundledRecord(newest - 100)), false));
}

}  // namespace fortunara::test
