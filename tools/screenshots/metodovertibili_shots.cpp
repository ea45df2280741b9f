// Renders the method window to PNG files: the forecasts of the vertible method over the newest 105
// draws, then the result panel of their check.
// Usage: metodovertibili-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it under Xvfb).
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTest>

#include "tools/screenshots/shot_support.h"
#include "ui/look.h"
#include "vertible/windows/metodovertibili.h"

using namespace fortunara;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ApplyLook(application);
    shots::ShotSession session;
    if (!shots::StartSession(argc, argv, "metodovertibili-screenshots", session)) return 2;

    METODOVERTIBILI window(session.state, session.platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    auto* method = window.findChild<QComboBox*>("Combo2");
    method->setCurrentIndex(0);
    emit method->activated(0);
    QTest::qWait(50);
    if (!shots::SaveShot(window, session, "metodovertibili-0")) return 1;

    window.findChild<QPushButton*>("Command1")->click();
    auto* panel = window.findChild<QFrame*>("SSPanel1");
    if (!QTest::qWaitFor([panel] { return panel->x() == 0; }, 2000)) return 1;
    QTest::qWait(50);
    return shots::SaveShot(window, session, "metodovertibili-1") ? 0 : 1;
}
