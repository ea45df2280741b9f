#include <QScrollBar>

#include <QSignalSpy>
#include "app/program/program_hooks.h"

#include "tests/systems/windows/sistemi_fixture.h"
#include "tests/systems/windows/sistemi_tests.h"

namespace fortunara::test {

void SistemiEntryTest::everyControlHasItsNameAndCaption() {
    SistemiBench bench;
    const std::vector<std::pair<const char*, const char*>> buttons = {
        {"CommandButton1", "NUMERI"}, {"CommandButton11", "SVILUPPO"}, {"CommandButton2", "CARICA"},
        {"CommandButton3", "SALVA"},  {"CommandButton5", "COPIA"},     {"CommandButton7", "SCHEDINE"},
        {"CommandButton4", "ESCI"},   {"CommandButton6", "CONTROLLO"}, {"Annulla", "ANNULLA"}};
    for (const auto& [name, caption] : buttons) QCOMPARE(bench.Button(name)->text(), QString(caption));
    QCOMPARE(bench.window->windowTitle(), QString("Fortunara"));
    QCOMPARE(bench.Find<QTabWidget>("SSTab1")->tabText(2), QString("Link AND"));
    QCOMPARE(bench.Find<QGroupBox>("Frame4")->title(), QString("Numeri"));
    QCOMPARE(bench.Find<QGroupBox>("Frame2")->title(), QString("Garanzia"));
    QCOMPARE(bench.Find<QGroupBox>("Frame1")->title(), QString("Riduzione"));
    QCOMPARE(bench.Find<QGroupBox>("Frame7")->title(), QString("Consecutivita'"));
    QCOMPARE(bench.Find<QCheckBox>("CheckBox1")->text(), QString("  STAMPA"));
    QCOMPARE(bench.Find<QCheckBox>("CheckBox5")->text(), QString("  ATTIVA CONDIZIONI"));
    QCOMPARE(bench.Find<QLabel>("Label22")->text(), QString("NUMERI"));
    for (const char* array : {"checkbox2", "CheckBox4", "CheckBox3"}) {
        for (int i = 0; i <= 10; ++i) {
            QCOMPARE(bench.Find<QCheckBox>(QString("%1(%2)").arg(array).arg(i))->text(), QString(" - %1").arg(i));
        }
    }
    for (int i = 0; i < 4; ++i) {
        bench.Find<QLineEdit>(QString("textbox2(%1)").arg(i));
        bench.Find<QLineEdit>(QString("TextBox3(%1)").arg(i));
        bench.Find<QLineEdit>(QString("TextBox4(%1)").arg(i));
    }
    for (const char* name : {"Textbox1", "Label1", "Label2", "List1", "Grid1", "grid2", "HScroll1", "Frame12",
                             "CheckBox6", "Avanzamento"}) {
        bench.Find<QWidget>(name);
    }

    QComboBox* combo = bench.Find<QComboBox>("Combo1");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    QCOMPARE(items, QStringList({"INTEGRALE", "AMBO", "TERNO", "QUATERNA", "CINQUINA"}));
    QCOMPARE(combo->currentText(), QString("INTEGRALE"));
    QCOMPARE(bench.Find<QRadioButton>("OptionButton1(0)")->text(), QString("    n - 0"));
    QCOMPARE(bench.Find<QRadioButton>("OptionButton1(3)")->text(), QString("    n - 3"));
    QVERIFY(bench.Find<QRadioButton>("OptionButton1(0)")->isChecked());
    QVERIFY(!bench.Find<QCheckBox>("CheckBox6")->isChecked());
    QVERIFY(!bench.Button("Annulla")->isEnabled());
    QCOMPARE(bench.state.GuaranteeMode, 1);
    QCOMPARE(bench.state.TicketSize, 6);

    auto* grid1 = bench.Find<QTableView>("Grid1");
    QStringList headers;
    for (int c = 0; c < grid1->model()->columnCount(); ++c)
        headers << grid1->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"bol.", "A", "B", "C", "D", "E", "F", "G", "H", "I", "L"}));
    QCOMPARE(grid1->model()->rowCount(), 0);

    auto* grid2 = bench.Find<QTableWidget>("grid2");
    QCOMPARE(grid2->rowCount(), 35);
    QCOMPARE(grid2->columnCount(), 50);
    QCOMPARE(grid2->item(0, 49)->text(), QString("49"));
    QCOMPARE(grid2->item(30, 0)->text(), QString("30"));
    QCOMPARE(grid2->item(32, 0)->text(), QString("Da"));
    QCOMPARE(grid2->item(33, 0)->text(), QString("A"));
    QAbstractItemModelTester grid2Tester(grid2->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void SistemiEntryTest::loadChoosesTheNewestDraw() {
    SistemiBench bench;
    QCOMPARE(bench.Find<QLabel>("Label2")->text(), QString("03GEN1998"));
    QCOMPARE(bench.state.CurrentDrawDate, std::string("03GEN1998"));
    // 72 29 90 82 02 36, jolly 71: the main numbers ascending, the others as stored.
    const std::array<int, 11> expected = {0, 2, 29, 36, 72, 82, 90, 71, 0, 0, 0};
    QCOMPARE(bench.state.DrawNumbers, expected);

    bench.Find<QScrollBar>("HScroll1")->setValue(1);
    QCOMPARE(bench.Find<QLabel>("Label2")->text(), QString("03DIC1997"));
    QCOMPARE(bench.state.DrawNumbers[1], 20);
    QCOMPARE(bench.state.DrawNumbers[7], 88);
}

void SistemiEntryTest::numbersAreEnteredInOrder() {
    SistemiBench bench;
    bench.EnterNumbers({5, 12, 3, 40, 41, 90});
    QCOMPARE(bench.state.EnteredNumbers[1], 5);
    QCOMPARE(bench.state.EnteredNumbers[3], 3);
    QCOMPARE(bench.state.EnteredNumbers[6], 90);
    QCOMPARE(bench.window->Label1->text(), QString(" NUMERI    :   5   12   3   40   41   90   "));
    const auto& questions = bench.fakes.dialogs.questions();
    QCOMPARE(questions.size(), std::size_t{6});
    QCOMPARE(questions[2].title, std::string("INSERISCI IL  3' NUMERO ! "));
    QCOMPARE(questions[2].text, std::string());
    QCOMPARE(questions[2].initial, std::string());
}

void SistemiEntryTest::anAnswerOutsideTheBoardIsAskedAgain() {
    SistemiBench bench;
    bench.state.CurrentMatrixName = "\r\n";
    bench.window->Textbox1->setText("2");
    for (const char* answer : {"91", "-1", "7", "0"}) bench.fakes.dialogs.AnswerText(answer);
    bench.window->CommandButton1->click();
    QCOMPARE(bench.fakes.dialogs.questions().size(), std::size_t{4});
    QCOMPARE(bench.fakes.dialogs.questions()[2].title, std::string("INSERISCI IL  1' NUMERO ! "));
    QCOMPARE(bench.state.EnteredNumbers[1], 7);
    QCOMPARE(bench.state.EnteredNumbers[2], 0);
    QCOMPARE(bench.window->Label1->text(), QString("\r\n NUMERI    :   7   0   "));
}

void SistemiEntryTest::anEmptyAnswerKeepsTheLaterNumbers() {
    SistemiBench bench;
    bench.EnterRange(11, 20);
    bench.window->Textbox1->setText("10");
    for (const char* answer : {"1", "2", "3", ""}) bench.fakes.dialogs.AnswerText(answer);
    bench.window->CommandButton1->click();
    const std::vector<int> kept(bench.state.EnteredNumbers.begin() + 1, bench.state.EnteredNumbers.begin() + 11);
    QCOMPARE(kept, (std::vector<int>{1, 2, 3, 14, 15, 16, 17, 18, 19, 20}));
    // A quantity that is no number asks nothing.
    bench.window->Textbox1->setText("dieci");
    bench.window->CommandButton1->click();
    QCOMPARE(bench.fakes.dialogs.questions().size(), std::size_t{14});
}

void SistemiEntryTest::aGuaranteeClearsTheReductionOptions() {
    SistemiBench bench;
    bench.ChooseGuarantee(2);
    QCOMPARE(bench.state.GuaranteeMode, 3);
    for (QRadioButton* option : bench.window->OptionButton1) QVERIFY(!option->isChecked());
    bench.window->OptionButton1[2]->click();
    QCOMPARE(bench.state.GuaranteeMode, 1);
    QCOMPARE(bench.window->Combo1->currentText(), QString("TERNO"));
    QVERIFY(bench.window->OptionButton1[2]->isChecked());
    // The options stay one choice among four after they were all cleared.
    bench.window->OptionButton1[1]->click();
    QVERIFY(!bench.window->OptionButton1[2]->isChecked());
}

void SistemiEntryTest::copyPutsTheSelectionOnTheClipboard() {
    SistemiBench bench;
    bench.EnterRange(1, 7);
    QVERIFY(bench.Develop());
    QTableView* grid = bench.window->Grid1;
    bench.fakes.clipboard.text = "vecchio";
    grid->setCurrentIndex(grid->model()->index(1, 2));
    grid->clearSelection();
    QTest::mousePress(bench.window->CommandButton5, Qt::LeftButton);
    QCOMPARE(bench.fakes.clipboard.text, std::string());
    QTest::mouseRelease(bench.window->CommandButton5, Qt::LeftButton);
    QCOMPARE(bench.fakes.clipboard.text, std::string("2"));

    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 6)),
                                   QItemSelectionModel::ClearAndSelect);
    bench.window->CommandButton5->click();
    QCOMPARE(bench.fakes.clipboard.text, std::string("1\t1\t2\t3\t4\t5\t6\r2\t1\t2\t3\t4\t5\t7"));
}

