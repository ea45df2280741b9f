// Renders the slip window on the bundled valori.tab and its calibration page as it comes out of the
// printer: "TEST" through the program's printer into a PDF, turned into a picture by pdftoppm.
// Usage: schedine-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it under Xvfb).
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <iostream>

#include "platform/qt/qt_paths.h"
#include "platform/qt/qt_printer.h"
#include "slips/windows/schedine.h"
#include "tools/screenshots/shot_support.h"

using namespace fortunara;

namespace {

bool Shoot(shots::ShotSession& session) {
    session.state.ClickSoundOn = 0;
    session.state.TicketCount = 35;
    QtPrinter printer(session.state.programFolder, session.fakes.dialogs);
    printer.ForcePdf(true);
    Platform platform{printer,
                      session.fakes.dialogs,
                      session.fakes.clipboard,
                      session.fakes.sounds,
                      session.fakes.launcher,
                      session.fakes.downloader,
                      session.fakes.modal};
    Schedine window(session.state, platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    QTest::qWait(50);
    if (!shots::SaveShot(window, session, "schedine")) return false;

    window.findChild<QPushButton*>("CommandButton1")->click();
    if (printer.LastFile().empty()) return false;
    const QString picture = session.output.filePath("schedine-prova");
    const int status =
        QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", ToQString(printer.LastFile()), picture});
    if (status != 0) return false;
    std::cout << picture.toStdString() << ".png\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    return shots::RunShots(argc, argv, "schedine-screenshots", Shoot);
}
