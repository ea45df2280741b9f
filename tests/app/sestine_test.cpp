// The main window on the offscreen platform with the scripted fakes: its controls, the start-up
// state, the settings, the sounds, the animations' resets and the launchers (the archive views are
// in sestine_views_test.cpp).
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "tests/app/sestine_test_support.h"
#include "tests/windows/started_program.h"
#include "tests/windows/window_test_main.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"
#include "ui/look.h"
#include "ui/number_board.h"

namespace fortunara::test {

namespace {

std::string RealArchiveBytes() {
    std::ifstream in(RealArchive(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

class SestineTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsName();
    void loadStateOnTheBundledArchive();
    void settingsAfterStart();
    void soundsOfStartTabsAndMusic();
    void exitAndManual();
    void animationsStopOnBackgroundsAndTabStrip();
    void unreadableArchiveIsSaidAtStart();
    void activationShowsTheBoardInBlack();
    void launchers();
};

void SestineTest::everyControlHasItsName() {
    StartedProgram program(MadeUpArchive(30));
    QStringList names = {"Sestine",
                         "Tabella",
                         "Sfondo",
                         "Animazione_Uscita",
                         "Animazione_Info",
                         "Animazione_Setup",
                         "Timer_Animazioni",
                         "grid3",
                         "VScroll3",
                         "SSOption1(0)",
                         "SSOption1(1)",
                         "HScroll7",
                         "Label4",
                         "HScroll6",
                         "Label9",
                         "Animazione_Stampante(0)",
                         "Animazione_Copia(0)",
                         "Command2",
                         "List1(0)",
                         "List1(1)",
                         "HScroll2",
                         "HScroll1",
                         "Label32",
                         "Label33",
                         "Label38",
                         "Label20",
                         "Label21",
                         "Label22",
                         "Animazione_Cerca",
                         "Animazione_Stampante(1)",
                         "Animazione_Copia(1)",
                         "grid2",
                         "Titolo",
                         "HScroll3",
                         "HScroll4",
                         "Label23",
                         "Label30",
                         "Label31",
                         "CommandButton12",
                         "CommandButton2",
                         "CommandButton3",
                         "CommandButton4",
                         "List2",
                         "List1(2)",
                         "Grid1",
                         "CommandButton6",
                         "CommandButton1",
                         "CommandButton14",
                         "Textbox1",
                         "CommandButton11",
                         "CommandButton10",
                         "CommandButton9",
                         "CommandButton8",
                         "CommandButton7",
                         "HScroll5",
                         "Label55",
                         "Label1(0)",
                         "List6",
                         "List3",
                         "Grid5",
                         "VScroll1",
                         "textbox2",
                         "Animazione_Nuova",
                         "Animazione_Salva",
                         "CommandButton5",
                         "CommandButton13",
                         "Command1",
                         "Grid4",
                         "Setup"};
    for (int i = 0; i < 90; ++i) names << QString("Numero(%1)").arg(i);
    for (int i = 0; i < 6; ++i) names << QString("Option1(%1)").arg(i);
    for (int i = 1; i <= 8; ++i) names << QString("Check2(%1)").arg(i);
    for (int i = 0; i < 12; ++i) names << QString("Check3(%1)").arg(i);
    for (int i = 0; i <= 8; ++i) names << QString("Check3d3(%1)").arg(i);
    for (int i = 0; i <= 6; ++i) names << QString("SfondoTab(%1)").arg(i);
    for (const QString& name : names) {
        QVERIFY2(program.window->objectName() == name || program.Find<QObject>(name) != nullptr, qPrintable(name));
    }
    QCOMPARE(program.window->windowTitle(), QString("Fortunara 2020 vers.5.00 "));
    QCOMPARE(program.window->Tabella()->count(), 7);
    QCOMPARE(program.Find<QPushButton>("Command2")->text(), QString("Cancella i numeri della ricerca"));
    QCOMPARE(program.Find<QPushButton>("CommandButton13")->text(), QString("Aggiorna in Internet"));
    QCOMPARE(program.Find<QRadioButton>("SSOption1(0)")->text(), QString("Ruote"));
    // The board: 9 rows of 10, number i + 1 in label i.
    QCOMPARE(program.Find<QLabel>("Numero(0)")->text(), QString("1"));
    QCOMPARE(program.Find<QLabel>("Numero(89)")->text(), QString("90"));
    program.window->Tabella()->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    QVERIFY(program.Find<QLabel>("Numero(10)")->y() > program.Find<QLabel>("Numero(9)")->y());
    QCOMPARE(program.Find<QLabel>("Numero(10)")->x(), program.Find<QLabel>("Numero(0)")->x());
    // Start-up choices of the search and statistics boxes.
    QVERIFY(program.Find<QRadioButton>("Option1(0)")->isChecked());
    QVERIFY(program.Find<QCheckBox>("Check2(6)")->isChecked());
    QVERIFY(!program.Find<QCheckBox>("Check2(7)")->isChecked());
    QVERIFY(program.Find<QCheckBox>("Check3d3(6)")->isChecked());
    QVERIFY(!program.Find<QCheckBox>("Check3d3(8)")->isChecked());
    QVERIFY(program.fakes.dialogs.questions().empty());
}

void SestineTest::loadStateOnTheBundledArchive() {
    const std::string bytes = RealArchiveBytes();
    StartedProgram program(bytes);
    const ProgramState& state = program.state;
    const int n = static_cast<int>(bytes.size() / 25);
    auto record = [&bytes](int k) { return bytes.substr(static_cast<std::size_t>(k - 1) * 25, 25); };
    QCOMPARE(state.RecordCount, n);
    QCOMPARE(QString::fromStdString(state.CurrentDrawDate), Date(record(n)));
    // The single draw is filled last: DrawNumbers holds the newest draw, main numbers ascending.
    std::vector<int> newest;
    for (std::size_t i = 0; i < 8; ++i) newest.push_back(std::stoi(record(n).substr(9 + 2 * i, 2)));
    std::sort(newest.begin(), newest.begin() + 6);
    QCOMPARE(std::vector<int>(state.DrawNumbers.begin() + 1, state.DrawNumbers.begin() + 9), newest);
    QCOMPARE(state.WheelNames[11], std::string("NAZIONALE  "));
    // Tab 2 shows the newest draw, the draw 100 before it and the span.
    QCOMPARE(program.Find<QLabel>("Label23")->text(), "DAL: " + Date(record(n)));
    QCOMPARE(program.Find<QLabel>("Label30")->text(), "AL: " + Date(record(n - 100)));
    QCOMPARE(program.Find<QLabel>("Label31")->text(), QString("SETT. :  100"));
    QCOMPARE(program.Find<QScrollBar>("HScroll4")->value(), n - 100);
    QCOMPARE(program.Find<QScrollBar>("HScroll4")->minimum(), 1);
    QCOMPARE(program.Find<QScrollBar>("HScroll4")->maximum(), n);
    QVERIFY(!program.Find<QScrollBar>("HScroll4")->hasTracking());
    // The table shows the 23 newest draws, the single view the newest one.
    const DataGrid* grid3 = program.Find<DataGrid>("grid3");
    QCOMPARE(grid3->Rows(), 24);
    QCOMPARE(grid3->Text(1, 0), Date(record(n)));
    QCOMPARE(grid3->Text(23, 0), Date(record(n - 22)));
    QCOMPARE(program.Find<QLineEdit>("textbox2")->text(), Date(record(n)));
    QCOMPARE(program.Find<DataGrid>("Grid5")->Text(1, 0), Date(record(n)));
    // Flags after the load: click and voice on, music off.
    QCOMPARE(state.ClickSoundOn, 1);
    QCOMPARE(state.VoiceOn, 1);
    QCOMPARE(state.MusicOn, 0);
}

void SestineTest::settingsAfterStart() {
    StartedProgram program(MadeUpArchive(30));
    QWidget* setup = program.window->SettingsWindow();
    QVERIFY(setup != nullptr);
    QVERIFY(!setup->isVisible());
    bool shown = false;
    program.fakes.modal.Expect([&](QWidget& window) {
        shown = &window == setup;
        // Centred at its real size the first time too.
        const QSize size = setup->sizeHint().expandedTo(setup->minimumSizeHint());
        QCOMPARE(setup->size(), size);
        QCOMPARE(setup->pos(), QPoint((1366 - size.width()) / 2, (768 - size.height()) / 2));
        QVERIFY(setup->findChild<QCheckBox*>("CheckBox3(0)")->isChecked());
        QVERIFY(setup->findChild<QCheckBox*>("CheckBox5(2)")->isChecked());
        QVERIFY(!setup->findChild<QCheckBox*>("CheckBox4(1)")->isChecked());
        // Unticking the click sound sets its flag at once.
        setup->findChild<QCheckBox*>("CheckBox5(2)")->setChecked(false);
        setup->findChild<QCheckBox*>("CheckBox3(0)")->setChecked(false);
    });
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Setup"));
    QVERIFY(shown);
    QCOMPARE(program.state.ClickSoundOn, 0);
    QCOMPARE(program.state.VoiceOn, 0);
    // Without the click sound and the voice, handlers send nothing to the devices.
    const std::size_t before = program.fakes.sounds.log.size();
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Info"));
    ClickOption(program.Find<QRadioButton>("SSOption1(0)"));
    program.window->Tabella()->setCurrentIndex(5);
    QCOMPARE(program.fakes.sounds.log.size(), before);
}

void SestineTest::soundsOfStartTabsAndMusic() {
    StartedProgram program(MadeUpArchive(30));
    const std::string folder = program.folder.path().string();
    // The greeting is given at load, the settings window turns the music off, then it speaks.
    QCOMPARE(program.fakes.sounds.log,
             std::vector<std::string>({"WAV_Voice " + folder + "/PARLATO1.wav", "MIDI CLOSE", "WAV_Voice Sound"}));
    QCOMPARE(program.Find<DataGrid>("grid2")->Text(0, 2), QString("FREQUENZA"));
    program.fakes.sounds.log.clear();
    for (int tab : {2, 0, 6}) program.window->Tabella()->setCurrentIndex(tab);
    QCOMPARE(program.fakes.sounds.log,
             std::vector<std::string>({"WAV_Voice " + folder + "/PARLATO4.wav", "WAV_Voice Sound",
                                       "WAV_Voice " + folder + "/PARLATO2.wav", "WAV_Voice Sound",
                                       "WAV_Voice " + folder + "/PARLATO8.wav", "WAV_Voice Sound"}));
    QCOMPARE(program.Find<DataGrid>("grid2")->Text(0, 2), QString("RIT."));

    // The music starts over when it ends, as long as it is on.
    program.fakes.sounds.log.clear();
    program.fakes.sounds.Complete("MIDI");
    QVERIFY(program.fakes.sounds.log.empty());
    program.state.MusicOn = 1;
    program.fakes.sounds.Complete("MIDI");
    QCOMPARE(program.fakes.sounds.log,
             std::vector<std::string>({"MIDI CLOSE", "MIDI " + folder + "/SONG.mid", "MIDI OPEN", "MIDI PLAY"}));
}

void SestineTest::exitAndManual() {
    StartedProgram program(MadeUpArchive(30));
    const std::string pop = "MMControl1 " + (program.folder.path() / "POP.WAV").string();
    program.fakes.sounds.log.clear();
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Info"));
    QCOMPARE(program.fakes.sounds.log,
             std::vector<std::string>({pop, "MMControl1 OPEN", "MMControl1 PLAY", "MMControl1 SOUND"}));
    QCOMPARE(program.fakes.launcher.calls,
             std::vector<std::string>({"TEXT " + (program.folder.path() / "manuale.txt").string()}));
    // No text editor could be started: the user is told, in the program's words.
    program.fakes.launcher.result = false;
    program.fakes.dialogs.Answer(DialogAnswer::Ok);
    ReleaseOn(program.Find<AnimatedPicture>("Animazione_Info"));
    QCOMPARE(program.fakes.dialogs.MessageTexts(),
             std::vector<std::string>{"IMPOSSIBILE APRIRE L'EDITOR DI TESTO SUL FILE manuale.txt"});
    QCOMPARE(program.fakes.dialogs.questions().back().title, std::string("ATTENZIONE !!!"));

    program.fakes.sounds.log.clear();
    QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Uscita"), Qt::LeftButton);
    QCOMPARE(program.fakes.sounds.log, std::vector<std::string>({pop, "MMControl1 OPEN", "MMControl1 PLAY",
                                                                 "MMControl1 CLOSE", "WAV_Voice CLOSE", "MIDI CLOSE"}));
    QCOMPARE(program.quitCalls, 1);
}

void SestineTest::animationsStopOnBackgroundsAndTabStrip() {
    StartedProgram program(MadeUpArchive(30));
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    QTRY_VERIFY(program.window->AnimationTimer()->isActive());
    QCOMPARE(program.window->AnimationTimer()->interval(), 30);
    program.window->AnimationTimer()->stop();  // the test ticks by hand
    program.window->Tabella()->setCurrentIndex(1);
    auto* exit = program.Find<AnimatedPicture>("Animazione_Uscita");
    auto* search = program.Find<AnimatedPicture>("Animazione_Cerca");
    auto tick = [&program](int times) {
        for (int i = 0; i < times; ++i) {
            for (AnimatedPicture* picture : program.window->Pictures()) picture->Tick();
        }
    };
    MovePointerOver(exit);
    MovePointerOver(search);
    tick(4);
    QCOMPARE(exit->Animation().Cell(), 4);
    QCOMPARE(search->Animation().Cell(), 2);
    // Moving into another control keeps them running.
    MovePointerOver(program.Find<QListWidget>("List1(1)"));
    QVERIFY(exit->Animation().Hovering());
    // The tab strip stops every picture but the search.
    MovePointerOver(program.window->Tabella()->tabBar());
    QVERIFY(!exit->Animation().Hovering());
    QCOMPARE(exit->Animation().Cell(), exit->Animation().RestCell());
    QVERIFY(search->Animation().Hovering());
    // A background stops the search too; the next hover starts again at frame 1.
    MovePointerOver(program.Find<QWidget>("SfondoTab(1)"));
    QVERIFY(!search->Animation().Hovering());
    QCOMPARE(search->Animation().Cell(), search->Animation().RestCell());
    MovePointerOver(exit);
    tick(1);
    QCOMPARE(exit->Animation().Cell(), 1);
    // The pointer leaves the picture for the background of its own column.
    QWidget* column = program.Find<QWidget>("SfondoColonna");
    QTest::mouseMove(column, QPoint(column->width() / 2, exit->y() - 30));
    QTRY_VERIFY(!exit->Animation().Hovering());
    QCOMPARE(exit->Animation().Cell(), exit->Animation().RestCell());
}

void SestineTest::unreadableArchiveIsSaidAtStart() {
    // A file where the archive's folder should be, and a folder where the archive should be.
    const std::vector<std::function<void(const std::filesystem::path&)>> breakages = {
        [](const std::filesystem::path& folder) {
            std::filesystem::remove_all(folder / "dati");
            std::ofstream(folder / "dati") << "";
        },
        [](const std::filesystem::path& folder) {
            std::filesystem::remove(folder / "dati" / "estraz09.txt");
            std::filesystem::create_directories(folder / "dati" / "estraz09.txt");
        },
    };
    for (const auto& breakArchive : breakages) {
        StartedProgram program(MadeUpArchive(5),
                               [&breakArchive](SestineHooks&, ProgramState& state, Platform& platform) {
                                   breakArchive(state.programFolder);
                                   static_cast<FakeDialogs&>(platform.dialogs).Answer(DialogAnswer::Ok);
                               });
        QCOMPARE(program.fakes.dialogs.questions().size(), std::size_t{1});
        const DialogQuestion& question = program.fakes.dialogs.questions().front();
        QCOMPARE(question.title, std::string("ATTENZIONE !!!"));
        QVERIFY2(question.text.find("estraz09.txt") != std::string::npos, question.text.c_str());
        QCOMPARE(program.state.RecordCount, 0);
    }
}

void SestineTest::activationShowsTheBoardInBlack() {
    StartedProgram program(MadeUpArchive(30));
    NumberLabel* label = program.Find<NumberLabel>("Numero(4)");
    label->SetTextColour(Qt::red);
    label->setText("x");
    program.window->AnimationTimer()->stop();
    program.window->Activate();
    QCOMPARE(label->TextColour(), QColor(Qt::black));
    QCOMPARE(label->text(), QString("5"));
    QVERIFY(program.window->AnimationTimer()->isActive());
}

void SestineTest::launchers() {
    {
        StartedProgram program(MadeUpArchive(30),
                               [](SestineHooks& hooks, ProgramState&, Platform&) { hooks.openers = {}; });
        // A test may leave the windows out: the launchers then open nothing.
        for (const char* name :
             {"CommandButton1", "CommandButton6", "CommandButton14", "CommandButton5", "CommandButton13"}) {
            QTest::mouseClick(program.Find<QPushButton>(name), Qt::LeftButton);
        }
        QCOMPARE(program.fakes.modal.opened(), 0);
        QVERIFY(program.window->findChildren<QDialog*>().isEmpty());
    }
    int modalOpened = 0;
    QPointer<QWidget> modal;
    QWidget* parentSeen = nullptr;
    int modelessOpened = 0;
    StartedProgram program(MadeUpArchive(30), [&](SestineHooks& hooks, ProgramState&, Platform&) {
        hooks.openers.Sistemi = [&](QWidget* parent) {
            ++modalOpened;
            parentSeen = parent;
            modal = new QDialog(parent);
            return modal.data();
        };
        hooks.openers.METODOVERTIBILI = [&](QWidget* parent) {
            ++modelessOpened;
            return new QWidget(parent);
        };
    });
    QVERIFY(program.Find<QPushButton>("CommandButton1")->isEnabled());
    program.Find<NumberLabel>("Numero(0)")->SetTextColour(Qt::red);
    program.fakes.sounds.log.clear();
    bool shownModal = false;
    program.fakes.modal.Expect([&](QWidget& window) { shownModal = &window == modal; });
    QTest::mouseClick(program.Find<QPushButton>("CommandButton1"), Qt::LeftButton);
    QCOMPARE(modalOpened, 1);
    QVERIFY(shownModal);
    QCOMPARE(parentSeen, program.window.get());
    QVERIFY(modal.isNull());  // unloaded when it closed
    QCOMPARE(program.fakes.sounds.log.back(), std::string("MMControl1 PLAY"));
    // Back from a modal window the board shows its marks again: none.
    QCOMPARE(program.Find<NumberLabel>("Numero(0)")->TextColour(), QColor(Qt::black));
    // The method window is modeless and opened once while it stays open.
    QTest::mouseClick(program.Find<QPushButton>("CommandButton14"), Qt::LeftButton);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton14"), Qt::LeftButton);
    QCOMPARE(modelessOpened, 1);
}

}  // namespace fortunara::test

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::SestineTest tests;
        return QTest::qExec(&tests, count, arguments);
    });
}

#include "sestine_test.moc"
