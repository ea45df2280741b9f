// "SISTEMI" of tab 5 on the offscreen platform: the matrix list in place of the outcomes, the road
// on to "RIDOTTI" and back with "ESCI", and a list item opening the check window.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "statistics/windows/forecast_tab.h"
#include "tests/statistics/windows/window_tests.h"
#include "tests/windows/started_program.h"

namespace fortunara::test {

namespace {

const char kIndex[] = "\"\"\r\n\"07N00806.SIS\"\r\n\"12N03006.SIS\"\r\n\"12N02510.SIS\"\r\n\"STOP\"\r\n";
const std::vector<std::string> kTwelve = {"12 NUMERI  30 SESTINE", "12 NUMERI  25 DECINE"};

// Fifteen draws; from base 12 the forecast of 12 has two outcome lines.
std::string SmallArchive() {
    std::vector<std::pair<std::string, std::array<int, 8>>> draws;
    for (int k = 1; k <= 15; ++k) {
        const std::string day = (k < 10 ? "0" : "") + std::to_string(k) + "GEN2019";
        draws.push_back({day, {81, 82, 83, 84, 85, 86, 87, 88}});
    }
    draws[9].second = {15, 88, 2, 70, 40, 59, 1, 3};
    draws[10].second = {77, 4, 61, 22, 38, 15, 5, 6};
    draws[12].second = {22, 4, 15, 81, 82, 83, 84, 85};
    draws[14].second = {77, 70, 61, 59, 81, 82, 83, 84};
    return Records(draws);
}

template <class T>
T* Control(const Sestine& window, const char* name) {
    return window.findChild<T*>(name);
}

void Click(const Sestine& window, const char* button) {
    QTest::mouseClick(Control<QPushButton>(window, button), Qt::LeftButton);
}

void ListMatrices(const Sestine& window, const QString& quantity) {
    Control<QLineEdit>(window, "Textbox1")->setText(quantity);
    Click(window, "CommandButton11");
}

bool MatrixListInView(const Sestine& window) {
    return !Control<QListWidget>(window, "List6")->isHidden() && Control<QListWidget>(window, "List3")->isHidden() &&
           Control<QPushButton>(window, "CommandButton7")->isEnabled() &&
           Control<QPushButton>(window, "CommandButton8")->isEnabled();
}

void ClickItem(QListWidget& list, int row) {
    QListWidgetItem* item = list.item(row);
    QVERIFY(item != nullptr);
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(item).center());
}

}  // namespace

void MatrixListTest::sistemiListsThenRidottiAndEsci() {
    StartedProgram program(SmallArchive());
    program.folder.WriteFile("matrion/SISTEMI.TXT", kIndex);
    program.window->Tabella()->setCurrentIndex(5);
    program.Find<QLineEdit>("Textbox1")->setText("12");
    program.Find<QScrollBar>("HScroll5")->setValue(12);
    Click(*program.window, "CommandButton10");
    const std::vector<std::string> outcomes = Texts(*program.Find<QListWidget>("List3"));
    QCOMPARE(outcomes.size(), std::size_t{2});
    QVERIFY(!program.Find<QPushButton>("CommandButton8")->isEnabled());

    program.state.TicketNumbers = {0, 5, 6, 7};
    program.fakes.sounds.log.clear();
    ListMatrices(*program.window, "12");
    QVERIFY(MatrixListInView(*program.window));
    QCOMPARE(Texts(*program.Find<QListWidget>("List6")), kTwelve);
    QCOMPARE(program.state.TicketNumbers, std::vector<int>(6001, 0));
    QCOMPARE(program.fakes.sounds.log, program.ClickCommands({"OPEN", "prev", "PLAY"}));
    QVERIFY(program.fakes.dialogs.questions().empty());

    // A new listing replaces the old one; a quantity without matrices leaves the list empty.
    ListMatrices(*program.window, "7");
    QCOMPARE(Texts(*program.Find<QListWidget>("List6")), std::vector<std::string>({"07 NUMERI  8 SESTINE"}));
    for (const QString& quantity : {QString("13"), QString("0"), QString("abc"), QString("95")}) {
        ListMatrices(*program.window, quantity);
        QVERIFY(Texts(*program.Find<QListWidget>("List6")).empty());
        QVERIFY(MatrixListInView(*program.window));
    }
    QVERIFY(program.fakes.dialogs.questions().empty());

    // "RIDOTTI" now opens the system window on the forecast of twelve.
    ListMatrices(*program.window, "12");
    QString quantity;
    program.fakes.modal.Expect(
        [&quantity](QWidget& window) { quantity = window.findChild<QLineEdit*>("Textbox1")->text(); });
    Click(*program.window, "CommandButton8");
    QCOMPARE(program.fakes.modal.opened(), 1);
    QCOMPARE(quantity, QString("12"));
    QCOMPARE(std::vector<int>(program.state.EnteredNumbers.begin() + 1, program.state.EnteredNumbers.begin() + 13),
             std::vector<int>(program.state.ForecastNumbers.begin() + 1, program.state.ForecastNumbers.begin() + 13));

    // "ESCI" brings the untouched outcomes back and puts the matrix list away.
    Click(*program.window, "CommandButton7");
    QVERIFY(!program.Find<QListWidget>("List3")->isHidden());
    QVERIFY(program.Find<QListWidget>("List6")->isHidden());
    QVERIFY(!program.Find<QPushButton>("CommandButton7")->isEnabled());
    QVERIFY(!program.Find<QPushButton>("CommandButton8")->isEnabled());
    QCOMPARE(Texts(*program.Find<QListWidget>("List3")), outcomes);
}

