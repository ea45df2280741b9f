// The download window against an HTTP server on 127.0.0.1, through the real Qt downloader: a good
// archive replaces the old one and moves the views; every failure leaves it byte for byte.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "platform/qt/qt_downloader.h"
#include "tests/archive/windows/archive_window_tests.h"
#include "tests/archive/windows/local_http_server.h"
#include "tests/windows/started_program.h"

namespace fortunara::test {

namespace {

namespace fs = std::filesystem;

std::string FirstDraws(int count) {
    return BundledArchive().substr(0, static_cast<std::size_t>(count) * 25);
}

// Every file in dati/ after a download but the archive's lock file, which stays: nothing else is
// left behind.
std::vector<std::string> DataFiles(const StartedProgram& program) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(program.folder.path() / "dati")) {
        if (entry.path().filename() != ".estraz09.txt.lock") names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Opens Form45 from "Aggiorna in Internet"; the script runs while it is open.
void InForm45(StartedProgram& program, const std::function<void(QWidget&)>& script) {
    bool shown = false;
    program.fakes.modal.Expect([&](QWidget& window) {
        shown = true;
        QCOMPARE(window.objectName(), QString("Form45"));
        script(window);
    });
    QTest::mouseClick(program.Find<QPushButton>("CommandButton13"), Qt::LeftButton);
    QVERIFY(shown);
}

// Whether the window hid itself (a window the fake runner "shows" was never shown or hidden).
bool HidItself(const QWidget& window) {
    return window.testAttribute(Qt::WA_WState_ExplicitShowHide) && window.isHidden();
}

void Download(QWidget& window, const std::string& address) {
    window.findChild<QLineEdit*>("txtIndirizzo")->setText(QString::fromStdString(address));
    QTest::mouseClick(window.findChild<QPushButton*>("Command3D14"), Qt::LeftButton);
}

}  // namespace

void Form45Test::goodArchiveReplacesTheOldOne() {
    LocalHttpServer server;
    QVERIFY(server.Listening());
    server.Serve("/estraz09.txt", {200, "OK", "text/plain", BundledArchive()});
    QtDownloader downloader;
    StartedProgram program(FirstDraws(4200), {}, &downloader);
    const int n = static_cast<int>(BundledArchive().size() / 25);
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    InForm45(program, [&](QWidget& window) {
        QCOMPARE(window.windowTitle(), QString("DOWNLOAD ESTRAZIONI AGGIORNATE"));
        const std::tuple<const char*, const char*, const char*> buttons[] = {
            {"Command3D14", "AGGIORNA", "Scarica le estrazioni"},
            {"SSCommand1", "PAGE WEB", "Vai alla Pagina WEB di Zefiria"},
            {"SSCommand2", "COPIA/INCOLLA", "Copia incolla estrazioni da altri siti"}};
        for (const auto& [name, caption, tip] : buttons) {
            QCOMPARE(window.findChild<QPushButton*>(name)->text(), QString(caption));
            QCOMPARE(window.findChild<QPushButton*>(name)->toolTip(), QString(tip));
        }
        QVERIFY(!window.findChild<QPushButton*>("cmdAnnulla")->isEnabled());
        Download(window, server.Url("/estraz09.txt"));
        QCOMPARE(window.findChild<QProgressBar*>("ProgressBar1")->value(), 100);
        QVERIFY(HidItself(window));
    });
    QCOMPARE(program.fakes.dialogs.MessageTexts(), std::vector<std::string>({"Download completato con successo"}));
    QCOMPARE(program.fakes.dialogs.questions()[0].icon, DialogIcon::Information);
    QVERIFY(program.folder.ReadFile("dati/estraz09.txt") == BundledArchive());
    QVERIFY(program.folder.ReadFile("dati/estraz09.bak") == FirstDraws(4200));
    QCOMPARE(DataFiles(program), std::vector<std::string>({"estraz09.bak", "estraz09.txt"}));
    QCOMPARE(program.state.RecordCount, n);
    for (const char* name : {"VScroll1", "VScroll3", "HScroll4"}) {
        QCOMPARE(program.Find<QScrollBar>(name)->maximum(), n);
        QCOMPARE(program.Find<QScrollBar>(name)->value(), n);
    }
    QCOMPARE(program.Find<QLineEdit>("textbox2")->text(), QString::fromStdString(BundledRecord(n).substr(0, 9)));
    // The address is remembered for the next time.
    QVERIFY(program.folder.ReadFile("indirizzi.txt").find(server.Url("/estraz09.txt")) != std::string::npos);
}

void Form45Test::failedDownloadsLeaveTheArchiveAsItWas_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("message");
    QTest::newRow("404") << "/manca" << false << "Errore durante il download!\nIL SERVER HA RISPOSTO 404 Not Found";
    QTest::newRow("connection dropped half-way") << "/taglia" << false << "Errore durante il download!\nCONNESSIONE";
    QTest::newRow("html page") << "/pagina" << false
                               << "Errore durante il download!\nIL FILE NON E' UN ARCHIVIO DELLE ESTRAZIONI";
    QTest::newRow("record wrong") << "/guasto" << false
                                  << "Errore durante il download!\nL'ESTRAZIONE 4201 DEL FILE NON E' VALIDA";
    QTest::newRow("shorter archive answered no") << "/corto" << true << "L'ARCHIVIO ATTUALE E' RIMASTO COM'ERA";
    QTest::newRow("cancelled") << "/lento" << false << "Errore durante il download!\nDOWNLOAD ANNULLATO";
}

