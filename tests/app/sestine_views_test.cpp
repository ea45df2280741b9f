// The main window's views of the archive on the offscreen platform: the combination table, the
// archive table in both orders, the range selectors, the copies to the clipboard and archives of
// a few draws.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <string>
#include <vector>

#include "tests/app/sestine_test_support.h"
#include "tests/windows/started_program.h"
#include "tests/windows/window_test_main.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"
#include "ui/look.h"

namespace fortunara::test {

namespace {

QStringList RowTexts(const DataGrid* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->Columns(); ++c) texts << grid->Text(row, c);
    return texts;
}

std::vector<std::string> Tail(const std::vector<std::string>& log, std::size_t from) {
    return {log.begin() + static_cast<std::ptrdiff_t>(from), log.end()};
}

}  // namespace

class SestineViewsTest : public QObject {
    Q_OBJECT

private slots:
    void combinationTable();
    void archiveTableInBothOrders();
    void archiveTableScrolledToTheOldestDraws();
    void superstarZeroShowsEmpty();
    void rangeSelectorsShowDatesAndSpan();
    void copyFromTheArchiveTable();
    void copyFromTheSearchHits();
    void smallArchives_data();
    void smallArchives();
};

void SestineViewsTest::combinationTable() {
    StartedProgram program(MadeUpArchive(30));
    DataGrid* grid = program.Find<DataGrid>("Grid1");
    QCOMPARE(grid->Rows(), 91);
    QCOMPARE(grid->Columns(), 7);
    QCOMPARE(RowTexts(grid, 0).mid(0, 6), QStringList({"Q. ", "TERNI", "QUATERNE", "CINQUINE", "SESTINE", "+JOLLY"}));
    QCOMPARE(RowTexts(grid, 1).mid(1, 5), QStringList({"", "", "", "", ""}));
    QCOMPARE(RowTexts(grid, 2).mid(1, 5), QStringList({"", "", "", "", ""}));
    QCOMPARE(RowTexts(grid, 3).mid(1, 5), QStringList({"1", "", "", "", ""}));
    QCOMPARE(grid->Text(14, 4), QString("3.003"));
    QCOMPARE(grid->Text(14, 5), QString("501"));
    QCOMPARE(grid->Text(90, 4), QString("622.614.630"));
    QCOMPARE(grid->Text(90, 5), QString("103.769.105"));
    // Choosing tab 3 computes row 90's "+JOLLY" again from the "SESTINE" text.
    grid->SetText(90, 5, QString("x"));
    grid->SetText(90, 4, QString("60"));
    program.window->Tabella()->setCurrentIndex(3);
    QCOMPARE(grid->Text(90, 5), QString("10"));
}

void SestineViewsTest::archiveTableInBothOrders() {
    StartedProgram program(MadeUpArchive(30, {{30, "01GEN20091705030402060708"}}));
    DataGrid* grid3 = program.Find<DataGrid>("grid3");
    const QStringList sortedHeaders = {"DATA", "I", "II", "III", "IV", "V", "VI", "Jolly", "Star"};
    QCOMPARE(RowTexts(grid3, 0), sortedHeaders);
    QCOMPARE(RowTexts(grid3, 1), QStringList({"01GEN2009", " 2", " 3", " 4", " 5", " 6", " 17", " 7", " 8"}));
    QVERIFY(!program.Find<QRadioButton>("SSOption1(0)")->isChecked());

    const std::size_t before = program.fakes.sounds.log.size();
    ClickOption(program.Find<QRadioButton>("SSOption1(0)"));
    QCOMPARE(RowTexts(grid3, 0), QStringList({"DATA", "BA", "FI", "MI", "NA", "PA", "RO", "Jolly", "Star"}));
    QCOMPARE(RowTexts(grid3, 1), QStringList({"01GEN2009", " 17", " 5", " 3", " 4", " 2", " 6", " 7", " 8"}));
    // Every row follows the order, down to the oldest shown.
    const std::string oldest = MadeUpRecord(8);
    QCOMPARE(grid3->Text(23, 1), " " + QString::number(std::stoi(oldest.substr(9, 2))));
    QCOMPARE(program.fakes.sounds.log[before + 1], std::string("MMControl1 SOUND"));
    QCOMPARE(program.Find<QScrollBar>("VScroll3")->value(), 30);
    // The oldest draw shown is left in DrawNumbers, in the order shown.
    QCOMPARE(program.state.DrawNumbers[1], std::stoi(oldest.substr(9, 2)));

    ClickOption(program.Find<QRadioButton>("SSOption1(1)"));
    QCOMPARE(RowTexts(grid3, 0), sortedHeaders);
    QCOMPARE(RowTexts(grid3, 1), QStringList({"01GEN2009", " 2", " 3", " 4", " 5", " 6", " 17", " 7", " 8"}));
}

