// Renders each tab of the system window to PNG files, with a developed system in the grid and its
// guarantees worked out.
// Usage: sistemi-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it under Xvfb).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "systems/windows/garanzie.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/sistemi_launcher.h"
#include "tools/screenshots/shot_support.h"
#include "ui/look.h"

using namespace fortunara;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ApplyLook(application);
    shots::ShotSession session;
    if (!shots::StartSession(argc, argv, "sistemi-screenshots", session)) return 2;
    ProgramState& state = session.state;
    Platform& platform = session.platform;

    // Twelve numbers, reduced "    n - 2", conditioned on an even count of 2 to 4.
    SistemiLauncher sistemi(state, platform);
    std::unique_ptr<Sistemi> window(sistemi.Make(nullptr));
    const int numbers[] = {3, 8, 14, 21, 27, 33, 45, 52, 58, 66, 71, 84};
    for (std::size_t i = 0; i < 12; ++i) state.ForecastNumbers[i + 1] = numbers[i];
    window->HandOverForecast(12);
    window->OptionButton1[2]->click();
    window->CheckBox5->setChecked(true);
    for (int even : {2, 3, 4}) window->checkbox2[static_cast<std::size_t>(even)]->setChecked(true);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return 1;
    window->CommandButton11->click();
    if (!QTest::qWaitFor([&] { return !window->Running(); }, 10000)) return 1;

    // The guarantees of that system: the certificate, the holes of "terno se escono 4", the record.
    Garanzie* guarantees = window->TabGaranzie;
    guarantees->Calcola->click();
    if (!QTest::qWaitFor([&] { return !guarantees->Running(); }, 20000)) return 1;
    guarantees->Escono->setCurrentIndex(2);
    guarantees->Almeno->setCurrentIndex(1);
    guarantees->Buchi->click();
    if (!QTest::qWaitFor([&] { return !guarantees->Running(); }, 20000)) return 1;
    guarantees->Premio[0]->setText("25");
    guarantees->Resoconto->click();

    for (int tab = 0; tab < window->SSTab1->count(); ++tab) {
        window->SSTab1->setCurrentIndex(tab);
        QTest::qWait(50);
        if (!shots::SaveShot(*window, session, QString("sistemi-%1").arg(tab))) return 1;
    }
    // The other two pages of "Garanzie": garanzie-1 (the holes), garanzie-2 (the record).
    for (int page = 1; page < guarantees->Schede->count(); ++page) {
        guarantees->Schede->setCurrentIndex(page);
        QTest::qWait(50);
        if (!shots::SaveShot(*window, session, QString("garanzie-%1").arg(page))) return 1;
    }
    return 0;
}