void SistemiEntryTest::groupCellsTakeNumbersUpToNinety() {
    SistemiBench bench;
    QTableWidget* grid = bench.window->grid2;
    const auto enter = [&](int row, int column, const char* answer) {
        bench.fakes.dialogs.AnswerText(answer);
        emit grid->cellClicked(row, column);
    };
    enter(1, 1, "7");
    QCOMPARE(grid->item(1, 1)->text(), QString("7"));
    const DialogQuestion& question = bench.fakes.dialogs.questions().back();
    QCOMPARE(question.title, std::string("IMMETTI IL NUMERO "));
    QCOMPARE(question.leftTwips, 10);
    QCOMPARE(question.topTwips, 10);
    enter(2, 1, "");  // an empty answer is 0
    QCOMPARE(grid->item(2, 1)->text(), QString("0"));
    enter(3, 1, "91");
    QVERIFY(grid->item(3, 1) == nullptr);
    enter(34, 2, "5");  // row 34 has no storage
    QVERIFY(grid->item(34, 2) == nullptr);
    enter(0, 3, "5");  // the caption row stays as it is
    QCOMPARE(grid->item(0, 3)->text(), QString("3"));
    enter(32, 4, "1");
    QCOMPARE(bench.memory.groups.GroupGrid[1][1], 7);
    QCOMPARE(bench.memory.groups.GroupRowCount, 2);
    QCOMPARE(bench.memory.groups.GroupColumnCount, 4);

    QVERIFY(!bench.memory.groups.On());
    bench.window->CheckBox6->click();
    QVERIFY(bench.memory.groups.On());
    bench.window->CheckBox6->click();
    QVERIFY(!bench.memory.groups.On());
}