void SestineViewsTest::archiveTableScrolledToTheOldestDraws() {
    StartedProgram program(MadeUpArchive(40));
    DataGrid* grid3 = program.Find<DataGrid>("grid3");
    QScrollBar* bar = program.Find<QScrollBar>("VScroll3");
    // At 40 the rows 21 to 23 show records 20 to 18; at 20 they keep that.
    bar->setValue(20);
    for (int row = 1; row <= 20; ++row) QCOMPARE(grid3->Text(row, 0), Date(MadeUpRecord(21 - row)));
    for (int row = 21; row <= 23; ++row) QCOMPARE(grid3->Text(row, 0), Date(MadeUpRecord(41 - row)));
    for (int value = 1; value <= 15; ++value) {
        bar->setValue(value);
        QCOMPARE(grid3->Text(1, 0), Date(MadeUpRecord(16)));
        QCOMPARE(grid3->Text(16, 0), Date(MadeUpRecord(1)));
    }
    // The single-draw view follows its own bar and leaves the draw, sorted, in DrawNumbers.
    program.Find<QScrollBar>("VScroll1")->setValue(5);
    QCOMPARE(program.Find<QLineEdit>("textbox2")->text(), Date(MadeUpRecord(5)));
    QCOMPARE(program.Find<DataGrid>("Grid5")->Text(1, 0), Date(MadeUpRecord(5)));
    QVERIFY(program.state.DrawNumbers[1] < program.state.DrawNumbers[2]);
    QVERIFY(program.state.DrawNumbers[5] < program.state.DrawNumbers[6]);
}

void SestineViewsTest::superstarZeroShowsEmpty() {
    StartedProgram program(MadeUpArchive(20, {{20, "05MAR20201020304050607100"}}));
    QCOMPARE(program.Find<DataGrid>("grid3")->Text(1, 8), QString());
    QCOMPARE(program.Find<DataGrid>("grid3")->Text(1, 7), QString(" 71"));
    QCOMPARE(program.Find<DataGrid>("Grid5")->Text(1, 8), QString());
    QCOMPARE(program.Find<DataGrid>("Grid5")->Text(1, 1), QString(" 10"));
}

void SestineViewsTest::rangeSelectorsShowDatesAndSpan() {
    StartedProgram program(MadeUpArchive(150));
    QScrollBar* from = program.Find<QScrollBar>("HScroll2");
    QScrollBar* to = program.Find<QScrollBar>("HScroll1");
    QLabel* span = program.Find<QLabel>("Label38");
    QCOMPARE(span->text(), QString("SETT. :  100"));
    to->setValue(150);
    QCOMPARE(span->text(), QString("SETT. :  0"));
    from->setValue(120);
    QCOMPARE(span->text(), QString("SETT. :  30"));
    QCOMPARE(program.Find<QLabel>("Label32")->text(), "DAL: " + Date(MadeUpRecord(120)));
    QCOMPARE(program.Find<QLabel>("Label33")->text(), "AL: " + Date(MadeUpRecord(150)));
    program.Find<QScrollBar>("HScroll6")->setValue(7);
    QCOMPARE(program.Find<QLabel>("Label9")->text(), "AL: " + Date(MadeUpRecord(7)));
    program.Find<QScrollBar>("HScroll5")->setValue(99);
    QCOMPARE(program.Find<QLabel>("Label55")->text(), "DAL: " + Date(MadeUpRecord(99)));
}

void SestineViewsTest::copyFromTheArchiveTable() {
    StartedProgram program(MadeUpArchive(30));
    DataGrid* grid3 = program.Find<DataGrid>("grid3");
    AnimatedPicture* copy = program.Find<AnimatedPicture>("Animazione_Copia(0)");
    program.fakes.clipboard.text = "vecchio";
    PressOn(copy);
    QCOMPARE(program.fakes.clipboard.text, std::string());
    grid3->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 2), true);
    const std::size_t before = program.fakes.sounds.log.size();
    ReleaseOn(copy);
    const std::string expected = (grid3->Text(1, 0) + "\t" + grid3->Text(1, 1) + "\t" + grid3->Text(1, 2) + "\r" +
                                  grid3->Text(2, 0) + "\t" + grid3->Text(2, 1) + "\t" + grid3->Text(2, 2))
                                     .toStdString();
    QCOMPARE(program.fakes.clipboard.text, expected);
    const std::string pop = "MMControl1 " + (program.folder.path() / "POP.WAV").string();
    QCOMPARE(Tail(program.fakes.sounds.log, before),
             std::vector<std::string>({pop, "MMControl1 OPEN", "MMControl1 PLAY"}));
}

