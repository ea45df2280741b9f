#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "checks/windows/controllo.h"
#include "tests/checks/windows/checks_window_tests.h"
#include "tests/matrices/windows/archivio_bench.h"
#include "tests/windows/started_program.h"

namespace fortunara::test {

namespace {

const char* const kCounters[] = {"Label3", "Label4", "Label5", "Label16", "Label15"};

// Seven tickets against 5 12 17 33 40 61, jolly 80: a sestina, five and the jolly (the jolly
// first), a cinquina, an ambo, a quaterna and two terni.
struct ControlloBench {
    ProgramState state;
    FakePlatform fakes;
    Platform platform = fakes.platform();
    Controllo window{state, platform};

    ControlloBench() {
        state.TicketNumbers = {0, 5, 12, 17, 33, 40, 61, 80, 5, 12, 17, 33, 40, 5, 12, 17, 33, 40, 90, 1, 2, 3,
                               4, 5, 12, 1,  5,  12, 17, 33, 2, 61, 1,  2,  3,  5, 17, 61, 40, 33, 1,  2, 3};
        state.TicketSize = 6;
        state.TicketCount = 7;
        state.DrawNumbers = {0, 5, 12, 17, 33, 40, 61, 80, 3};
        state.CurrentDrawDate = "21AGO2026";
    }
    QStringList Counts() const {
        QStringList counts;
        for (const char* name : kCounters) counts << Child<QLabel>(window, name)->text();
        return counts;
    }
    std::vector<std::string> Listed() const { return Texts(*Child<QListWidget>(window, "List1")); }
    void Click(const char* name) { QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton); }
};

const std::vector<std::string> kWinners = {"000001    5 12 17 33 40 61 ", "000002    5 12 17 33 40 80 Jolly ",
                                           "000003    5 12 17 33 40 ",    "000005    5 12 17 33 ",
                                           "000006    61 5 17 ",          "000007    61 40 33 "};

}  // namespace

void ControlloTest::checkListsAndCountsUntilReset() {
    ControlloBench bench;
    QCOMPARE(bench.window.windowTitle(), QString("Fortunara"));
    const std::pair<const char*, const char*> frames[] = {{"FrameTre", "Tre"},
                                                          {"FrameQuattro", "Quattro"},
                                                          {"FrameCinque", "Cinque"},
                                                          {"FrameCinquePiuUno", "Cinque + 1"},
                                                          {"FrameSei", "Sei"}};
    for (const auto& [name, title] : frames) QCOMPARE(Child<QGroupBox>(bench.window, name)->title(), QString(title));
    const std::pair<const char*, const char*> buttons[] = {{"CommandButton2", "CONTROLLO"},
                                                           {"CommandButton1", "STAMPA"},
                                                           {"CommandButton3", "RESET"},
                                                           {"CommandButton4", "ESCI"}};
    for (const auto& [name, caption] : buttons)
        QCOMPARE(Child<QPushButton>(bench.window, name)->text(), QString(caption));
    QCOMPARE(Child<QLabel>(bench.window, "TitoloTrovati")->text(), QString("TROVATI"));
    QCOMPARE(Child<QLabel>(bench.window, "TitoloSchedina")->text(), QString("SCHEDINA"));
    QCOMPARE(bench.Counts(), QStringList({"0", "0", "0", "0", "0"}));
    QVERIFY(bench.Listed().empty());

    bench.Click("CommandButton2");
    QCOMPARE(bench.Counts(), QStringList({"2", "1", "1", "1", "1"}));
    QCOMPARE(bench.Listed(), kWinners);
    // A second check counts afresh and lists again below the first.
    bench.Click("CommandButton2");
    QCOMPARE(bench.Counts(), QStringList({"2", "1", "1", "1", "1"}));
    std::vector<std::string> twice = kWinners;
    twice.insert(twice.end(), kWinners.begin(), kWinners.end());
    QCOMPARE(bench.Listed(), twice);
    QCOMPARE(bench.state.SearchNumbers, (std::array<int, 91>{}));

    bench.Click("CommandButton3");
    QCOMPARE(bench.Counts(), QStringList({"0", "0", "0", "0", "0"}));
    QVERIFY(bench.Listed().empty());

    // No tickets: five zeros, nothing listed.
    bench.state.TicketCount = 0;
    bench.Click("CommandButton2");
    QCOMPARE(bench.Counts(), QStringList({"0", "0", "0", "0", "0"}));
    QVERIFY(bench.Listed().empty());
    QVERIFY(bench.fakes.dialogs.questions().empty());
}

void ControlloTest::reportPrintsWhatTheLabelsShow() {
    ControlloBench bench;
    bench.Click("CommandButton2");
    bench.Click("CommandButton1");
    QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{1});
    std::vector<std::string> lines = bench.fakes.printer.AllLines();
    QCOMPARE(lines.size(), std::size_t{18});
    QCOMPARE(lines[4], std::string("|  DATA :  21AGO2026"));
    QCOMPARE(lines[5], std::string("|  Numeri per bolletta :  6 "));
    QCOMPARE(lines[6], std::string("|  Quantita' bollette  :  7 "));
    QCOMPARE(std::vector<std::string>(lines.begin() + 9, lines.begin() + 14),
             (std::vector<std::string>{"  Terni    trovati : 2", "  Quaterne trovate : 1", "  Cinquine trovate : 1",
                                       "  Cinque+1 trovate : 1", "  Sestine  trovate : 1"}));

    bench.Click("CommandButton3");
    bench.Click("CommandButton1");
    QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{2});
    lines = bench.fakes.printer.AllLines();
    QCOMPARE(lines[9], std::string("  Terni    trovati : 0"));
    QCOMPARE(lines[13], std::string("  Sestine  trovate : 0"));
}

}  // namespace fortunara::test
