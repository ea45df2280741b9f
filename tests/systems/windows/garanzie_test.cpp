#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "systems/windows/garanzie.h"
#include "systems/windows/garanzie_window.h"
#include "tests/statistics/draw_builder.h"
#include "tests/systems/windows/sistemi_fixture.h"
#include "tests/systems/windows/sistemi_tests.h"
#include "ui/chart_view.h"
#include "ui/data_grid.h"

namespace fortunara::test {

namespace {

// The "AMBO" scheme of eight numbers on 11..18, as the current system Presenti leaves.
void AmboSchemeOnElevenToEighteen(ProgramState& state) {
    const std::vector<int> positions = {1, 2, 3, 4, 5, 6, 1, 2, 4, 5, 6, 7, 1, 2, 5, 6, 7, 8,
                                        2, 3, 4, 5, 6, 7, 2, 3, 5, 6, 7, 8, 3, 4, 5, 6, 7, 8};
    state.TicketNumbers = {0};
    for (const int p : positions) state.TicketNumbers.push_back(10 + p);
    state.TicketSize = 6;
    state.TicketCount = 6;
    state.SystemNumberCount = 8;
}

// One ticket 1..6 over five draws: a terno, a quaterna, nothing, a cinque + 1, the sestina.
std::vector<DrawRecord> OneTicketOverFiveDraws() {
    return {MakeDraw("01GEN2020", {1, 2, 3, 40, 50, 60}, 70), MakeDraw("02GEN2020", {1, 2, 3, 4, 50, 60}, 70),
            MakeDraw("03GEN2020", {70, 71, 72, 73, 74, 75}, 76), MakeDraw("04GEN2020", {1, 2, 3, 4, 5, 60}, 6),
            MakeDraw("05GEN2020", {1, 2, 3, 4, 5, 6}, 70)};
}

void OneTicketOfSix(ProgramState& state) {
    state.TicketNumbers = {0, 1, 2, 3, 4, 5, 6};
    state.TicketSize = 6;
    state.TicketCount = 1;
    state.SystemNumberCount = 6;
}

struct GaranzieBench {
    TempFolder folder;
    ProgramState state;
    FakePlatform fakes;
    Platform platform = fakes.platform();
    std::unique_ptr<GaranzieWindow> window;

