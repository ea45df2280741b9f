#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "checks/windows/presenti.h"
#include "tests/checks/windows/checks_window_tests.h"
#include "tests/matrices/windows/archivio_bench.h"
#include "tests/windows/started_program.h"

namespace fortunara::test {

namespace {

namespace fs = std::filesystem;

const char kTwoOfTen[] = "10N00206.SIS";  // 1 2 3 4 5 6 and 1 2 7 8 9 10

void CopyLibrary(const TempFolder& folder) {
    fs::copy(Assets() / "matrion", folder.path() / "matrion",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void Click(const QWidget& window, const char* name) {
    QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

QString LabelText(const QWidget& window, const char* name) {
    return Child<QLabel>(window, name)->text();
}

void CheckEveryControl(const QWidget& window) {
    QCOMPARE(window.windowTitle(), QString("Fortunara"));
    const std::pair<const char*, const char*> buttons[] = {
        {"CommandButton1", "SISTEMA"},   {"CommandButton2", "CARICA"},   {"CommandButton3", "SALVA"},
        {"CommandButton6", "CONTROLLO"}, {"CommandButton7", "SCHEDINE"}, {"CommandButton4", "ESCI"}};
    for (const auto& [name, caption] : buttons) QCOMPARE(Child<QPushButton>(window, name)->text(), QString(caption));
    QCOMPARE(Child<QGroupBox>(window, "Frame1")->title(), QString("Controllo Sistema"));
    QCOMPARE(Child<QCheckBox>(window, "CheckBox1")->text(), QString("STAMPA"));
    QVERIFY(!Child<QCheckBox>(window, "CheckBox1")->isChecked());
    QCOMPARE(LabelText(window, "TitoloSistema"), QString("SISTEMA"));
    QCOMPARE(LabelText(window, "TitoloNumeri"), QString("NUMERI DEL SISTEMA"));
    for (const char* name : {"Label1", "Label22"}) QCOMPARE(LabelText(window, name), QString());
    QCOMPARE(Child<QListWidget>(window, "List1")->count(), 0);
    QVERIFY(Child<QPushButton>(window, "CommandButton7")->isEnabled());
}

// Everything the program folder's fakes and state need to open Presenti on its own.
struct PresentiBench {
    TempFolder folder;
    ProgramState state;
    FakePlatform fakes;
    Platform platform = fakes.platform();
    std::unique_ptr<Presenti> window;

    PresentiBench() {
        folder.WriteArchive(MadeUpArchive(12));
        CopyLibrary(folder);
        state.programFolder = folder.path();
        state.RecordCount = 12;
        state.ClickSoundOn = 0;
        state.SelectedMatrixFile = kTwoOfTen;
    }
    void Open() { window = std::make_unique<Presenti>(state, platform); }
    QListWidget& List() const { return *Child<QListWidget>(*window, "List1"); }
    void Answer(const std::vector<std::string>& answers) {
        for (const std::string& answer : answers) fakes.dialogs.AnswerText(answer);
    }
};

std::vector<std::string> TenComments(std::vector<std::string> first) {
    first.resize(10);
    return first;
}

std::vector<std::string> Joined(std::vector<std::string> lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

}  // namespace

void PresentiTest::opensFromArchivioAndAppliesTheMatrixToTypedNumbers() {
    StartedProgram program(MadeUpArchive(30));
    CopyLibrary(program.folder);
    bool looked = false;
    program.fakes.modal.Expect([&](QWidget& archivio) {
        ClickQuantity(archivio, 10);
        QCOMPARE(Child<QPushButton>(archivio, "CommandButton3(6)")->text(), QString("10 NUMERI  2 SESTINE"));
        program.fakes.modal.Expect([&](QWidget& presenti) {
            QCOMPARE(presenti.objectName(), QString("Presenti"));
            CheckEveryControl(presenti);
            QCOMPARE(program.state.SelectedMatrixFile, std::string(kTwoOfTen));
            QCOMPARE(program.state.OpenedFromList, 0);
            // The newest draw is the draw to check against.
            const auto* bar = Child<QScrollBar>(presenti, "HScroll1");
            QCOMPARE(bar->maximum(), 30);
            QCOMPARE(bar->value(), 30);
            QCOMPARE(LabelText(presenti, "Label2").toStdString(), MadeUpRecord(30).substr(0, 9));

            // 91 and a repeated 3 are said and asked again.
            auto& dialogs = program.fakes.dialogs;
            dialogs.AnswerText("91");
            dialogs.Answer(DialogAnswer::Ok);
            for (const char* answer : {"1", "2", "3", "3"}) dialogs.AnswerText(answer);
            dialogs.Answer(DialogAnswer::Ok);
            for (const char* answer : {"4", "5", "6", "7", "8", "9", "10"}) dialogs.AnswerText(answer);
            Click(presenti, "CommandButton1");
            QCOMPARE(dialogs.pending(), std::size_t{0});
            QCOMPARE(dialogs.MessageTexts(), (std::vector<std::string>{"I NUMERI DEVONO ESSERE DA 1 A 90",
                                                                       "IL NUMERO 3 C'E' GIA' NEL SISTEMA"}));
            const DialogQuestion& prompt = dialogs.questions().front();
            QCOMPARE(prompt.text, std::string("IMMETTI I NUMERI "));
            QCOMPARE(prompt.title, std::string());
            QCOMPARE(prompt.leftTwips, 20);
            QCOMPARE(prompt.topTwips, 20);
            QCOMPARE(LabelText(presenti, "Label22"), QString("IMMETTI  10 NUMERI DA GIOCARE"));
            QCOMPARE(LabelText(presenti, "Label1"),
                     QString(" NUMERI DEL SISTEMA\n1 - 2 - 3 - 4 - 5 - 6 - 7 - 8 - 9 - 10 - "));
            // Position p is number p.
            QCOMPARE(
                Texts(*Child<QListWidget>(presenti, "List1")),
                Joined({"", "    1    2    3    4    5    6    ", "    1    2    7    8    9   10    ", ""},
                       TenComments({" SISTEMA DI 10 NUMERI IN  2 SESTINE", std::string(80, '-'), " RIDOTTO     n - 3",
                                    "DALL'INTEGRALE: OGNI SESTINA HA AL PIU' 2 NUMERI IN COMUNE CON LE ALTRE",
                                    "NUMERI ESTRATTI FRA I 10 GIOCATI E SORTE GARANTITA:", " 2 ESTRATTI: NESSUNA",
                                    " 3 ESTRATTI: AMBO", " 4 ESTRATTI: AMBO", " 5 ESTRATTI: TERNO",
                                    " 6 ESTRATTI: TERNO"})));
            QCOMPARE(program.state.TicketNumbers, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 1, 2, 7, 8, 9, 10}));
            QCOMPARE(program.state.TicketCount, 2);
            QCOMPARE(program.state.TicketSize, 6);

            // On to the program's win check, with the system just made.
            program.fakes.modal.Expect([&](QWidget& controllo) {
                QCOMPARE(controllo.objectName(), QString("Controllo"));
                Click(controllo, "CommandButton2");
                QCOMPARE(LabelText(controllo, "Label3").toInt() + LabelText(controllo, "Label4").toInt() +
                             LabelText(controllo, "Label5").toInt() + LabelText(controllo, "Label16").toInt() +
                             LabelText(controllo, "Label15").toInt(),
                         Child<QListWidget>(controllo, "List1")->count());
            });
            Click(presenti, "CommandButton6");

            // And to the program's slip window on the same system, whatever the system window left.
            program.state.SlipSource = 99;
            program.fakes.modal.Expect([&](QWidget& slips) {
                QCOMPARE(slips.objectName(), QString("Schedine"));
                QCOMPARE(program.state.SlipSource, 0);
                QCOMPARE(Child<QLineEdit>(slips, "Text4")->text(), QString("2"));
                dialogs.Answer(DialogAnswer::Yes);
                dialogs.Answer(DialogAnswer::No);
                Click(slips, "CommandButton3");
                QCOMPARE(program.fakes.printer.jobs.size(), std::size_t{1});
                QCOMPARE(program.fakes.printer.jobs[0].pages.at(0).marks.size(), std::size_t{12});
            });
            Click(presenti, "CommandButton7");
            looked = true;
        });
        Click(archivio, "CommandButton3(6)");
        QCOMPARE(program.state.SelectedMatrixFile, std::string());
    });
    program.window->Tabella()->setCurrentIndex(4);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton6"), Qt::LeftButton);
    QVERIFY(looked);
    QCOMPARE(program.fakes.modal.opened(), 4);
}

void PresentiTest::opensFromTheMatrixListWithTheForecastNumbers() {
    StartedProgram program(MadeUpArchive(30));
    CopyLibrary(program.folder);
    program.window->Tabella()->setCurrentIndex(5);
    program.Find<QLineEdit>("Textbox1")->setText("12");
    QTest::mouseClick(program.Find<QPushButton>("CommandButton10"), Qt::LeftButton);  // PREVISIONE
    // A number search in between (1 and 33 marked, 33 found in the newest draw) is no part of
    // what the list hands on.
    program.window->Tabella()->setCurrentIndex(1);
    for (const int n : {1, 33}) PressOn(program.Find<QWidget>(QString("Numero(%1)").arg(n - 1)));
    ReleaseOn(program.Find<QWidget>("Animazione_Cerca"));
    QVERIFY(program.state.SearchHitCount > 0);
    program.window->Tabella()->setCurrentIndex(5);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton11"), Qt::LeftButton);  // SISTEMI
    QListWidget* list = program.Find<QListWidget>("List6");
    QCOMPARE(list->item(0)->text(), QString("12 NUMERI  28 SESTINE"));

    // The forecast numbers, ascending, take the places of positions 1 to 12.
    std::vector<int> forecast(program.state.ForecastNumbers.begin() + 1, program.state.ForecastNumbers.begin() + 13);
    QVERIFY(std::is_sorted(forecast.begin(), forecast.end()) && forecast.front() > 0);
    const MatrixRead matrix = ReadMatrixFile(program.folder.path(), "12N02806.SIS");
    std::vector<int> expected = {0};
    for (const int p : matrix.data.numbers) expected.push_back(forecast[static_cast<std::size_t>(p - 1)]);
    QString numbers;
    for (const int n : forecast) numbers += QString(" %1 - ").arg(n);

    bool looked = false;
    program.fakes.modal.Expect([&](QWidget& presenti) {
        QCOMPARE(program.state.OpenedFromList, 1);
        QCOMPARE(LabelText(presenti, "Label1"), numbers);
        QCOMPARE(LabelText(presenti, "Label22"), QString("IMMETTI  12 NUMERI DA GIOCARE"));
        QCOMPARE(program.state.TicketNumbers, expected);
        QCOMPARE(program.state.TicketCount, 28);
        const std::vector<std::string> lines = Texts(*Child<QListWidget>(presenti, "List1"));
        QCOMPARE(lines.size(), std::size_t{2 + 28 + 1 + 10});
        QCOMPARE(lines[0], std::string());
        QCOMPARE(lines[2].size(), std::size_t{34});
        looked = true;
    });
    list->scrollToItem(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
    QVERIFY(looked);
    QCOMPARE(program.state.OpenedFromList, 0);
    QVERIFY(program.fakes.dialogs.questions().empty());
}

void PresentiTest::forecastWithTooFewNumbersIsSaid() {
    PresentiBench bench;
    bench.state.OpenedFromList = 1;
    for (const int n : {3, 14, 25, 36, 47, 58, 69, 80}) bench.state.ForecastFlags[static_cast<std::size_t>(n)] = 1;
    bench.state.TicketNumbers.assign(6001, 0);
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    bench.Open();
    QCOMPARE(bench.fakes.dialogs.MessageTexts(),
             std::vector<std::string>{"LA MATRICE 10N00206.SIS VUOLE 10 NUMERI: LA PREVISIONE NE HA 8"});
    QCOMPARE(bench.fakes.dialogs.questions().back().title, std::string("ATTENZIONE !!!"));
    QCOMPARE(bench.List().count(), 0);
    QCOMPARE(bench.state.TicketCount, 0);
    QCOMPARE(bench.state.TicketNumbers, std::vector<int>{0});
}

void PresentiTest::loadPrintSaveAndTheStopOfSistema() {
    PresentiBench bench;
    MatrixData played;
    played.numberCount = 8;
    played.comboCount = 2;
    played.comboSize = 6;
    played.numbers = {5, 12, 33, 40, 61, 88, 1, 2, 3, 4, 5, 6};
    played.comments[0] = "GIOCO DI PROVA";
    const fs::path file = bench.folder.path() / "GIOCO.SSI";
    QVERIFY(WriteSystemFile(file, played).ok());
    bench.Open();
    QCheckBox* print = Child<QCheckBox>(*bench.window, "CheckBox1");

    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(bench.state.PrintMode, 1);
    bench.Answer({file.string()});
    Click(*bench.window, "CommandButton2");
    const std::vector<std::string> listed =
        Joined({"", "", "    5   12   33   40   61   88    ", "", "    1    2    3    4    5    6    ", "", ""},
               TenComments({"GIOCO DI PROVA"}));
    QCOMPARE(Texts(bench.List()), listed);
    // The load's listing is one job, ended with the load.
    QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{1});
    QCOMPARE(bench.fakes.printer.AllLines(),
             (std::vector<std::string>{"", "    5   12   33   40   61   88", "    1    2    3    4    5    6"}));
    QCOMPARE(bench.state.TicketCount, 2);
    QCOMPARE(bench.state.SystemNumberCount, 8);

    // "SALVA" right after "CARICA" writes the same file; a cancelled "CARICA" changes nothing.
    bench.Answer({(bench.folder.path() / "COPIA.SSI").string(), "*.SSI"});
    Click(*bench.window, "CommandButton3");
    QCOMPARE(bench.folder.ReadFile("COPIA.SSI"), bench.folder.ReadFile("GIOCO.SSI"));
    Click(*bench.window, "CommandButton2");
    QCOMPARE(Texts(bench.List()), listed);

    // "STAMPA" clicked twice leaves printing off.
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(bench.state.PrintMode, 0);
    QVERIFY(!print->isChecked());

    // An empty answer stops "SISTEMA": nothing listed, no combination left in the system.
    bench.Answer({"5", ""});
    Click(*bench.window, "CommandButton1");
    QCOMPARE(bench.List().count(), 0);
    QCOMPARE(LabelText(*bench.window, "Label1"), QString(" NUMERI DEL SISTEMA\n5 - "));
    QCOMPARE(bench.state.TicketCount, 0);
    QCOMPARE(bench.state.TicketNumbers, std::vector<int>{0});
    QCOMPARE(bench.state.CurrentMatrixName, std::string("\r\n"));

    // A whole "SISTEMA" prints its listing as one job and switches printing off, box included.
    QTest::mouseClick(print, Qt::LeftButton);
    bench.Answer({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    Click(*bench.window, "CommandButton1");
    QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{2});
    QCOMPARE(bench.fakes.printer.AllLines(),
             (std::vector<std::string>{"", "    1    2    3    4    5    6", "    1    2    7    8    9   10"}));
    QCOMPARE(bench.state.PrintMode, 0);
    QVERIFY(!print->isChecked());
    QVERIFY(bench.fakes.dialogs.unexpected().empty());
}

void PresentiTest::damagedFilesAreSaidAndNeverSavedOver() {
    PresentiBench bench;
    auto& dialogs = bench.fakes.dialogs;
    const auto quoted = [](const std::vector<std::string>& fields) {
        std::string file;
        for (const std::string& field : fields) file += "\"" + field + "\"\r\n";
        return file;
    };
    bench.folder.WriteFile("matrion/07N00306.SIS", quoted({"7", "-3", "6", "", "", "", "", "", "", "", "", "", ""}));
    bench.folder.WriteFile("DIECI.SSI", quoted({"6", "1", "6", "1", "2", "3", "4", "5", "6", "C1", "C2", "C3", "C4",
                                                "C5", "C6", "C7", "C8", "C9", "C10"}));
    bench.folder.WriteFile("DOPPIO.SSI", quoted({"6", "1", "6", "12", "12", "25", "27", "28", "39", "UNO", "DUE"}));
    const std::string cut = quoted({"6", "1", "6", "1", "2", "3", "4", "5", "6", std::string(kLongestLine, 'L')});
    bench.folder.WriteFile("LUNGO.SSI", cut);
    bench.state.SelectedMatrixFile = "07N00306.SIS";
    bench.Open();

    // A matrix without combinations is said and not applied: no number is asked for.
    dialogs.Answer(DialogAnswer::Ok);
    Click(*bench.window, "CommandButton1");
    QCOMPARE(dialogs.MessageTexts().back(), std::string("IL FILE 07N00306.SIS NON HA COMBINAZIONI: NE DICE -3"));
    QCOMPARE(bench.List().count(), 0);

    // A load replaces all ten comment lines; a number twice in a ticket is said.
    const std::string initial = (bench.folder.path() / "*.SSI").string();
    bench.Answer({"DIECI.SSI"});
    Click(*bench.window, "CommandButton2");
    QCOMPARE(dialogs.questions().back().initial, initial);  // the program folder, not the current one
    QCOMPARE(bench.state.CommentLines[10], std::string("C10"));
    bench.Answer({"DOPPIO.SSI"});
    dialogs.Answer(DialogAnswer::Ok);
    Click(*bench.window, "CommandButton2");
    QCOMPARE(dialogs.MessageTexts().back(),
             std::string("IL FILE DOPPIO.SSI HA IL NUMERO 12 DUE VOLTE NELLA COMBINAZIONE 1: CONTA UNA VOLTA SOLA"));
    QCOMPARE(std::vector<std::string>(bench.state.CommentLines.begin() + 1, bench.state.CommentLines.begin() + 11),
             TenComments({"UNO", "DUE"}));

    // A file cut on reading is never saved over with what was read of it.
    bench.Answer({"LUNGO.SSI"});
    dialogs.Answer(DialogAnswer::Ok);
    Click(*bench.window, "CommandButton2");
    QCOMPARE(dialogs.MessageTexts().back(),
             std::string("IL FILE LUNGO.SSI E' TROPPO LUNGO: LETTO FINO A 4096 CARATTERI PER RIGA"));
    bench.Answer({"LUNGO.SSI"});
    dialogs.Answer(DialogAnswer::Ok);
    Click(*bench.window, "CommandButton3");
    QCOMPARE(dialogs.questions().back().title, std::string("ATTENZIONE !!!"));
    QVERIFY(dialogs.MessageTexts().back().starts_with("IL FILE LUNGO.SSI E' PIU' LUNGO DI QUANTO IL PROGRAMMA LEGGE"));
    QCOMPARE(bench.folder.ReadFile("LUNGO.SSI"), cut);
    QVERIFY(dialogs.unexpected().empty());
}

void PresentiTest::loadShowsTheLoadedSystem() {
    PresentiBench bench;
    const fs::path file = bench.folder.path() / "GIOCO.SSI";
    const MatrixData seven{
        .numberCount = 7, .comboCount = 2, .comboSize = 6, .numbers = {5, 12, 33, 40, 61, 88, 88, 5, 12, 33, 40, 9}};
    QVERIFY(WriteSystemFile(file, seven).ok());
    bench.Open();
    bench.Answer({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    Click(*bench.window, "CommandButton1");
    QCOMPARE(LabelText(*bench.window, "Label22"), QString("IMMETTI  10 NUMERI DA GIOCARE"));

    // The prompt and the numbers follow the system loaded, not the matrix typed before it.
    bench.Answer({file.string()});
    Click(*bench.window, "CommandButton2");
    QCOMPARE(LabelText(*bench.window, "Label22"), QString("IMMETTI  7 NUMERI DA GIOCARE"));
    QCOMPARE(LabelText(*bench.window, "Label1"), QString(" NUMERI DEL SISTEMA\n5 - 9 - 12 - 33 - 40 - 61 - 88 - "));
}

}  // namespace fortunara::test
