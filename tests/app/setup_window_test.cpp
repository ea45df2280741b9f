#include "app/windows/setup_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/fakes/fake_platform.h"
#include "tests/support/temp_folder.h"
#include "tests/windows/window_test_main.h"

namespace fortunara {
namespace {

using Log = std::vector<std::string>;

class SetupWindowTest : public QObject {
    Q_OBJECT

private:
    test::TempFolder folder_;
    ProgramState state_;
    test::FakePlatform fakes_;
    Platform platform_ = fakes_.platform();

    Setup* MakeWindow() {
        auto* window = new Setup(state_, platform_);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    }
    static QCheckBox* Box(Setup& window, const char* name) {
        auto* box = window.findChild<QCheckBox*>(name);
        if (box == nullptr) qFatal("missing check box %s", name);
        return box;
    }
    std::string SongPath() const { return (state_.programFolder / "song.mid").string(); }

private slots:
    void init() {
        state_ = ProgramState{};
        state_.programFolder = folder_.path();
        fakes_.sounds.log.clear();
    }

    void controlsHaveTheirNamesAndCaptions() {
        std::unique_ptr<Setup> window(MakeWindow());
        QCOMPARE(window->objectName(), QString("Setup"));
        QCOMPARE(Box(*window, "CheckBox3(0)")->text(), QString(" - Parlato"));
        QCOMPARE(Box(*window, "CheckBox5(2)")->text(), QString(" - Effetti Sonori"));
        QCOMPARE(Box(*window, "CheckBox4(1)")->text(), QString(" - Musica in sottofondo"));
        auto* exit = window->findChild<QPushButton*>("CommandButton4");
        QVERIFY(exit != nullptr);
        QCOMPARE(exit->text(), QString("ESCI"));
        QVERIFY(window->findChild<QWidget*>("Sfondo") != nullptr);
    }

    void loadTicksTheBoxesFromTheFlags_data() {
        QTest::addColumn<int>("voice");
        QTest::addColumn<int>("click");
        QTest::addColumn<int>("music");
        QTest::newRow("all on") << 1 << 1 << 1;
        QTest::newRow("after start") << 1 << 1 << 0;
        QTest::newRow("all off") << 0 << 0 << 0;
        QTest::newRow("only music") << 0 << 0 << 1;
        QTest::newRow("only click") << 0 << 1 << 0;
    }
    void loadTicksTheBoxesFromTheFlags() {
        QFETCH(int, voice);
        QFETCH(int, click);
        QFETCH(int, music);
        state_.VoiceOn = voice;
        state_.ClickSoundOn = click;
        state_.MusicOn = music;
        std::unique_ptr<Setup> window(MakeWindow());
        QCOMPARE(Box(*window, "CheckBox3(0)")->isChecked(), voice == 1);
        QCOMPARE(Box(*window, "CheckBox5(2)")->isChecked(), click == 1);
        QCOMPARE(Box(*window, "CheckBox4(1)")->isChecked(), music == 1);
        // Showing the flags neither starts nor stops the music, nor changes a flag.
        QCOMPARE(fakes_.sounds.log, Log{});
        QCOMPARE(state_.VoiceOn, voice);
        QCOMPARE(state_.ClickSoundOn, click);
        QCOMPARE(state_.MusicOn, music);
    }

    void voiceAndClickBoxesWriteTheirFlagsOnly() {
        std::unique_ptr<Setup> window(MakeWindow());
        QCheckBox* voice = Box(*window, "CheckBox3(0)");
        QCheckBox* click = Box(*window, "CheckBox5(2)");
        voice->click();
        QCOMPARE(state_.VoiceOn, 0);
        QCOMPARE(state_.ClickSoundOn, 1);
        click->click();
        QCOMPARE(state_.ClickSoundOn, 0);
        QCOMPARE(state_.VoiceOn, 0);
        voice->setChecked(true);  // a change by code counts as well
        QCOMPARE(state_.VoiceOn, 1);
        click->click();
        QCOMPARE(state_.ClickSoundOn, 1);
        QCOMPARE(state_.MusicOn, 0);
        QCOMPARE(fakes_.sounds.log, Log{});
    }

    void musicBoxStartsAndStopsTheMusic() {
        std::unique_ptr<Setup> window(MakeWindow());
        QCheckBox* music = Box(*window, "CheckBox4(1)");
        music->click();
        QCOMPARE(state_.MusicOn, 1);
        QCOMPARE(fakes_.sounds.log, (Log{"MIDI " + SongPath(), "MIDI OPEN", "MIDI prev", "MIDI PLAY"}));

        fakes_.sounds.log.clear();
        music->click();
        QCOMPARE(state_.MusicOn, 0);
        QCOMPARE(fakes_.sounds.log, Log{"MIDI CLOSE"});
    }

    // The main window loads the settings with every flag on, then unticks the music box.
    void startUpLeavesVoiceAndClickOnAndMusicOff() {
        state_.MusicOn = 1;
        std::unique_ptr<Setup> window(MakeWindow());
        Box(*window, "CheckBox4(1)")->setChecked(false);
        QCOMPARE(fakes_.sounds.log, Log{"MIDI CLOSE"});
        QCOMPARE(state_.MusicOn, 0);
        QCOMPARE(state_.VoiceOn, 1);
        QCOMPARE(state_.ClickSoundOn, 1);

        // Opened later by the user, the window shows exactly that.
        fakes_.sounds.log.clear();
        window->show();
        QVERIFY(Box(*window, "CheckBox3(0)")->isChecked());
        QVERIFY(Box(*window, "CheckBox5(2)")->isChecked());
        QVERIFY(!Box(*window, "CheckBox4(1)")->isChecked());
        QCOMPARE(fakes_.sounds.log, Log{});
    }

    void exitClosesAndTheNextOpeningShowsTheFlagsAgain() {
        std::unique_ptr<Setup> window(MakeWindow());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QPushButton* exit = window->findChild<QPushButton*>("CommandButton4");
        QTest::mouseClick(exit, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));

        // Flags changed elsewhere meanwhile (music switched on, voice off) show at the next opening,
        // and the music that already plays is left alone.
        state_.MusicOn = 1;
        state_.VoiceOn = 0;
        window->show();
        QVERIFY(!Box(*window, "CheckBox3(0)")->isChecked());
        QVERIFY(Box(*window, "CheckBox4(1)")->isChecked());
        QCOMPARE(fakes_.sounds.log, Log{});
    }

    void userClickOnAShownBoxTakesEffect() {
        std::unique_ptr<Setup> window(MakeWindow());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCheckBox* click = Box(*window, "CheckBox5(2)");
        QTest::mouseClick(click, Qt::LeftButton, {}, QPoint(8, click->height() / 2));
        QCOMPARE(state_.ClickSoundOn, 0);
    }
};

}  // namespace
}  // namespace fortunara

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** values) {
        fortunara::SetupWindowTest setupTest;
        return QTest::qExec(&setupTest, count, values);
    });
}

#include "setup_window_test.moc"
