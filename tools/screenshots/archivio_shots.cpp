// Renders both tabs of the matrix window to PNG files: the starter library's ten-number systems on
// the buttons, and a matrix of ten numbers typed into the editor.
// Usage: archivio-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it under Xvfb).
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "matrices/windows/archivio.h"
#include "tools/screenshots/shot_support.h"

using namespace fortunara;

namespace {

bool Shoot(shots::ShotSession& session) {
    session.state.ClickSoundOn = 0;
    ArchivioOpeners openers;
    openers.Sistemi = [](QWidget*) -> QWidget* { return nullptr; };
    Archivio window(session.state, session.platform, openers);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    auto* quantities = window.findChild<QListWidget*>("List1");
    QListWidgetItem* ten = quantities->item(9);
    quantities->scrollToItem(ten);
    QTest::mouseClick(quantities->viewport(), Qt::LeftButton, Qt::NoModifier, quantities->visualItemRect(ten).center());
    QTest::qWait(50);
    if (!shots::SaveShot(window, session, "archivio-0")) return false;

    window.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
    window.findChild<QLineEdit*>("TextBox1")->setText("10");
    window.findChild<QLineEdit*>("TextBox2")->setText("4");
    for (const int n : {1, 2, 3, 4, 5, 6, 1, 2, 3, 7, 8, 9, 4, 5, 6, 7, 8, 10, 1, 5, 9, 10, 2, 6}) {
        session.fakes.dialogs.AnswerText(std::to_string(n));
    }
    window.findChild<QPushButton*>("CommandButton24")->click();
    QTest::qWait(50);
    return shots::SaveShot(window, session, "archivio-1");
}

}  // namespace

int main(int argc, char** argv) {
    return shots::RunShots(argc, argv, "archivio-screenshots", Shoot);
}
