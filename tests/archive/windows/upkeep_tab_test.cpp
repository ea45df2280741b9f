// Tab 6 with its prompt FORM18: a draw entered number by number and saved, replaced or appended,
// and the conversion of archivio.txt.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "archive/core/archive_lock.h"
#include "tests/archive/windows/archive_window_tests.h"
#include "tests/windows/started_program.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"

namespace fortunara::test {

namespace {

// FORM18 gets one answer: the text typed and ended by Enter.
void Type(StartedProgram& program, const QString& text, const std::function<void(QWidget&)>& check = {}) {
    program.fakes.modal.Expect([text, check](QWidget& window) {
        if (check) check(window);
        auto* box = window.findChild<QLineEdit*>("Text1");
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(box->text().isEmpty());
    });
}

void Save(StartedProgram& program, const QString& date) {
    program.Find<QLineEdit>("textbox2")->setText(date);
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Salva"));
}

QStringList Row(const DataGrid* grid) {
    QStringList texts;
    for (int c = 1; c < grid->Columns(); ++c) texts << grid->Text(1, c);
    return texts;
}

}  // namespace

void UpkeepTabTest::entryAskedAgainThenSaved() {
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    DataGrid* grid5 = program.Find<DataGrid>("Grid5");
    Type(program, "12", [](QWidget& window) {
        QCOMPARE(window.objectName(), QString("FORM18"));
        QCOMPARE(window.windowTitle(), QString("NUOVA ESTRAZIONE"));
        QCOMPARE(window.findChild<QGroupBox*>("Frame3D1")->title(),
                 QString("INSERISCI I NUOVI NUMERI ESTRATTI (un numero per volta !)"));
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QString("NUMERI :"));
        QCOMPARE(window.findChild<QPushButton*>("COMMAND3D1")->text(), QString("CANCEL"));
        QVERIFY(window.findChild<QWidget*>("Panel3D1") != nullptr);
    });
    Type(program, "91");  // above 90: asked again
    Type(program, "5");
    Type(program, "12");  // the first number again: shown, then asked again
    Type(program, "77", [grid5](QWidget&) { QCOMPARE(grid5->Text(1, 3), QString(" 12")); });
    for (const char* number : {"31", "90", "3", "44", "8"}) Type(program, number);
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Nuova"));
    QCOMPARE(program.fakes.modal.opened(), 10);
    QCOMPARE(program.fakes.modal.pending(), std::size_t{0});
    QCOMPARE(Row(grid5), QStringList({" 12", " 5", " 77", " 31", " 90", " 3", " 44", " 8"}));
    QCOMPARE(std::vector<int>(program.state.DrawNumbers.begin() + 1, program.state.DrawNumbers.begin() + 9),
             std::vector<int>({12, 5, 77, 31, 90, 3, 44, 8}));

    Save(program, "12GEN2010");
    QVERIFY(program.fakes.dialogs.questions().empty());
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), before + "12GEN201012 5773190 344 8");
    QCOMPARE(program.state.RecordCount, 31);
    QCOMPARE(program.state.CurrentDrawDate, std::string("12GEN2010"));
    for (const char* name : {"VScroll1", "VScroll3"}) {
        QCOMPARE(program.Find<QScrollBar>(name)->maximum(), 31);
        QCOMPARE(program.Find<QScrollBar>(name)->value(), 31);
    }
    QCOMPARE(program.Find<DataGrid>("grid3")->Text(1, 0), QString("12GEN2010"));
    // The single draw shows the new draw sorted.
    QCOMPARE(Row(grid5), QStringList({" 3", " 5", " 12", " 31", " 77", " 90", " 44", " 8"}));
}