    explicit GaranzieBench(const std::vector<DrawRecord>& draws) {
        WriteDraws(folder, draws);
        state.programFolder = folder.path();
        state.RecordCount = static_cast<int>(draws.size());
    }
    void Open() { window = std::make_unique<GaranzieWindow>(state, platform); }
    template <typename T>
    T* Find(const char* name) const {
        T* control = window->findChild<T*>(name);
        if (control == nullptr) qFatal("missing control %s", name);
        return control;
    }
    QString Text(const char* grid, int row, int column) const { return Find<DataGrid>(grid)->Text(row, column); }
    bool Press(const char* button) {
        Find<QPushButton>(button)->click();
        return QTest::qWaitFor([this] { return !window->Page->Running(); }, 20000);
    }
};

}  // namespace

void GaranzieTest::certificateHolesAndCompletion() {
    GaranzieBench bench({FillerDraw()});
    AmboSchemeOnElevenToEighteen(bench.state);
    bench.Open();
    QVERIFY(bench.Press("Calcola"));
    // Worked out by hand in the core's test: six drawn give a quaterna at worst.
    QCOMPARE(bench.Text("Certificato", 5, 0), QString("6"));
    QCOMPARE(bench.Text("Certificato", 5, 4), QString("3,57"));
    QCOMPARE(bench.Text("Certificato", 5, 6), QString("21,43"));
    QCOMPARE(bench.Text("Vincenti", 1, 1), QString("3,214"));
    QVERIFY(bench.Find<QLabel>("Promesse")->text().contains("almeno una quaterna se escono 6 dei tuoi numeri"));
    // Six different tickets win the sestina as often as six random ones.
    QCOMPARE(bench.Text("Probabilita", 5, 1), QString("1 su 103.769.105"));
    QCOMPARE(bench.Text("Probabilita", 5, 2), bench.Text("Probabilita", 5, 1));
    QCOMPARE(bench.Find<QLabel>("Costo")->text(), QString("6 BOLLETTE DA 1,00 euro: 6,00 euro"));
    QVERIFY(bench.Find<QLabel>("Avviso")->text().startsWith("Nessun sistema cambia le probabilita'"));

    bench.Find<QComboBox>("Escono")->setCurrentIndex(1);  // 3
    bench.Find<QComboBox>("Almeno")->setCurrentIndex(1);  // 3
    QVERIFY(bench.Press("Buchi"));
    QCOMPARE(bench.Find<QLabel>("ContoBuchi")->text(), QString("4 CASI SU 56 SENZA TERNO SE ESCONO 3"));
    QListWidget* holes = bench.Find<QListWidget>("ListaBuchi");
    QCOMPARE(holes->count(), 4);
    QCOMPARE(holes->item(0)->text(), QString("11  13  17"));

    QVERIFY(bench.Press("Completa"));
    QVERIFY(QTest::qWaitFor([&bench] { return !bench.window->Page->Running(); }, 20000));
    QCOMPARE(bench.state.TicketCount, 7);
    QVERIFY(bench.Press("Buchi"));
    QCOMPARE(bench.Find<QLabel>("ContoBuchi")->text(), QString("0 CASI SU 56 SENZA TERNO SE ESCONO 3"));
    QVERIFY(bench.fakes.dialogs.questions().empty());
}

void GaranzieTest::recordOfOneTicketCountedByHand() {
    GaranzieBench bench(OneTicketOverFiveDraws());
    OneTicketOfSix(bench.state);
    bench.Open();
    bench.Find<QLineEdit>("Premio(0)")->setText("10");
    QVERIFY(bench.Press("Resoconto"));
    const std::vector<std::vector<QString>> expected = {{"5", "05GEN2020", "0", "0", "0", "0", "1"},
                                                        {"4", "04GEN2020", "0", "0", "0", "1", "0"},
                                                        {"2", "02GEN2020", "0", "1", "0", "0", "0"},
                                                        {"1", "01GEN2020", "1", "0", "0", "0", "0"}};
    QCOMPARE(bench.Find<DataGrid>("Storico")->Rows(), 5);
    for (std::size_t r = 0; r < expected.size(); ++r) {
        for (std::size_t c = 0; c < expected[r].size(); ++c) {
            QCOMPARE(bench.Text("Storico", static_cast<int>(r) + 1, static_cast<int>(c)), expected[r][c]);
        }
    }
    QCOMPARE(bench.Find<QLabel>("Bilancio")->text(),
             QString("ESTRAZIONI 5  VINCENTI 4  COSTO 5,00 euro  VINCITE 10,00 euro"));
}

void GaranzieTest::recordChartOfOneTicket() {
    // A terno paid 10,00: the chart adds up from the oldest draw.
    GaranzieBench bench(OneTicketOverFiveDraws());
    OneTicketOfSix(bench.state);
    bench.Open();
    bench.Find<QLineEdit>("Premio(0)")->setText("10");
    std::vector<QPointF> cost;
    std::vector<QPointF> returns;
    bool expected = false;
    bench.fakes.modal.Expect([&](QWidget& window) {
        QCOMPARE(window.objectName(), QString("GraficoSistema"));
        auto* view = window.findChild<ChartView*>("Grafico");
        QVERIFY(view != nullptr);
        for (auto [name, points] : {std::pair{"Costo", &cost}, std::pair{"Vincite", &returns}}) {
            auto* line = qobject_cast<QLineSeries*>(view->Series(name));
            QVERIFY(line != nullptr);
            for (const QPointF& p : line->points()) points->push_back(p);
        }
        expected = qobject_cast<QLineSeries*>(view->Series("Attese")) != nullptr;
        window.findChild<QPushButton*>("EsciGrafico")->click();
    });
    bench.Find<QPushButton>("GraficoResoconto")->click();
    QVERIFY(expected);
    QCOMPARE(cost, std::vector<QPointF>({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}}));
    QCOMPARE(returns, std::vector<QPointF>({{0, 10}, {1, 10}, {2, 10}, {3, 10}, {4, 10}}));
    // The grid shows the same record.
    QCOMPARE(bench.Find<QLabel>("Bilancio")->text(),
             QString("ESTRAZIONI 5  VINCENTI 4  COSTO 5,00 euro  VINCITE 10,00 euro"));
}

void GaranzieTest::completionJoinsTheDevelopment() {
    SistemiBench bench;
    bench.EnterRange(1, 10);
    bench.ChooseGuarantee(1);  // "AMBO": 15 combinations
    QVERIFY(bench.Develop());
    QCOMPARE(bench.state.SystemComboCount, 15);
    bench.window->SSTab1->setCurrentWidget(bench.window->TabGaranzie);
    Garanzie* page = bench.window->TabGaranzie;
    page->Escono->setCurrentIndex(1);  // terno if three are drawn
    page->Almeno->setCurrentIndex(1);
    page->Completa->click();
    QVERIFY(QTest::qWaitFor([page] { return !page->Running(); }, 20000));
    QVERIFY(QTest::qWaitFor([page] { return !page->Running(); }, 20000));
    const int count = bench.state.SystemComboCount;
    QVERIFY(count > 15);
    QCOMPARE(bench.memory.developedCount, count);
    QCOMPARE(bench.window->GridModel().Rows(), count);
    page->Buchi->click();
    QVERIFY(QTest::qWaitFor([page] { return !page->Running(); }, 20000));
    QVERIFY(page->ContoBuchi->text().startsWith("0 CASI SU 120"));
}

}  // namespace fortunara::test