void MatrixListTest::unreadableIndexIsReported() {
    StartedProgram program(SmallArchive());
    program.folder.WriteFile("matrion/SISTEMI.TXT", kIndex);
    ListMatrices(*program.window, "12");
    QCOMPARE(Texts(*program.Find<QListWidget>("List6")), kTwelve);

    // A missing index is the empty library: nothing listed, nothing to say.
    std::filesystem::remove(program.folder.path() / "matrion" / "SISTEMI.TXT");
    ListMatrices(*program.window, "12");
    QVERIFY(Texts(*program.Find<QListWidget>("List6")).empty());
    QVERIFY(program.fakes.dialogs.questions().empty());

    program.folder.WriteFile("matrion/SISTEMI.TXT", kIndex);
    ListMatrices(*program.window, "12");
    QCOMPARE(Texts(*program.Find<QListWidget>("List6")), kTwelve);
    program.folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"12N03006.SIS\"\r\n");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    ListMatrices(*program.window, "12");
    // The old list is gone rather than passed off as the library's.
    QVERIFY(Texts(*program.Find<QListWidget>("List6")).empty());
    QVERIFY(MatrixListInView(*program.window));
    QCOMPARE(program.fakes.dialogs.questions().size(), std::size_t{1});
    const DialogQuestion& question = program.fakes.dialogs.questions().back();
    QCOMPARE(question.text, std::string("L'ELENCO DELLE MATRICI matrion/SISTEMI.TXT NON FINISCE CON \"STOP\""));
    QCOMPARE(question.title, std::string("ATTENZIONE !!!"));
}

void MatrixListTest::indexCutShortIsListedAndReported() {
    StartedProgram program(SmallArchive());
    const std::string longLine = "\"" + std::string(5000, 'X') + "\"\r\n";
    program.folder.WriteFile("matrion/SISTEMI.TXT",
                             "\"\"\r\n\"12N03006.SIS\"\r\n" + longLine + "\"12N02510.SIS\"\r\n\"STOP\"\r\n");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    ListMatrices(*program.window, "12");
    QCOMPARE(Texts(*program.Find<QListWidget>("List6")), kTwelve);
    QCOMPARE(program.fakes.dialogs.questions().size(), std::size_t{1});
    const DialogQuestion& question = program.fakes.dialogs.questions().back();
    QCOMPARE(question.text, std::string("IL FILE SISTEMI.TXT E' TROPPO LUNGO: LETTO FINO A 4096 CARATTERI PER RIGA"));
    QCOMPARE(question.title, std::string("ATTENZIONE !!!"));
}

void MatrixListTest::itemOpensTheCheckWindow() {
    // What the check window would find in the shared state when it is made.
    std::vector<std::pair<std::string, int>> seen;
    StartedProgram program(SmallArchive(), [&seen](SestineHooks& hooks, ProgramState& state, Platform& platform) {
        ForecastOpeners openers;
        openers.presenti = [&seen, &state](QWidget*) -> QWidget* {
            seen.push_back({state.SelectedMatrixFile, state.OpenedFromList});
            return nullptr;
        };
        hooks.tabs[5] = [&state, &platform, openers](QWidget* parent) -> MainWindowTab* {
            return new ForecastTab(state, platform, openers, parent);
        };
    });
    program.folder.WriteFile("matrion/SISTEMI.TXT", kIndex);
    program.window->Tabella()->setCurrentIndex(5);
    ListMatrices(*program.window, "12");
    QListWidget& list = *program.Find<QListWidget>("List6");

    ClickItem(list, 1);
    QCOMPARE(seen, (std::vector<std::pair<std::string, int>>{{"12N02510.SIS", 1}}));
    QCOMPARE(program.state.SelectedMatrixFile, std::string());
    QCOMPARE(program.state.OpenedFromList, 0);

    ClickItem(list, 0);
    QCOMPARE(seen.back(), (std::pair<std::string, int>{"12N03006.SIS", 1}));
    QCOMPARE(program.state.SelectedMatrixFile, std::string());
}

void MatrixListTest::itemWithoutCheckWindowLeavesNoSelection() {
    StartedProgram program(SmallArchive(), [](SestineHooks& hooks, ProgramState& state, Platform& platform) {
        hooks.tabs[5] = [&state, &platform](QWidget* parent) -> MainWindowTab* {
            return new ForecastTab(state, platform, ForecastOpeners{}, parent);
        };
    });
    program.folder.WriteFile("matrion/SISTEMI.TXT", kIndex);
    program.window->Tabella()->setCurrentIndex(5);
    ListMatrices(*program.window, "12");
    ClickItem(*program.Find<QListWidget>("List6"), 1);
    QCOMPARE(program.state.SelectedMatrixFile, std::string());
    QCOMPARE(program.state.OpenedFromList, 0);
    QCOMPARE(program.fakes.modal.opened(), 0);
}

}  // namespace fortunara::test