void UpkeepTabTest::entryStopsOnZeroCancelAndClose() {
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    DataGrid* grid5 = program.Find<DataGrid>("Grid5");
    const QString second = grid5->Text(1, 2);
    AnimatedPicture* nuova = program.Find<AnimatedPicture>("Animazione_Nuova");
    Type(program, "12");
    Type(program, "0");
    ReleaseOn(nuova);
    QCOMPARE(program.fakes.modal.opened(), 2);
    QCOMPARE(program.state.DrawNumbers[1], 12);
    QCOMPARE(grid5->Text(1, 1), QString(" 12"));
    QCOMPARE(grid5->Text(1, 2), second);

    program.fakes.modal.Expect([](QWidget& window) { window.findChild<QPushButton*>("COMMAND3D1")->click(); });
    ReleaseOn(nuova);
    program.fakes.modal.Expect([](QWidget& window) { window.close(); });
    ReleaseOn(nuova);
    QCOMPARE(program.fakes.modal.opened(), 4);
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), before);
    QVERIFY(program.fakes.dialogs.questions().empty());
}

void UpkeepTabTest::entryKeptWhileTheTableScrolls() {
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    for (const char* number : {"12", "5", "77", "31", "90", "3", "44", "8"}) Type(program, number);
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Nuova"));
    // The archive table reads its draws into DrawNumbers; the entry on tab 6 is still what is saved.
    program.Find<QScrollBar>("VScroll3")->setValue(20);
    Save(program, "12GEN2010");
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), before + "12GEN201012 5773190 344 8");
}

void UpkeepTabTest::knownDateReplacedOrAppended_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("orderAnswer");  // to the question about an append behind the newest draw
    QTest::addColumn<int>("written");      // 0: nothing
    const int yes = static_cast<int>(DialogAnswer::Yes);
    const int no = static_cast<int>(DialogAnswer::No);
    QTest::newRow("yes replaces") << yes << -1 << 25;
    QTest::newRow("no, then yes appends behind the newest") << no << yes << 31;
    QTest::newRow("no, then no writes nothing") << no << no << 0;
}

void UpkeepTabTest::knownDateReplacedOrAppended() {
    QFETCH(int, answer);
    QFETCH(int, orderAnswer);
    QFETCH(int, written);
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    // The single draw on record 25 leaves its numbers, sorted, and its date for the save.
    program.Find<QScrollBar>("VScroll1")->setValue(25);
    program.fakes.dialogs.Answer(static_cast<DialogAnswer>(answer));
    if (orderAnswer >= 0) program.fakes.dialogs.Answer(static_cast<DialogAnswer>(orderAnswer));
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Salva"));

    QCOMPARE(program.fakes.dialogs.questions().size(), std::size_t{orderAnswer >= 0 ? 2u : 1u});
    if (orderAnswer >= 0) {
        const DialogQuestion& order = program.fakes.dialogs.questions().back();
        QCOMPARE(order.text, std::string("L'ESTRAZIONE 30 DEL 02FEB1990 E' PIU' RECENTE DEL 25GEN1990\n"
                                         "AGGIUNGO LO STESSO LA NUOVA ESTRAZIONE IN CODA ALL'ARCHIVIO ?"));
        QCOMPARE(order.buttons, DialogButtons::YesNoDefaultNo);
    }
    const DialogQuestion& question = program.fakes.dialogs.questions().front();
    QCOMPARE(question.text, std::string("LA DATA E' GIA' PRESENTE !!!!  SOSTITUISCO ?"));
    QCOMPARE(question.title, std::string("ATTENZIONE !"));
    QCOMPARE(question.buttons, DialogButtons::YesNo);
    QCOMPARE(question.icon, DialogIcon::Question);
    const std::string record = "25GEN19902628303234362729";
    const std::string archive = program.folder.ReadFile("dati/estraz09.txt");
    if (written == 25) {
        QCOMPARE(archive, before.substr(0, 24 * 25) + record + before.substr(25 * 25));
        QCOMPARE(program.folder.ReadFile("dati/estraz09.bak"), before);
    } else {
        QCOMPARE(archive, written == 31 ? before + record : before);
        QVERIFY(!std::filesystem::exists(program.folder.path() / "dati" / "estraz09.bak"));
    }
    QCOMPARE(program.Find<QScrollBar>("VScroll1")->value(), written == 0 ? 25 : written);
    QCOMPARE(program.Find<QScrollBar>("VScroll3")->value(), written == 0 ? 30 : written);
}