void SestineViewsTest::copyFromTheSearchHits() {
    StartedProgram program(MadeUpArchive(30));
    program.window->Tabella()->setCurrentIndex(1);
    QListWidget* hits = program.Find<QListWidget>("List1(1)");
    hits->addItems({" 1 12MAR2020  5 17  ( 0) ", " 2 10MAR2020  5 44  ( 1) ", " 3 03MAR2020  17 80  ( 6) "});
    AnimatedPicture* copy = program.Find<AnimatedPicture>("Animazione_Copia(1)");
    // Nothing selected: the press empties the clipboard and the release leaves it empty.
    program.fakes.clipboard.text = "vecchio";
    PressOn(copy);
    ReleaseOn(copy);
    QCOMPARE(program.fakes.clipboard.text, std::string());
    // Selected entries go in list order, whatever the order they were selected in.
    hits->item(2)->setSelected(true);
    hits->item(0)->setSelected(true);
    PressOn(copy);
    ReleaseOn(copy);
    QCOMPARE(program.fakes.clipboard.text,
             std::string(" 1\t12MAR2020\t 5 17  ( 0) \r 3\t03MAR2020\t 17 80  ( 6) \r\r"));
}

void SestineViewsTest::smallArchives_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("tableFrom");  // the newest draw the table shows
    QTest::addColumn<int>("tableTo");    // the oldest
    QTest::addColumn<int>("alPosition");
    QTest::addColumn<int>("tableRows");
    QTest::newRow("empty") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("one draw") << 1 << 1 << 1 << 1 << 1;
    QTest::newRow("ten draws") << 10 << 10 << 1 << 1 << 10;
    QTest::newRow("fifteen draws") << 15 << 15 << 1 << 1 << 15;
    QTest::newRow("hundred draws") << 100 << 100 << 78 << 1 << 23;
    QTest::newRow("hundred and one draws") << 101 << 101 << 79 << 1 << 23;
}

void SestineViewsTest::smallArchives() {
    QFETCH(int, draws);
    QFETCH(int, tableFrom);
    QFETCH(int, tableTo);
    QFETCH(int, alPosition);
    QFETCH(int, tableRows);
    StartedProgram program(MadeUpArchive(draws));
    QCOMPARE(program.state.RecordCount, draws);
    for (const char* name : {"HScroll6", "HScroll1", "HScroll4"}) {
        QCOMPARE(program.Find<QScrollBar>(name)->value(), alPosition);
    }
    const QString oldestShown = draws == 0 ? QString() : Date(MadeUpRecord(alPosition));
    QCOMPARE(program.Find<QLabel>("Label30")->text(), "AL: " + oldestShown);
    QCOMPARE(program.Find<QScrollBar>("HScroll4")->isEnabled(), draws > 0);
    DataGrid* grid3 = program.Find<DataGrid>("grid3");
    for (int row = 1; row <= 23; ++row) QCOMPARE(grid3->Text(row, 0).isEmpty(), row > tableRows);
    if (draws > 0) {
        QCOMPARE(grid3->Text(1, 0), Date(MadeUpRecord(tableFrom)));
        QCOMPARE(grid3->Text(tableRows, 0), Date(MadeUpRecord(tableTo)));
    }
    if (draws > 0) QCOMPARE(program.Find<QLineEdit>("textbox2")->text(), Date(MadeUpRecord(draws)));
    // Every bar can be moved to both ends without reading outside the archive.
    for (QScrollBar* bar : program.window->findChildren<QScrollBar*>(Qt::FindChildrenRecursively)) {
        if (bar->objectName().isEmpty()) continue;
        bar->setValue(bar->minimum());
        bar->setValue(bar->maximum());
    }
    QVERIFY(program.fakes.dialogs.questions().empty());
}

}  // namespace fortunara::test

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::SestineViewsTest tests;
        return QTest::qExec(&tests, count, arguments);
    });
}

#include "sestine_views_test.moc"
