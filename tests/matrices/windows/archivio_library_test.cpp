#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>

#include "tests/matrices/windows/archivio_bench.h"
#include "tests/matrices/windows/archivio_tests.h"
#include "tests/windows/started_program.h"

namespace fortunara::test {

namespace {

// Twenty matrices of twelve numbers (1 to 20 combinations) and one of seven.
std::vector<std::string> TwentyOfTwelve() {
    std::vector<std::string> names = {"07N00806.SIS"};
    for (int b = 1; b <= 20; ++b)
        names.push_back(QString("12N%1%2").arg(b, 3, 10, QChar('0')).arg("06.SIS").toStdString());
    return names;
}

std::vector<std::string> TwelveCaptions(int first, int last) {
    std::vector<std::string> captions;
    for (int b = first; b <= last; ++b) captions.push_back("12 NUMERI  " + std::to_string(b) + " SESTINE");
    return Captions(captions);
}

void CheckEveryControl(const QWidget& window) {
    QCOMPARE(window.windowTitle(), QString("Fortunara"));
    const auto* tabs = Child<QTabWidget>(window, "SSTab1");
    QCOMPARE(tabs->tabText(0), QString("Sistemi Presenti"));
    QCOMPARE(tabs->tabText(1), QString("Nuovo Sistema"));
    const std::vector<std::pair<const char*, const char*>> buttons = {{"CommandButton2", "RIDUZIONE GENERALE"},
                                                                      {"CommandButton1", "ESCI"},
                                                                      {"CommandButton24", "NUMERI"},
                                                                      {"CommandButton25", "COMMENTO"},
                                                                      {"CommandButton23", "CORREGGE"},
                                                                      {"CommandButton22", "RIDUZIONE GENERALE"},
                                                                      {"CommandButton21", "ESCI"},
                                                                      {"Precedenti", "PRECEDENTI"},
                                                                      {"Altri", "ALTRI"}};
    for (const auto& [name, caption] : buttons) QCOMPARE(Child<QPushButton>(window, name)->text(), QString(caption));
    const std::vector<std::pair<const char*, const char*>> labels = {{"Label1", "SISTEMI PRESENTI"},
                                                                     {"Label2", "LISTA"},
                                                                     {"Label3", "NUOVA MATRICE DI SISTEMA"},
                                                                     {"Label5", "BOLLETTE"}};
    for (const auto& [name, text] : labels) QCOMPARE(Child<QLabel>(window, name)->text(), QString(text));
    QCOMPARE(Child<QGroupBox>(window, "Frame4")->title(), QString("Quantità Numeri"));
    QCOMPARE(Child<QGroupBox>(window, "Frame5")->title(), QString("Quantità Bollette"));
    for (const char* name : {"Frame1", "Frame12", "Frame3", "Frame2", "List2", "Pagina"}) Child<QWidget>(window, name);
    QCOMPARE(Child<QLineEdit>(window, "TextBox1")->text(), QString());
    QCOMPARE(Child<QLineEdit>(window, "TextBox2")->text(), QString());
    const QStringList types = {"-- Terzine", "Quartine --",    "-- Cinquine", "Sestine  --",
                               "-- Settine", "Ottine      --", "-- Novine",   "Decine   --"};
    for (int i = 0; i < 8; ++i) {
        const auto* option = Child<QRadioButton>(window, QString("OptionButton1(%1)").arg(i));
        QCOMPARE(option->text(), types[i]);
        QCOMPARE(option->isChecked(), i == 3);
    }
    const auto* quantities = Child<QListWidget>(window, "List1");
    QCOMPARE(quantities->count(), 90);
    QCOMPARE(quantities->item(0)->text(), QString("1"));
    QCOMPARE(quantities->item(89)->text(), QString("90"));
    QCOMPARE(MatrixCaptions(window), Captions({}));
}

}  // namespace

void ArchivioLibraryTest::opensFromTheMainWindowOnTheBundledLibrary() {
    StartedProgram program(MadeUpArchive(30));
    std::filesystem::copy(Assets() / "matrion", program.folder.path() / "matrion",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    bool looked = false;
    QString opened;
    program.fakes.modal.Expect([&](QWidget& window) {
        QCOMPARE(window.objectName(), QString("Archivio"));
        CheckEveryControl(window);
        // The starter library's ten-number systems: the four guarantees, the three reductions, then
        // the optimized matrices.
        ClickQuantity(window, 10);
        QCOMPARE(
            MatrixCaptions(window),
            Captions({"10 NUMERI  15 SESTINE", "10 NUMERI  35 SESTINE", "10 NUMERI  70 SESTINE",
                      "10 NUMERI  126 SESTINE", "10 NUMERI  18 SESTINE", "10 NUMERI  5 SESTINE", "10 NUMERI  2 SESTINE",
                      "10 NUMERI  4 SESTINE", "10 NUMERI  10 SESTINE", "10 NUMERI  20 SESTINE", "10 NUMERI  50 SESTINE",
                      "10 NUMERI  7 SESTINE", "10 NUMERI  14 SESTINE"}));
        // A matrix button opens the program's check window on its matrix.
        QPushButton* first = Child<QPushButton>(window, "CommandButton3(0)");
        QCOMPARE(first->toolTip(), QString("10N01506.SIS"));
        program.fakes.modal.Expect([&](QWidget& presenti) {
            QCOMPARE(presenti.objectName(), QString("Presenti"));
            QCOMPARE(program.state.SelectedMatrixFile, std::string("10N01506.SIS"));
        });
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(program.fakes.modal.opened(), 2);
        // Both "RIDUZIONE GENERALE" open the program's system window.
        program.fakes.modal.Expect([&](QWidget& sistemi) { opened = sistemi.objectName(); });
        QTest::mouseClick(Child<QPushButton>(window, "CommandButton22"), Qt::LeftButton);
        looked = true;
    });
    program.window->Tabella()->setCurrentIndex(4);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton6"), Qt::LeftButton);
    QVERIFY(looked);
    QCOMPARE(program.fakes.modal.opened(), 3);
    QCOMPARE(opened, QString("Sistemi"));
}

void ArchivioLibraryTest::buttonsPageThroughMoreThanSixteen() {
    ArchivioBench bench(IndexOf(TwentyOfTwelve()));
    QLabel* page = bench.Find<QLabel>("Pagina");

    ClickQuantity(*bench.window, 7);
    QCOMPARE(MatrixCaptions(*bench.window), Captions({"07 NUMERI  8 SESTINE"}));
    QVERIFY(!bench.MatrixButton(1)->isEnabled());  // a blank button opens nothing
    QVERIFY(!bench.Button("Precedenti")->isEnabled());
    QVERIFY(!bench.Button("Altri")->isEnabled());
    QCOMPARE(page->text(), QString());

    ClickQuantity(*bench.window, 12);
    QCOMPARE(MatrixCaptions(*bench.window), TwelveCaptions(1, 16));
    QCOMPARE(page->text(), QString("PAGINA 1 DI 2: SISTEMI DA 1 A 16 DI 20"));
    QVERIFY(!bench.Button("Precedenti")->isEnabled());
    bench.Click("Altri");
    QCOMPARE(MatrixCaptions(*bench.window), TwelveCaptions(17, 20));
    QCOMPARE(page->text(), QString("PAGINA 2 DI 2: SISTEMI DA 17 A 20 DI 20"));
    QVERIFY(!bench.Button("Altri")->isEnabled());
    QVERIFY(!bench.MatrixButton(4)->isEnabled());
    QCOMPARE(bench.MatrixButton(3)->toolTip(), QString("12N02006.SIS"));
    bench.Click("Precedenti");
    QCOMPARE(MatrixCaptions(*bench.window), TwelveCaptions(1, 16));

    // A new quantity starts on its first page; one without matrices leaves every button blank.
    bench.Click("Altri");
    ClickQuantity(*bench.window, 13);
    QCOMPARE(MatrixCaptions(*bench.window), Captions({}));
    QVERIFY(!bench.Button("Altri")->isEnabled());
    QVERIFY(bench.fakes.dialogs.questions().empty());

    bench.window->show();
    bench.Click("CommandButton1");
    QVERIFY(!bench.window->isVisible());
}

void ArchivioLibraryTest::aMatrixButtonOpensTheCheckWindowOnItsMatrix() {
    std::vector<std::string> seen;
    ArchivioOpeners openers;
    ProgramState* shared = nullptr;
    openers.Presenti = [&seen, &shared](QWidget*) -> QWidget* {
        seen.push_back(shared->SelectedMatrixFile);
        return nullptr;
    };
    ArchivioBench bench(IndexOf(TwentyOfTwelve()), openers);
    shared = &bench.state;
    ClickQuantity(*bench.window, 12);
    QCOMPARE(bench.MatrixButton(2)->toolTip(), QString("12N00306.SIS"));
    QTest::mouseClick(bench.MatrixButton(2), Qt::LeftButton);
    bench.Click("Altri");
    QTest::mouseClick(bench.MatrixButton(0), Qt::LeftButton);
    QTest::mouseClick(bench.MatrixButton(5), Qt::LeftButton);  // blank
    QCOMPARE(seen, (std::vector<std::string>{"12N00306.SIS", "12N01706.SIS"}));
    QCOMPARE(bench.state.SelectedMatrixFile, std::string());
}

}  // namespace fortunara::test
