#include <QDialog>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "systems/windows/garanzie.h"
#include "tests/systems/windows/sistemi_fixture.h"
#include "tests/systems/windows/sistemi_tests.h"

namespace fortunara::test {

namespace {

const std::string kHyphens(80, '-');

MatrixData TwoCombinationSystem() {
    MatrixData data;
    data.numberCount = 8;
    data.comboCount = 2;
    data.comboSize = 6;
    data.numbers = {5, 12, 33, 40, 41, 90, 1, 2, 3, 4, 5, 6};
    for (std::size_t i = 0; i < data.comments.size(); ++i) data.comments[i] = "COMMENTO " + std::to_string(i + 1);
    return data;
}

}  // namespace

void SistemiOutputTest::savedTernoBecomesAMatrixOfTheLibrary() {
    SistemiBench bench;
    bench.EnterRange(1, 10);
    bench.ChooseGuarantee(2);
    QVERIFY(bench.Develop());
    bench.fakes.dialogs.Answer(DialogAnswer::Yes);
    bench.window->CommandButton3->click();

    const DialogQuestion& question = bench.fakes.dialogs.questions().back();
    QCOMPARE(question.text, std::string("PUOI SALVARLO COME MATRICE PREDEFINITA !!"));
    QCOMPARE(question.title, std::string("ATTENZIONE!!"));
    QCOMPARE(question.buttons, DialogButtons::YesNo);
    QCOMPARE(question.icon, DialogIcon::Warning);
    QCOMPARE(bench.state.CurrentMatrixName, std::string("10N03506.SIS"));
    QCOMPARE(ReadMatrixIndex(bench.folder.path()).Entries(), std::vector<std::string>{"10N03506.SIS"});
    const MatrixRead matrix = ReadMatrixFile(bench.folder.path(), "10N03506.SIS");
    QVERIFY(matrix.complete);
    QCOMPARE(matrix.data.comboCount, 35);
    QCOMPARE(matrix.data.comments[0], std::string(" SISTEMA DI 10 NUMERI IN  35 "));
    QCOMPARE(matrix.data.comments[2], std::string("GARANZIA DEL TERNO"));
    QCOMPARE(std::vector<int>(matrix.data.numbers.begin(), matrix.data.numbers.begin() + 6),
             (std::vector<int>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(bench.state.TicketNumbers.size(), std::size_t{6 * 35 + 1});
    // The next "NUMERI" starts its label with the new matrix name.
    bench.EnterNumbers({1});
    QCOMPARE(bench.window->Label1->text(), QString("10N03506.SIS NUMERI    :   1   "));
}

void SistemiOutputTest::fullIndexOffersThePlayedSystem() {
    SistemiBench bench;
    std::string full = "\"\"\r\n";
    for (int i = 1; i <= 499; ++i) full += "\"M" + std::to_string(i) + ".SIS\"\r\n";
    bench.folder.WriteFile("matrion/SISTEMI.TXT", full + "\"STOP\"\r\n");
    bench.EnterRange(1, 10);
    QVERIFY(bench.Develop());
    const std::string file = (bench.folder.path() / "GIOCATO.SSI").string();
    bench.fakes.dialogs.Answer(DialogAnswer::Yes);
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    bench.fakes.dialogs.AnswerText(file);
    bench.window->CommandButton3->click();

    QCOMPARE(bench.fakes.dialogs.MessageTexts().back(),
             std::string("L'ELENCO DELLE MATRICI E' PIENO: NON SI POSSONO REGISTRARE PIU' DI 499 MATRICI: SALVALO "
                         "COME SISTEMA"));
    QCOMPARE(bench.fakes.dialogs.questions().back().kind, DialogKind::SaveFile);
    QVERIFY(!std::filesystem::exists(bench.folder.path() / "matrion" / "10N21006.SIS"));
    QVERIFY(ReadSystemFile(file).complete);
}

void SistemiOutputTest::integralSavedAsPlayedSystem() {
    SistemiBench bench;
    bench.EnterNumbers({1, 2, 3, 5, 6, 7});
    QVERIFY(bench.Develop());
    const std::string file = (bench.folder.path() / "GIOCATO.SSI").string();
    bench.fakes.dialogs.AnswerText(file);
    bench.window->CommandButton3->click();

    // No run of consecutive numbers: no question, the save dialog at once.
    QCOMPARE(bench.fakes.dialogs.questions().back().kind, DialogKind::SaveFile);
    // The dialog opens in the program folder, whatever the process's current folder.
    QCOMPARE(bench.fakes.dialogs.questions().back().initial, (bench.folder.path() / "*.SSI").string());
    QVERIFY(bench.fakes.dialogs.MessageTexts().empty());
    const MatrixRead played = ReadSystemFile(file);
    QVERIFY(played.complete);
    QCOMPARE(played.data.numberCount, 6);
    QCOMPARE(played.data.comboCount, 1);
    QCOMPARE(played.data.numbers, (std::vector<int>{1, 2, 3, 5, 6, 7}));
    QCOMPARE(played.data.comments[0], std::string(" SISTEMA DI 6 NUMERI IN  1 SESTINE"));
    QCOMPARE(played.data.comments[2], std::string(" RIDOTTO     n - 0"));
    QCOMPARE(played.data.comments[3], std::string(" SISTEMA INTEGRALE "));
    QCOMPARE(played.data.comments[4], kHyphens);
    // Every line of a played-system file is quoted.
    QVERIFY(bench.folder.ReadFile("GIOCATO.SSI").starts_with("\"6\"\r\n\"1\"\r\n\"6\"\r\n\"1\"\r\n"));
}

void SistemiOutputTest::cancelledSaveDialogWritesNothing() {
    SistemiBench bench;
    bench.EnterRange(5, 14);
    QVERIFY(bench.Develop());
    bench.fakes.dialogs.Answer(DialogAnswer::No);  // a run not starting at 1 is offered as a matrix too
    bench.fakes.dialogs.AnswerText("*.SSI");
    bench.window->CommandButton3->click();
    QCOMPARE(bench.fakes.dialogs.pending(), std::size_t{0});
    QCOMPARE(ReadMatrixIndex(bench.folder.path()).Entries(), std::vector<std::string>{});
    QVERIFY(!std::filesystem::exists(bench.folder.path() / "*.SSI"));
}

void SistemiOutputTest::loadFillsTheGridAndTheList() {
    SistemiBench bench;
    const std::filesystem::path file = bench.folder.path() / "DUE.SSI";
    QVERIFY(WriteSystemFile(file, TwoCombinationSystem()).ok());
    QAbstractItemModelTester tester(bench.window->Grid1->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    bench.window->CheckBox1->setChecked(true);
    bench.fakes.dialogs.AnswerText(file.string());
    bench.window->CommandButton2->click();

    QCOMPARE(bench.fakes.dialogs.questions().back().kind, DialogKind::OpenFile);
    QCOMPARE(bench.window->GridModel().Rows(), 2);
    QCOMPARE(bench.GridRow(1), (std::vector<QString>{"1", " 5", " 12", " 33", " 40", " 41", " 90"}));
    QCOMPARE(bench.Cell(2, 6), QString(" 6"));
    QCOMPARE(bench.state.TicketCount, 2);
    QCOMPARE(bench.state.TicketSize, 6);
    QCOMPARE(bench.state.SystemNumberCount, 8);
    QCOMPARE(bench.state.TicketNumbers, (std::vector<int>{0, 5, 12, 33, 40, 41, 90, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(bench.window->List1->count(), 11);
    QCOMPARE(bench.window->List1->item(0)->text(), QString());
    QCOMPARE(bench.window->List1->item(10)->text(), QString("COMMENTO 10"));
    QCOMPARE(bench.state.CommentLines[1], std::string("COMMENTO 1"));
    QCOMPARE(bench.state.PrintMode, 0);
    QCOMPARE(bench.fakes.printer.AllLines(),
             (std::vector<std::string>{"", "    5   12   33   40   41   90", "    1    2    3    4    5    6"}));
}

void SistemiOutputTest::loadOfAFileTooLongSaysWhereItStopped() {
    SistemiBench bench;
    // 300006 numbers in combinations of seven: the readers take 300000, the largest system the
    // program makes. No writer of the program writes such a file.
    std::string text = "\"90\"\r\n\"42858\"\r\n\"7\"\r\n";
    for (int i = 0; i < 42858 * 7; ++i) text += "\"" + std::to_string(1 + i % 90) + "\"\r\n";
    bench.folder.WriteFile("GRANDE.SSI", text);
    bench.fakes.dialogs.AnswerText((bench.folder.path() / "GRANDE.SSI").string());
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    bench.window->CommandButton2->click();

    const DialogQuestion& message = bench.fakes.dialogs.questions().back();
    QCOMPARE(message.kind, DialogKind::Message);
    QCOMPARE(message.text, std::string("IL FILE GRANDE.SSI E' TROPPO LUNGO: LETTO FINO A 300000 NUMERI"));
    QCOMPARE(message.title, std::string("ATTENZIONE!!"));
    QCOMPARE(bench.state.TicketCount, 300000 / 7);
    QCOMPARE(bench.window->GridModel().Rows(), 300000 / 7 + 1);  // the last row holds one number
    QCOMPARE(bench.Cell(300000 / 7 + 1, 1), QString(" 30"));
}

void SistemiOutputTest::saveAfterLoadSavesTheDevelopment() {
    SistemiBench bench;
    bench.EnterNumbers({1, 2, 3, 5, 6, 7, 9});
    QVERIFY(bench.Develop());
    const std::filesystem::path loaded = bench.folder.path() / "DUE.SSI";
    QVERIFY(WriteSystemFile(loaded, TwoCombinationSystem()).ok());
    bench.fakes.dialogs.AnswerText(loaded.string());
    bench.window->CommandButton2->click();
    QCOMPARE(bench.state.SystemComboCount, 2);

    const std::string saved = (bench.folder.path() / "SETTE.SSI").string();
    bench.fakes.dialogs.AnswerText(saved);
    bench.window->CommandButton3->click();
    const MatrixRead played = ReadSystemFile(saved);
    QVERIFY(played.complete);
    QCOMPARE(played.data.comboCount, 7);
    QCOMPARE(std::vector<int>(played.data.numbers.end() - 6, played.data.numbers.end()),
             (std::vector<int>{2, 3, 5, 6, 7, 9}));
}

void SistemiOutputTest::checkAndSlipsReceiveTheSystem() {
    std::vector<int> handedNumbers;
    int handedSize = 0;
    int handedCount = 0;
    int slipSource = 0;
    CombinationSource slipGrid;
    SistemiBench* open = nullptr;
    // Stand-ins for the check and slip windows: they note what they are handed.
    SistemiOpeners openers;
    openers.Controllo = [&](QWidget* parent) {
        handedNumbers = open->state.TicketNumbers;
        handedSize = open->state.TicketSize;
        handedCount = open->state.TicketCount;
        return new QDialog(parent);
    };
    openers.Schedine = [&](QWidget* parent, CombinationSource grid) {
        slipSource = open->state.SlipSource;
        slipGrid = std::move(grid);
        return new QDialog(parent);
    };
    SistemiBench bench(openers);
    open = &bench;
    for (int k = 0; k < 3; ++k) bench.fakes.modal.Expect([](QWidget&) {});
    QVERIFY(bench.window->CommandButton6->isEnabled());
    // The system the check window built last is not this window's: with an empty grid no ticket.
    bench.state.TicketCount = 35;
    bench.state.SystemComboSize = 6;
    bench.state.TicketNumbers.assign(1 + 35 * 6, 7);
    bench.window->CommandButton6->click();
    QCOMPARE(handedCount, 0);
    QCOMPARE(handedNumbers, std::vector<int>{0});

    const std::filesystem::path file = bench.folder.path() / "DUE.SSI";
    QVERIFY(WriteSystemFile(file, TwoCombinationSystem()).ok());
    bench.fakes.dialogs.AnswerText(file.string());
    bench.window->CommandButton2->click();

    bench.window->CommandButton6->click();
    QCOMPARE(handedSize, 6);
    QCOMPARE(handedCount, 2);
    QCOMPARE(handedNumbers, (std::vector<int>{0, 5, 12, 33, 40, 41, 90, 1, 2, 3, 4, 5, 6}));
    bench.window->CommandButton7->click();
    QCOMPARE(slipSource, 99);
    QVERIFY(slipGrid);
    QCOMPARE(slipGrid(1), std::optional<SlipCombination>({5, 12, 33, 40, 41, 90}));
    QCOMPARE(slipGrid(2), std::optional<SlipCombination>({1, 2, 3, 4, 5, 6}));
    QCOMPARE(slipGrid(3), std::optional<SlipCombination>());
    QCOMPARE(bench.fakes.modal.opened(), 3);
}

void SistemiOutputTest::checkRightAfterDevelopmentGetsSixNumbersPerTicket() {
    std::vector<int> handedNumbers;
    int handedSize = 0;
    int handedCount = 0;
    SistemiBench* open = nullptr;
    SistemiOpeners openers;
    openers.Controllo = [&](QWidget* parent) {
        handedNumbers = open->state.TicketNumbers;
        handedSize = open->state.TicketSize;
        handedCount = open->state.TicketCount;
        return new QDialog(parent);
    };
    SistemiBench bench(openers);
    open = &bench;
    bench.fakes.modal.Expect([](QWidget&) {});
    bench.EnterNumbers({12, 5, 77, 31, 90, 3, 44});
    QVERIFY(bench.Develop());
    bench.window->CommandButton6->click();
    QCOMPARE(handedSize, 6);
    QCOMPARE(handedCount, 7);
    QCOMPARE(handedNumbers.size(), std::size_t{1 + 7 * 6});
    // The first combination of the integral system of seven: positions 1 to 6.
    QCOMPARE(std::vector<int>(handedNumbers.begin() + 1, handedNumbers.begin() + 7),
             (std::vector<int>{12, 5, 77, 31, 90, 3}));
    QCOMPARE(std::vector<int>(handedNumbers.end() - 6, handedNumbers.end()), (std::vector<int>{5, 77, 31, 90, 3, 44}));
}

void SistemiOutputTest::optimizedSystemIsTheCurrentOneAndAMatrix() {
    SistemiBench bench;
    bench.folder.WriteFile("dati/coverings-k6.csv",
                           "v,t,schonheim_lower_bound,best_known,proven_optimal,source\n"
                           "10,3,7,10,1,https://example.org/C_10_6_3.html\n");
    const std::vector<int> entered = {3, 8, 14, 21, 27, 33, 45, 52, 58, 66};
    bench.EnterNumbers(entered);
    bench.Find<QComboBox>("EsconoOttimizza")->setCurrentIndex(1);  // 3 drawn
    bench.Find<QComboBox>("AlmenoOttimizza")->setCurrentIndex(1);  // terno
    bench.Find<QLineEdit>("SecondiOttimizza")->setText("2");
    bench.Button("Ottimizza")->click();
    QVERIFY(QTest::qWaitFor([&bench] { return !bench.window->Running(); }, 20000));

    // The result is the development now: the grid, the counts "SALVA" and "CONTROLLO" take.
    const int count = bench.state.SystemComboCount;
    QVERIFY(count >= 10);
    QCOMPARE(bench.memory.developedCount, count);
    QCOMPARE(bench.window->GridModel().Rows(), count);
    for (int c = 1; c <= 6; ++c) {
        QVERIFY(std::count(entered.begin(), entered.end(), bench.Cell(1, c).toInt()) == 1);
    }
    // Its size beside the best known one, the lower bound and their source.
    const QListWidget* list = bench.window->List1;
    QCOMPARE(list->item(0)->text(), QString("SISTEMA OTTIMIZZATO DI 10 NUMERI IN %1 BOLLETTE").arg(count));
    QVERIFY(!list->findItems("MIGLIORE NOTA 10 BOLLETTE, LIMITE INFERIORE 7", Qt::MatchExactly).isEmpty());
    QVERIFY(!list->findItems("FONTE: LA JOLLA COVERING REPOSITORY (2017)", Qt::MatchExactly).isEmpty());

    // The page "Garanzie" finds no terno missing when three of the ten are drawn.
    Garanzie* page = bench.window->TabGaranzie;
    page->Escono->setCurrentIndex(1);
    page->Almeno->setCurrentIndex(1);
    page->Buchi->click();
    QVERIFY(QTest::qWaitFor([page] { return !page->Running(); }, 20000));
    QVERIFY(page->ContoBuchi->text().startsWith("0 CASI SU 120"));

    // "MATRICE": over the positions 1 to 10, in the library, saying what it guarantees.
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    bench.Button("Matrice")->click();
    const std::string name = *MatrixFileName(10, count, 6);
    QCOMPARE(bench.fakes.dialogs.questions().back().text, "MATRICE " + name + " SALVATA NELLA LIBRERIA");
    QCOMPARE(ReadMatrixIndex(bench.folder.path()).Entries(), std::vector<std::string>{name});
    const MatrixRead matrix = ReadMatrixFile(bench.folder.path(), name);
    QVERIFY(matrix.Sound());
    QCOMPARE(matrix.data.comments[1], std::string("ALMENO UN TERNO SE ESCONO 3, 4, 5 O 6 DEI 10 NUMERI"));
    QCOMPARE(matrix.data.comments[3], std::string("MIGLIORE NOTA 10 BOLLETTE, LIMITE INFERIORE 7"));
    QVERIFY(
        std::all_of(matrix.data.numbers.begin(), matrix.data.numbers.end(), [](int n) { return n >= 1 && n <= 10; }));
}

}  // namespace fortunara::test
