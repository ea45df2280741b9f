// Renders the check windows on the bundled archive and library: Presenti with the ten-number
// "TERNO" matrix applied to ten numbers and the draw chosen where that system last won at least a
// quaterna, then Controllo after its check against that draw (presenti, controllo).
// Usage: checks-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it under Xvfb).
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "checks/core/system_record.h"
#include "checks/windows/controllo.h"
#include "checks/windows/presenti.h"
#include "tools/screenshots/shot_support.h"

using namespace fortunara;

namespace {

// The newest draw on which the current system won at least a quaterna, or the newest draw.
int ShownDraw(const ProgramState& state) {
    const SystemRecord record = RecordOverRange(state.programFolder, CurrentTickets(state), {state.RecordCount, 1});
    for (const DrawWins& won : record.draws) {
        if (won.counts.quaterne + won.counts.cinquine + won.counts.cinquePiuUno + won.counts.sestine > 0) {
            return won.record;
        }
    }
    return state.RecordCount;
}

bool Shoot(shots::ShotSession& session) {
    session.state.ClickSoundOn = 0;
    session.state.SelectedMatrixFile = "10N03506.SIS";
    PresentiOpeners openers;
    // Both buttons enabled as in the program; the picture opens neither window.
    openers.Controllo = [](QWidget*) -> QWidget* { return nullptr; };
    openers.Schedine = [](QWidget*) -> QWidget* { return nullptr; };
    Presenti presenti(session.state, session.platform, openers);
    presenti.show();
    if (!QTest::qWaitForWindowExposed(&presenti)) return false;
    for (const int n : {3, 8, 15, 22, 27, 34, 41, 48, 56, 63}) session.fakes.dialogs.AnswerText(std::to_string(n));
    presenti.findChild<QPushButton*>("CommandButton1")->click();
    presenti.findChild<QScrollBar*>("HScroll1")->setValue(ShownDraw(session.state));
    QTest::qWait(50);
    if (!shots::SaveShot(presenti, session, "presenti")) return false;

    Controllo controllo(session.state, session.platform);
    controllo.show();
    if (!QTest::qWaitForWindowExposed(&controllo)) return false;
    controllo.findChild<QPushButton*>("CommandButton2")->click();
    QTest::qWait(50);
    return shots::SaveShot(controllo, session, "controllo");
}

}  // namespace

int main(int argc, char** argv) {
    return shots::RunShots(argc, argv, "checks-screenshots", Shoot);
}
