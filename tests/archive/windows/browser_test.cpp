// The web import window: a pasted row converted, checked and appended; the results page address.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "tests/archive/windows/archive_window_tests.h"
#include "tests/windows/started_program.h"

namespace fortunara::test {

namespace {

const std::string kRow = "15/03/2009\t01\t02\t03\t04\t05\t06\t07\t08";

QWidget* OpenBrowser(StartedProgram& program) {
    QTest::mouseClick(program.Find<QPushButton>("CommandButton5"), Qt::LeftButton);
    return program.Find<QWidget>("Browser");
}

template <class T>
T* In(QWidget* window, const char* name) {
    T* control = window->findChild<T*>(name);
    if (control == nullptr) qFatal("%s missing", name);
    return control;
}

void Click(QWidget* window, const char* name) {
    QTest::mouseClick(In<QPushButton>(window, name), Qt::LeftButton);
}

}  // namespace

void BrowserTest::controlsAndTheirTexts() {
    StartedProgram program(MadeUpArchive(30));
    QWidget* browser = OpenBrowser(program);
    QVERIFY(browser != nullptr);
    QVERIFY(browser->isWindow());
    QCOMPARE(browser->windowTitle(), QString("Aggiorna Estrazioni Zefiria"));
    const std::pair<const char*, const char*> buttons[] = {{"Command3", "Lancia Browser"},
                                                           {"Command4", "copia dalla clipborad"},
                                                           {"Command1", "Converti"},
                                                           {"Command2", "Aggiungi Estrazione"}};
    for (const auto& [name, caption] : buttons) QCOMPARE(In<QPushButton>(browser, name)->text(), QString(caption));
    const std::pair<const char*, const char*> labels[] = {{"lblAddress", "&Indirizzo:"},
                                                          {"Label1", "Estrazioni  Ba -> Ve"},
                                                          {"Label2", "Estrazioni  Ba -> Ve"},
                                                          {"Label3", "Estrazione nazionale"}};
    for (const auto& [name, caption] : labels) QCOMPARE(In<QLabel>(browser, name)->text(), QString(caption));
    QCOMPARE(In<QPlainTextEdit>(browser, "Text1")->toPlainText(), QString("Copia e incolla qui "));
    QCOMPARE(In<QLineEdit>(browser, "Text4")->text(), QString("Copia e incolla qui "));
    QVERIFY(In<QLineEdit>(browser, "Text3")->text().isEmpty());
    for (const char* name : {"cboAddress", "Combo1", "List1", "Image1", "picAddress", "timTimer"}) {
        QVERIFY2(browser->findChild<QObject*>(name) != nullptr, name);
    }
    // A click in the second paste area empties it.
    QPlainTextEdit* text2 = In<QPlainTextEdit>(browser, "Text2");
    QTest::mouseClick(text2->viewport(), Qt::LeftButton);
    QVERIFY(text2->toPlainText().isEmpty());
    // Opened once while it stays open.
    QCOMPARE(OpenBrowser(program), browser);
    QCOMPARE(program.window->findChildren<QWidget*>("Browser").size(), 1);
}

void BrowserTest::pastedRowConvertedAndAppended() {
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    QWidget* browser = OpenBrowser(program);
    program.fakes.clipboard.text = kRow;
    Click(browser, "Command4");
    QCOMPARE(In<QPlainTextEdit>(browser, "Text1")->toPlainText().toStdString(), kRow);
    Click(browser, "Command1");
    QCOMPARE(In<QLineEdit>(browser, "Text3")->text(), QString("15MAR20090102030405060708"));
    QCOMPARE(In<QLineEdit>(browser, "Text4")->text(), QString("\t"));

    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Click(browser, "Command2");
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>({" Aggiunta estrazione del 15MAR2009  all'archivio !!"}));
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), before + "15MAR20090102030405060708");
    QCOMPARE(program.state.RecordCount, 31);
    for (const char* name : {"VScroll1", "VScroll3"}) QCOMPARE(program.Find<QScrollBar>(name)->value(), 31);
    QCOMPARE(program.Find<QLineEdit>("textbox2")->text(), QString("15MAR2009"));
}

void BrowserTest::rowsOfTheWrongLengthAreRefused_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("trailing CR LF") << QString::fromStdString(kRow + "\r\n");
    QTest::newRow("one-digit number") << QString("15/03/2009\t01\t02\t03\t04\t5\t06\t07\t08");
}

void BrowserTest::rowsOfTheWrongLengthAreRefused() {
    QFETCH(QString, row);
    StartedProgram program(MadeUpArchive(30));
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    QWidget* browser = OpenBrowser(program);
    In<QPlainTextEdit>(browser, "Text1")->setPlainText(row);
    Click(browser, "Command1");
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Click(browser, "Command2");
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>({" il formato del campo estrazioni non è corretto <>25 caratteri"}));
    QCOMPARE(program.folder.ReadFile("dati/estraz09.txt"), before);
    QCOMPARE(program.Find<QScrollBar>("VScroll3")->value(), 30);
}

void BrowserTest::twoRowsAreRefused() {
    StartedProgram program(MadeUpArchive(30));
    QWidget* browser = OpenBrowser(program);
    In<QPlainTextEdit>(browser, "Text1")->setPlainText(QString::fromStdString(kRow + "\r\n" + kRow));
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Click(browser, "Command1");
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>(
                 {"IL TESTO INCOLLATO HA 2 RIGHE: CONVERTO UN'ESTRAZIONE ALLA VOLTA, INCOLLANE UNA RIGA SOLA"}));
    QVERIFY(In<QLineEdit>(browser, "Text3")->text().isEmpty());
}

void BrowserTest::resultsPageAddressIsRemembered() {
    StartedProgram program(MadeUpArchive(30));
    QWidget* browser = OpenBrowser(program);
    QComboBox* address = In<QComboBox>(browser, "cboAddress");
    QVERIFY(address->currentText().isEmpty());
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    Click(browser, "Command3");
    QCOMPARE(program.fakes.dialogs.MessageTexts().at(0),
             std::string("MANCA L'INDIRIZZO DELLA PAGINA DEI RISULTATI: SCRIVILO NELLA CASELLA \"Indirizzo\""));
    QVERIFY(program.fakes.launcher.calls.empty());

    address->setEditText("https://risultati.esempio.it/sestaria");
    Click(browser, "Command3");
    // Enter in the box opens the page too, also an address typed anew. The keys go to the box, as
    // a keyboard sends them: the box hands them on to its line edit itself.
    QTest::keyClick(address, Qt::Key_Return);
    QTest::keyClick(address, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(address, "https://altra.esempio.it/");
    QTest::keyClick(address, Qt::Key_Return);
    QTest::keyClick(address, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(address, "https://risultati.esempio.it/sestaria");
    QTest::keyClick(address, Qt::Key_Enter);
    QCOMPARE(program.fakes.launcher.calls,
             std::vector<std::string>(
                 {"ADDRESS https://risultati.esempio.it/sestaria", "ADDRESS https://risultati.esempio.it/sestaria",
                  "ADDRESS https://altra.esempio.it/", "ADDRESS https://risultati.esempio.it/sestaria"}));
    browser->close();
    QTRY_VERIFY(program.Find<QWidget>("Browser") == nullptr);
    QComboBox* reopened = In<QComboBox>(OpenBrowser(program), "cboAddress");
    QCOMPARE(reopened->currentText(), QString("https://risultati.esempio.it/sestaria"));
    QCOMPARE(reopened->count(), 1);  // the last address used
}

}  // namespace fortunara::test
