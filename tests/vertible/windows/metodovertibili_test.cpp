// The method window opened from "METODI" of the running program: its controls and load step, both
// methods and the check on the bundled archive, and the refusals.
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "tests/windows/started_program.h"
#include "tests/windows/window_test_main.h"
#include "vertible/windows/forecast_grid_model.h"

namespace fortunara::test {

class MetodoVertibiliTest : public QObject {
    Q_OBJECT

private slots:
    void opensFromMetodiWithTheNewestHundredAndFiveDraws();
    void bothMethodsAndTheirCheckOnTheBundledArchive();
    void checkBeforeAnyRunAndRefusedPosition();
};

namespace {

QWidget* OpenMethodWindow(StartedProgram& program) {
    program.window->Tabella()->setCurrentIndex(4);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton14"), Qt::LeftButton);
    return program.Find<QWidget>("METODOVERTIBILI");
}

template <class T>
T* Control(QWidget* window, const char* name) {
    T* control = window->findChild<T*>(name);
    if (control == nullptr) qWarning("manca %s", name);
    return control;
}

// The model behind one of the window's grids, which reads its cells as the program counts them.
const ForecastGridModel* Grid(QWidget* window, const char* name) {
    const auto* view = Control<QTableView>(window, name);
    return view != nullptr ? qobject_cast<const ForecastGridModel*>(view->model()) : nullptr;
}

void Choose(QComboBox* combo, const QString& item) {
    combo->setCurrentIndex(combo->findText(item));
    emit combo->activated(combo->currentIndex());
}

// grid3 as the command line writes the same check: record, date, "S.star" or "Schedina", the
// forecast numbers, then "/" or the draws waited, the date and the matched numbers.
std::string CheckLines(const ForecastGridModel& grid, int rows) {
    std::string text;
    QString date;
    for (int r = 1; r <= rows; ++r) {
        if (!grid.Text(r, 0).isEmpty()) date = grid.Text(r, 0);
        QStringList fields = {grid.Text(r, 12), date, grid.Text(r, 1)};
        for (int c = 2; c <= 7; ++c) {
            if (!grid.Text(r, c).isEmpty()) fields << grid.Text(r, c).trimmed();
        }
        for (int c = 14; c <= 24; ++c) {
            if (!grid.Text(r, c).isEmpty()) fields << grid.Text(r, c);
        }
        text += fields.join(' ').toStdString() + "\n";
    }
    return text;
}

std::string GoldenLines(const std::string& name, int lines) {
    std::ifstream in(TestData("golden/" + name));
    std::string text;
    std::string line;
    for (int i = 0; i < lines && std::getline(in, line); ++i) text += line + "\n";
    return text;
}

}  // namespace

void MetodoVertibiliTest::opensFromMetodiWithTheNewestHundredAndFiveDraws() {
    StartedProgram program(MadeUpArchive(1000));
    QWidget* window = OpenMethodWindow(program);
    QVERIFY(window != nullptr);
    for (const char* name : {"Combo2",  "Combo3",   "grid2",    "Label4",  "Label3", "HScroll1", "Label1",  "HScroll2",
                             "Label2",  "Command1", "SSPanel1", "grid3",   "Label5", "Label6",   "Label7",  "Label9",
                             "Label12", "Label10",  "Label8",   "Label11", "Caso",   "Attese",   "Command3"}) {
        QVERIFY2(window->findChild<QWidget*>(name) != nullptr, name);
    }
    QCOMPARE(Control<QComboBox>(window, "Combo2")->placeholderText(), QString("METODO"));
    QCOMPARE(Control<QComboBox>(window, "Combo3")->currentText(), QString("CALCOLO SUL N°1"));
    QCOMPARE(Control<QScrollBar>(window, "HScroll1")->value(), 1000);
    QCOMPARE(Control<QScrollBar>(window, "HScroll2")->value(), 896);
    QCOMPARE(Control<QScrollBar>(window, "HScroll2")->maximum(), 1000);
    QCOMPARE(Control<QLabel>(window, "Label1")->text().toStdString(), MadeUpRecord(1000).substr(0, 9));
    QCOMPARE(Control<QLabel>(window, "Label2")->text().toStdString(), MadeUpRecord(896).substr(0, 9));
    QCOMPARE(program.state.WheelNames[11], std::string("NAZIONALE"));
    QCOMPARE(program.state.WheelNames[1], std::string("BARI     "));
    const ForecastGridModel* grid2 = Grid(window, "grid2");
    QCOMPARE(grid2->Rows(), 104);
    QCOMPARE(grid2->Text(0, 1), QString("Prev."));
    QCOMPARE(Grid(window, "grid3")->Text(0, 2), QString("isione"));
    QVERIFY(!Control<QFrame>(window, "SSPanel1")->isVisible());

    // The main window's range selectors and statistics move neither this window's bars nor the
    // range of its run: it takes the 105 draws its bars show.
    program.window->Tabella()->setCurrentIndex(2);
    program.Find<QScrollBar>("HScroll3")->setValue(960);
    program.Find<QScrollBar>("HScroll4")->setValue(921);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton12"), Qt::LeftButton);
    QCOMPARE(Control<QScrollBar>(window, "HScroll1")->value(), 1000);
    Choose(Control<QComboBox>(window, "Combo2"), "VERTIBILI");
    QCOMPARE(program.state.ForecastRowCount, 315);
    QCOMPARE(grid2->Text(2, 12), QString("1000"));
    QCOMPARE(Grid(window, "grid3")->Text(315, 12), QString("896"));
    // Forty draws from its own bars: 120 rows from row 2 on, grid2 grown from 100 to 130 rows,
    // grid3 as many.
    Control<QScrollBar>(window, "HScroll1")->setValue(960);
    Control<QScrollBar>(window, "HScroll2")->setValue(921);
    Choose(Control<QComboBox>(window, "Combo2"), "VERTIBILI");
    QCOMPARE(grid2->Rows(), 130);
    QCOMPARE(Grid(window, "grid3")->Rows(), 130);
    QCOMPARE(grid2->Text(2, 12), QString("960"));
    QCOMPARE(grid2->Text(121, 1), QString("Schedina"));
    QVERIFY(grid2->Text(122, 1).isEmpty());
    QCOMPARE(Grid(window, "grid3")->Text(120, 12), QString("921"));
}

void MetodoVertibiliTest::bothMethodsAndTheirCheckOnTheBundledArchive() {
    StartedProgram program(GoldenArchive());
    QWidget* window = OpenMethodWindow(program);
    const ForecastGridModel* grid2 = Grid(window, "grid2");
    const ForecastGridModel* grid3 = Grid(window, "grid3");
    QAbstractItemModelTester forecasts(Control<QTableView>(window, "grid2")->model(),
                                       QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester checks(Control<QTableView>(window, "grid3")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QFrame* panel = Control<QFrame>(window, "SSPanel1");
    const struct {
        const char* item;
        const char* golden;
        const char* figures[5];
    } methods[] = {
        {"VERTIBILI",
         "metodo-vertibili-ultime-105.txt",
         {" 105", " 76", "72,38 %", "CASO: 81,4 %", "VINTE DAL CASO: 85,47"}},
        {"GEMELLI",
         "metodo-gemelli-ultime-105.txt",
         {" 105", " 82", "78,1 %", "CASO: 81,4 %", "VINTE DAL CASO: 85,47"}},
    };
    for (const auto& method : methods) {
        Choose(Control<QComboBox>(window, "Combo2"), method.item);
        QCOMPARE(program.state.ForecastRowCount, 315);
        QCOMPARE(grid2->Rows(), 320);
        QVERIFY(grid2->Text(1, 1).isEmpty());
        QCOMPARE(grid2->Text(2, 0), QString("21AGO2026"));
        QCOMPARE(grid2->TextColour(2, 0), QColor(0, 0, 255));
        QCOMPARE(grid2->TextColour(3, 4), QColor(0, 180, 0));
        QVERIFY(grid2->Text(3, 12).isEmpty());
        program.fakes.sounds.log.clear();
        QTest::mouseClick(Control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(program.fakes.sounds.log,
                 std::vector<std::string>{"WAVE " + (program.folder.path() / "SUONI" / "pop.WAV").string()});
        QCOMPARE(CheckLines(*grid3, 315), GoldenLines(method.golden, 315));
        QCOMPARE(grid3->TextColour(315, 14), QColor(255, 0, 0));
        const char* labels[] = {"Label10", "Label8", "Label11", "Caso", "Attese"};
        for (int i = 0; i < 5; ++i) QCOMPARE(Control<QLabel>(window, labels[i])->text(), QString(method.figures[i]));
        QTRY_COMPARE(panel->pos(), QPoint(0, 0));
        QVERIFY(panel->isVisible());
        QTest::mouseClick(Control<QPushButton>(window, "Command3"), Qt::LeftButton);
        QTRY_VERIFY(!panel->isVisible());
        QCOMPARE(panel->x(), window->width());
    }
}

void MetodoVertibiliTest::checkBeforeAnyRunAndRefusedPosition() {
    StartedProgram program(MadeUpArchive(200));
    program.state.ClickSoundOn = 0;
    QWidget* window = OpenMethodWindow(program);
    QTest::mouseClick(Control<QPushButton>(window, "Command1"), Qt::LeftButton);
    QCOMPARE(Control<QLabel>(window, "Label10")->text(), QString(" 1"));
    QCOMPARE(Control<QLabel>(window, "Label8")->text(), QString(" 0"));
    QCOMPARE(Control<QLabel>(window, "Label11")->text(), QString("0, %"));
    for (const std::string& sound : program.fakes.sounds.log) QVERIFY2(sound.rfind("WAVE", 0) != 0, sound.c_str());

    QComboBox* position = Control<QComboBox>(window, "Combo3");
    position->setEditText("CALCOLO SUL N°7");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Choose(Control<QComboBox>(window, "Combo2"), "GEMELLI");
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>{"LA POSIZIONE DEVE FINIRE CON UNA CIFRA DA 1 A 5"});
    QVERIFY(Grid(window, "grid2")->Text(2, 1).isEmpty());
    QCOMPARE(program.state.ForecastRowCount, 0);
    position->setEditText("CALCOLO SUL N°5");
    Choose(Control<QComboBox>(window, "Combo2"), "GEMELLI");
    // The twins of 49 and 47, the fifth and sixth numbers of record 200: 9 counts as 1, so 11.
    QCOMPARE(Grid(window, "grid2")->Text(2, 2), QString(" 11"));
    QCOMPARE(program.state.ForecastRowCount, 315);
}

}  // namespace fortunara::test

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::test::MetodoVertibiliTest test;
        return QTest::qExec(&test, count, arguments);
    });
}

#include "metodovertibili_test.moc"