void Form45Test::failedDownloadsLeaveTheArchiveAsItWas() {
    QFETCH(QString, path);
    QFETCH(bool, asked);
    QFETCH(QString, message);
    LocalHttpServer server;
    const std::string bundled = BundledArchive();
    server.Serve("/taglia",
                 {200, "OK", "text/plain", bundled.substr(0, 50000), static_cast<long long>(bundled.size()), true});
    server.Serve("/pagina", {200, "OK", "text/html", "<html><body>Estrazioni del 15/03/2009</body></html>"});
    server.Serve("/guasto", {200, "OK", "text/plain", FirstDraws(4200) + "21AGO20261225272839574299"});
    server.Serve("/corto", {200, "OK", "text/plain", FirstDraws(4000)});
    server.Serve("/lento", {200, "OK", "text/plain", FirstDraws(100), static_cast<long long>(bundled.size())});
    QtDownloader downloader;
    StartedProgram program(FirstDraws(4200), {}, &downloader);
    const std::string before = program.folder.ReadFile("dati/estraz09.txt");
    if (asked) program.fakes.dialogs.Answer(DialogAnswer::No);
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    InForm45(program, [&](QWidget& window) {
        // A slow download is stopped with "ANNULLA" while the data arrive.
        auto* cancel = window.findChild<QPushButton*>("cmdAnnulla");
        if (path == "/lento") {
            QTimer::singleShot(300, cancel, [cancel] {
                QVERIFY(cancel->isEnabled());
                QTest::mouseClick(cancel, Qt::LeftButton);
            });
        }
        Download(window, server.Url(path.toStdString()));
        QVERIFY(HidItself(window));
    });
    const std::vector<std::string> messages = program.fakes.dialogs.MessageTexts();
    QCOMPARE(messages.size(), std::size_t{asked ? 2u : 1u});
    QVERIFY2(messages.back().rfind(message.toStdString(), 0) == 0, messages.back().c_str());
    if (asked) {
        const DialogQuestion& question = program.fakes.dialogs.questions().front();
        QCOMPARE(question.buttons, DialogButtons::YesNoDefaultNo);
        QVERIFY2(question.text.find("HA 4000 ESTRAZIONI, QUELLO ATTUALE 4200") != std::string::npos,
                 question.text.c_str());
    }
    QVERIFY(program.folder.ReadFile("dati/estraz09.txt") == before);
    QCOMPARE(DataFiles(program), std::vector<std::string>({"estraz09.txt"}));
    QCOMPARE(program.state.RecordCount, 4200);
    QCOMPARE(program.Find<QScrollBar>("HScroll4")->value(), 4100);
}

void Form45Test::emptyAddressAndTheOtherButtons() {
    StartedProgram program(FirstDraws(200));
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    InForm45(program, [&](QWidget& window) {
        QVERIFY(window.findChild<QLineEdit*>("txtIndirizzo")->text().isEmpty());
        Download(window, "");
        QVERIFY(!HidItself(window));  // the user can write the address now
        QTest::mouseClick(window.findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("SSCommand2"), Qt::LeftButton);
        program.folder.WriteFile("rinfresco.exe", "");
        QTest::mouseClick(window.findChild<QPushButton*>("SSCommand2"), Qt::LeftButton);
    });
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>(
                 {"MANCA L'INDIRIZZO DELL'ARCHIVIO DA SCARICARE: SCRIVILO NELLA CASELLA \"Indirizzo dell'archivio\"",
                  "MANCA L'INDIRIZZO DELLA PAGINA DEI RISULTATI: SCRIVILO NELLA CASELLA \"Indirizzo\" DELLA FINESTRA "
                  "\"Copia da Internet\"",
                  "IL PROGRAMMA DI AGGIORNAMENTO rinfresco.exe NON E' INSTALLATO NELLA CARTELLA DEL PROGRAMMA"}));
    QVERIFY(program.fakes.downloader.requests.empty());
    QCOMPARE(program.fakes.launcher.calls,
             std::vector<std::string>({"PROGRAM " + (program.folder.path() / "rinfresco.exe").string()}));
}

}  // namespace fortunara::test
