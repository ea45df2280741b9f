// Renders each tab of the main window to PNG files, with a search, a statistic and a forecast on
// show. Usage: fortunara-screenshots PROGRAM_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "app/program/program_hooks.h"
#include "app/windows/module1.h"
#include "app/windows/sestine.h"
#include "tools/screenshots/shot_support.h"
#include "ui/animated_picture.h"
#include "ui/look.h"
#include "ui/number_board.h"

using namespace fortunara;

namespace {

// An ambo of four numbers over the last hundred draws, "90 NUMERI" and a forecast of thirty numbers.
template <class T>
T& Control(const Sestine& window, const QString& name) {
    return *window.findChild<T*>(name);
}

void ShowResults(Sestine& window) {
    for (int number : {7, 18, 33, 61}) {
        QTest::mouseClick(&Control<NumberLabel>(window, QString("Numero(%1)").arg(number - 1)), Qt::LeftButton);
    }
    Control<QRadioButton>(window, "Option1(1)").setChecked(true);
    QTest::mouseClick(&Control<AnimatedPicture>(window, "Animazione_Cerca"), Qt::LeftButton);
    Control<QPushButton>(window, "CommandButton12").click();
    // A base forty draws back, so that the outcomes of the forecast show.
    QScrollBar& base = Control<QScrollBar>(window, "HScroll5");
    base.setValue(base.maximum() - 40);
    Control<QLineEdit>(window, "Textbox1").setText("30");
    Control<QPushButton>(window, "CommandButton10").click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ApplyLook(application);
    shots::ShotSession session;
    if (!shots::StartSession(argc, argv, "fortunara-screenshots", session)) return 2;

    const std::unique_ptr<Sestine> window =
        Module1(session.state, session.platform, ProgramHooks(session.state, session.platform));
    if (!QTest::qWaitForWindowExposed(window.get())) return 1;
    ShowResults(*window);
    for (int tab = 0; tab < window->Tabella()->count(); ++tab) {
        window->Tabella()->setCurrentIndex(tab);
        QTest::qWait(50);
        if (!shots::SaveShot(*window, session, QString("tab-%1").arg(tab))) return 1;
    }
    return 0;
}
