// Renders the archive's windows to PNG files: the number prompt, the web import with a converted
// row and the download window with an address.
// Usage: archive-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it under Xvfb).
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "archive/windows/browser.h"
#include "archive/windows/form18.h"
#include "archive/windows/form45.h"
#include "tools/screenshots/shot_support.h"
#include "ui/look.h"

using namespace fortunara;

namespace {

bool Shot(QWidget& window, const shots::ShotSession& session, const QString& name) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    QTest::qWait(50);
    return shots::SaveShot(window, session, name);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ApplyLook(application);
    shots::ShotSession session;
    if (!shots::StartSession(argc, argv, "archive-screenshots", session)) return 2;

    FORM18 prompt;
    prompt.findChild<QLineEdit*>("Text1")->setText("77");
    if (!Shot(prompt, session, "form18")) return 1;

    Browser browser(session.state, session.platform, {});
    browser.findChild<QPlainTextEdit*>("Text1")->setPlainText("15/03/2009\t01\t02\t03\t04\t05\t06\t07\t08");
    browser.findChild<QPushButton*>("Command1")->click();
    if (!Shot(browser, session, "browser")) return 1;

    Form45 download(session.state, session.platform, {});
    download.findChild<QLineEdit*>("txtIndirizzo")->setText("https://archivio.esempio.it/estraz09.txt");
    if (!Shot(download, session, "form45")) return 1;
    return 0;
}