void UpkeepTabTest::badDateOrNumbersWriteNothing() {
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Save(program, "31APR2010");
    // The newest draw shows 31 33 35 37 39 41: a first number 33, then the entry stopped.
    Type(program, "33");
    Type(program, "0");
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Nuova"));
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Save(program, "30APR2010");
    const std::vector<std::string> messages = program.fakes.dialogs.MessageTexts();
    QCOMPARE(messages.size(), std::size_t{2});
    QVERIFY2(messages[0].rfind("LA DATA \"31APR2010\" NON E' VALIDA", 0) == 0, messages[0].c_str());
    QVERIFY2(messages[1].rfind("L'ESTRAZIONE NON SI PUO' SALVARE: NUMERO 2 RIPETUTO", 0) == 0, messages[1].c_str());
    QCOMPARE(program.fakes.dialogs.questions()[0].icon, DialogIcon::Warning);
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), before);
    QCOMPARE(program.Find<QScrollBar>("VScroll1")->value(), 30);
}

void UpkeepTabTest::busyArchiveWritesNothing() {
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    const ArchiveLock other(program.folder.path());  // another program writing the archive
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Save(program, "12GEN2010");
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>({"L'ARCHIVIO E' IN USO: UN ALTRO PROGRAMMA LO STA AGGIORNANDO. RIPROVA FRA "
                                       "POCO: NON E' STATO SCRITTO NIENTE"}));
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), before);
}

void UpkeepTabTest::conversionFromTheProgramFolder() {
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    std::string text;
    for (int k = 1430; k >= 1; --k) text += MadeUpRecord(k) + "\r\n";
    program.folder.WriteFile("archivio.txt", text);
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    QTest::mouseClick(program.Find<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(program.fakes.dialogs.MessageTexts().size(), std::size_t{1});
    QCOMPARE(program.fakes.dialogs.MessageTexts()[0],
             std::string("L'ARCHIVIO DI TESTO HA PIU' DI 1428 ESTRAZIONI: CONVERTITE LE PRIME 1428, LE ALTRE NON "
                         "SONO STATE LETTE (L'ARCHIVIO NE RICEVE AL MASSIMO 1428)"));
    const std::string archive = program.folder.ReadFile("dati/estraz09.txt");
    QCOMPARE(archive.size(), std::size_t{1428 * 25});
    QCOMPARE(archive.substr(1427 * 25), MadeUpRecord(1430));
    QCOMPARE(archive.substr(0, 25), MadeUpRecord(3));
    QCOMPARE(program.state.RecordCount, 1428);
    QCOMPARE(program.folder.ReadFile("dati/estraz09.bak"), before);

    // A text saved with a byte-order mark converts; an entry that is no draw refuses the text.
    program.folder.WriteFile("archivio.txt", "\xEF\xBB\xBF" + MadeUpRecord(1) + "\r\n01GEN20099999999999999999\r\n");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    QTest::mouseClick(program.Find<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(program.fakes.dialogs.MessageTexts()[1],
             "L'ARCHIVIO DI TESTO " + (program.folder.path() / "archivio.txt").string() +
                 " HA 1 ESTRAZIONE NON VALIDA: NON E' STATO CONVERTITO NIENTE\nRIGA 2: NUMERO 1 FUORI DA 1-90: 99");
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), archive);

    std::filesystem::remove(program.folder.path() / "archivio.txt");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    QTest::mouseClick(program.Find<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(program.fakes.dialogs.MessageTexts()[2].find("IMPOSSIBILE LEGGERE L'ARCHIVIO DI TESTO") !=
            std::string::npos);
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), archive);
}

}  // namespace fortunara::test