void SistemiEntryTest::ridottiHandsOverTheNumbers() {
    SistemiBench bench;
    const int forecast[] = {4, 15, 22, 38, 61, 77, 80};
    for (std::size_t i = 0; i < 7; ++i) bench.state.ForecastNumbers[i + 1] = forecast[i];
    bench.window->HandOverForecast(6);
    QCOMPARE(bench.window->Textbox1->text(), QString("6"));
    QCOMPARE(bench.window->Label1->text(), QString("6 NUMERI    :   04   15   22   38   61   77   "));
    QCOMPARE(std::vector<int>(bench.state.EnteredNumbers.begin() + 1, bench.state.EnteredNumbers.begin() + 8),
             (std::vector<int>{4, 15, 22, 38, 61, 77, 0}));
    QVERIFY(bench.Develop());
    QCOMPARE(bench.GridRow(1), (std::vector<QString>{"1", "4", "15", "22", "38", "61", "77"}));
}

void SistemiEntryTest::mainWindowLauncherMakesTheSystemWindow() {
    SistemiBench bench;
    const SestineHooks hooks = ProgramHooks(bench.state, bench.platform);
    QVERIFY(static_cast<bool>(hooks.openers.Sistemi));
    std::unique_ptr<QWidget> opened(hooks.openers.Sistemi(nullptr));
    QVERIFY(qobject_cast<Sistemi*>(opened.get()) != nullptr);
    QCOMPARE(opened->objectName(), QString("Sistemi"));
    // Fits a 1366 x 768 screen.
    QVERIFY(opened->width() <= 1366 && opened->height() <= 700);
}

}  // namespace fortunara::test
