#include "tests/systems/windows/sistemi_fixture.h"
#include "tests/systems/windows/sistemi_tests.h"
#include "vertible/core/method_run.h"

namespace fortunara::test {

namespace {

const std::string kTooMany = "ATTENZIONE LE COMBINAZIONI CREATE SONO ECCESSIVE ";

std::array<int, 7> TableRow(const ProgramState& state, int row) {
    return state.SystemCombos[static_cast<std::size_t>(row)];
}

}  // namespace

void SistemiDevelopmentTest::integralOfTenFillsTheGrid() {
    SistemiBench bench;
    QAbstractItemModelTester tester(bench.window->Grid1->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    bench.EnterNumbers({5, 12, 3, 40, 41, 90, 7, 8, 9, 10});
    QVERIFY(bench.Develop());
    QCOMPARE(bench.window->Grid1->model()->rowCount(), 210);
    QCOMPARE(bench.GridRow(1), (std::vector<QString>{"1", "5", "12", "3", "40", "41", "90"}));
    QCOMPARE(bench.GridRow(210), (std::vector<QString>{"210", "41", "90", "7", "8", "9", "10"}));
    QCOMPARE(bench.Cell(1, 7), QString());
    QCOMPARE(bench.state.SystemComboCount, 210);
    QCOMPARE(bench.state.TicketCount, 210);
    QCOMPARE(TableRow(bench.state, 1), (std::array<int, 7>{0, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(TableRow(bench.state, 210), (std::array<int, 7>{0, 5, 6, 7, 8, 9, 10}));
    QCOMPARE(bench.window->List1->count(), 0);
    QVERIFY(bench.fakes.printer.jobs.empty());
    QVERIFY(bench.window->CommandButton11->isEnabled());
    QVERIFY(!bench.window->Annulla->isEnabled());
}

void SistemiDevelopmentTest::guaranteesAndReductionsCount_data() {
    QTest::addColumn<int>("quantity");
    QTest::addColumn<int>("guarantee");  // Combo1 index
    QTest::addColumn<int>("option");     // OptionButton1 clicked after the guarantee, -1 none
    QTest::addColumn<int>("count");
    QTest::newRow("10 AMBO") << 10 << 1 << -1 << 15;
    QTest::newRow("10 TERNO") << 10 << 2 << -1 << 35;
    QTest::newRow("10 QUATERNA") << 10 << 3 << -1 << 70;
    QTest::newRow("10 CINQUINA") << 10 << 4 << -1 << 126;
    QTest::newRow("10 n - 0") << 10 << 0 << 0 << 210;
    QTest::newRow("10 n - 1") << 10 << 0 << 1 << 18;
    QTest::newRow("12 n - 2") << 12 << 0 << 2 << 10;
    QTest::newRow("TERNO then n - 3") << 12 << 2 << 3 << 4;
}

void SistemiDevelopmentTest::guaranteesAndReductionsCount() {
    QFETCH(int, quantity);
    QFETCH(int, guarantee);
    QFETCH(int, option);
    QFETCH(int, count);
    SistemiBench bench;
    bench.EnterRange(1, quantity);
    bench.ChooseGuarantee(guarantee);
    if (option >= 0) bench.window->OptionButton1[static_cast<std::size_t>(option)]->click();
    QVERIFY(bench.Develop());
    QCOMPARE(bench.window->GridModel().Rows(), count);
    QCOMPARE(bench.state.SystemComboCount, count);
}

void SistemiDevelopmentTest::reportOfTenPrintsThreeCombinationsPerLine() {
    SistemiBench bench;
    bench.EnterRange(1, 10);
    // A method run before it leaves nothing in the head: "    n - 0" is selected as the window opens.
    QVERIFY(RunMethod(bench.state, kVertibleMethod, 1, {10, 1}).error.empty());
    bench.window->CheckBox1->setChecked(true);
    QVERIFY(bench.Develop());
    QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{1});
    const std::vector<std::string> lines = bench.fakes.printer.AllLines();
    const std::string rule(53, '_');
    const std::vector<std::string> head = {"\x1bM",
                                           rule,
                                           " ",
                                           "    SISTEMA RIDOTTO N -  0 ",
                                           rule,
                                           " ",
                                           "   I NUMERI :  1   2   3   4   5   6   7   8   9   10   ",
                                           rule,
                                           " "};
    QCOMPARE(std::vector<std::string>(lines.begin(), lines.begin() + 9), head);
    QCOMPARE(lines.size(), std::size_t{9 + 70 + 1});
    QCOMPARE(QString::fromStdString(lines[9]), QString(" 01 02 03 04 05 06 |  01 02 03 04 05 07 |  01 02 03 04 05 08"));
    for (std::size_t i = 9; i < 79; ++i) {
        const std::string& line = lines[i];
        QCOMPARE(line.size(), std::size_t{3 * 18 + 2 * 3});
        QCOMPARE(line.substr(18, 3), std::string(" | "));
        QCOMPARE(line.substr(39, 3), std::string(" | "));
    }
    QCOMPARE(lines[78], std::string(" 04 05 07 08 09 10 |  04 06 07 08 09 10 |  05 06 07 08 09 10"));
    QCOMPARE(lines.back(), std::string());
}

void SistemiDevelopmentTest::tooFewNumbersOnlySaySo() {
    SistemiBench bench;
    bench.EnterRange(1, 7);
    QVERIFY(bench.Develop());
    bench.window->Textbox1->setText("5");
    QVERIFY(bench.Develop());
    QCOMPARE(bench.window->Label1->text(), QString("NUMERI NON SUFFICENTI ! "));
    QCOMPARE(bench.window->GridModel().Rows(), 0);
    QCOMPARE(bench.state.SystemComboCount, 7);
    QCOMPARE(bench.state.TicketCount, 7);
    QVERIFY(bench.fakes.dialogs.MessageTexts().empty());
}

void SistemiDevelopmentTest::overflowStopsAtTheCapacity() {
    SistemiBench bench;
    bench.EnterRange(1, 7);
    QVERIFY(bench.Develop());
    bench.EnterRange(1, 40);
    bench.window->CheckBox1->setChecked(true);
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    QVERIFY(bench.Develop());
    QCOMPARE(bench.fakes.dialogs.MessageTexts(), std::vector<std::string>{kTooMany});
    QCOMPARE(bench.fakes.dialogs.questions().back().title, std::string("Fortunara"));
    QCOMPARE(bench.window->GridModel().Rows(), 30000);
    QCOMPARE(bench.Cell(30000, 0), QString("30000"));
    QCOMPARE(bench.state.SystemComboCount, 7);
    QCOMPARE(bench.state.TicketCount, 7);
    // The stopped run does not reach the table: "SALVA" still finds the seven combinations.
    QCOMPARE(TableRow(bench.state, 8), (std::array<int, 7>{}));
    QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{1});
    QCOMPARE(bench.fakes.printer.AllLines().size(), std::size_t{9 + 10000});

    // A quantity above 90: positions without a number stop the run the same way.
    bench.window->Textbox1->setText("95");
    bench.window->CheckBox1->setChecked(false);
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    QVERIFY(bench.Develop());
    QCOMPARE(bench.fakes.dialogs.MessageTexts().size(), std::size_t{2});
    QCOMPARE(bench.state.SystemComboCount, 7);

    // Anything else that breaks the run off says what it was, not that there were too many.
    bench.EnterRange(1, 7);
    bench.state.EnteredNumbers[3] = 95;
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    QVERIFY(bench.Develop());
    QCOMPARE(bench.fakes.dialogs.MessageTexts().back(),
             std::string("LO SVILUPPO SI E' INTERROTTO: UN NUMERO DEL SISTEMA E' FUORI DA 1 A 90"));
    QCOMPARE(bench.fakes.dialogs.questions().back().title, std::string("ATTENZIONE !!!"));
    QCOMPARE(bench.state.SystemComboCount, 7);
}

void SistemiDevelopmentTest::cancelKeepsThePreviousCounts() {
    SistemiBench bench;
    bench.EnterRange(1, 7);
    QVERIFY(bench.Develop());
    // Ninety numbers whose sums must lie between 1 and 2: nothing is accepted, so the run would
    // look at every one of the 622,614,630 candidates.
    bench.EnterRange(1, 90);
    bench.window->CheckBox5->setChecked(true);
    bench.window->TextBox3[0]->setText("1");
    bench.window->TextBox4[0]->setText("2");
    bench.window->CommandButton11->click();
    QVERIFY(bench.window->Running());
    QVERIFY(bench.window->Annulla->isEnabled());
    QVERIFY(!bench.window->CommandButton11->isEnabled());
    bench.window->Annulla->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.window->Running(), 10000);
    QCOMPARE(bench.state.SystemComboCount, 7);
    QCOMPARE(bench.state.TicketCount, 7);
    QCOMPARE(bench.window->GridModel().Rows(), 0);
    QCOMPARE(bench.window->List1->item(0)->text(), QString("condizionati"));
    QVERIFY(bench.fakes.dialogs.MessageTexts().empty());
    QVERIFY(bench.window->CommandButton11->isEnabled());

    // Closing the window during a run stops the run first.
    bench.window->CommandButton11->click();
    QVERIFY(bench.window->Running());
    bench.window.reset();
}

void SistemiDevelopmentTest::conditionsAndGroupsFilter() {
    SistemiBench bench;
    bench.EnterRange(1, 8);
    bench.window->CheckBox5->setChecked(true);
    QVERIFY(bench.Develop());
    // Conditions on with nothing set accept everything.
    QCOMPARE(bench.window->GridModel().Rows(), 28);
    QCOMPARE(bench.window->List1->count(), 1);

    // Group 1 = {1, 2}, from 2 to 2: only the combinations holding both.
    for (const auto& [row, answer] :
         std::vector<std::pair<int, const char*>>{{1, "1"}, {2, "2"}, {32, "2"}, {33, "2"}}) {
        bench.fakes.dialogs.AnswerText(answer);
        emit bench.window->grid2->cellClicked(row, 1);
    }
    QVERIFY(bench.Develop());
    QCOMPARE(bench.window->GridModel().Rows(), 28);
    bench.window->CheckBox6->click();
    QVERIFY(bench.Develop());
    QCOMPARE(bench.window->GridModel().Rows(), 15);
    for (int r = 1; r <= 15; ++r) {
        QCOMPARE(bench.Cell(r, 1), QString("1"));
        QCOMPARE(bench.Cell(r, 2), QString("2"));
    }
    // Head numbers 7 and 33 in "Primo :" and "Terzo :", the group off again.
    bench.window->CheckBox6->click();
    bench.EnterNumbers({7, 33, 1, 2, 3, 4, 5, 6});
    bench.window->textbox2[0]->setText("7");
    bench.window->textbox2[2]->setText("33");
    QVERIFY(bench.Develop());
    QCOMPARE(bench.window->GridModel().Rows(), 15);
    // Without the tick the settings are not read.
    bench.window->CheckBox5->setChecked(false);
    QVERIFY(bench.Develop());
    QCOMPARE(bench.window->GridModel().Rows(), 28);
    QCOMPARE(bench.window->List1->count(), 0);
}

}  // namespace fortunara::test
