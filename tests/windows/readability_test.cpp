// Every window and tab of the program, filled with what makes its texts widest (two-digit numbers,
// the widest date, the largest counts), must show each grid cell, label and button caption whole.
// ctest runs it on the offscreen platform and, where xvfb-run is installed, on a real X server,
// each at scale 1 and 1.5: the fonts there are hinted differently and a column that fits in one
// can cut its numbers with "…" in the other.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "app/program/program_folder.h"
#include "app/windows/setup_window.h"
#include "archive/core/draw_record.h"
#include "archive/windows/browser.h"
#include "archive/windows/form18.h"
#include "archive/windows/form45.h"
#include "checks/windows/controllo.h"
#include "checks/windows/presenti.h"
#include "matrices/core/matrix_files.h"
#include "matrices/windows/archivio.h"
#include "slips/windows/schedine.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/sistemi_launcher.h"
#include "tests/windows/started_program.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/window_test_main.h"
#include "ui/animated_picture.h"
#include "ui/look.h"
#include "ui/number_board.h"
#include "vertible/windows/metodovertibili.h"

namespace fortunara::test {

namespace {

// The bundled archive's draws and a newest one with the widest date and numbers.
std::string WidestArchive() {
    return GoldenArchive() + FormatDrawRecord("28MAG2088", {88, 90, 77, 86, 80, 89, 78, 87});
}

// Sixteen numbers of two digits: developed whole they make 8008 combinations.
constexpr int kSixteen[] = {10, 18, 22, 29, 33, 38, 44, 48, 55, 59, 66, 68, 77, 80, 88, 90};

// A played system of 1666 combinations of two-digit numbers, as many as a load keeps.
void WriteLargeSystem(const std::filesystem::path& file) {
    MatrixData data;
    data.numberCount = 81;
    data.comboSize = 6;
    data.comboCount = 1666;
    for (int k = 0; k < data.comboCount * data.comboSize; ++k) data.numbers.push_back(10 + (k * 7) % 81);
    data.comments[0] = " SISTEMA DI 81 NUMERI IN  1666 SESTINE";
    QVERIFY(WriteSystemFile(file, data).ok());
}

void Settle(QWidget& window) {
    if (!window.isVisible()) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QApplication::processEvents();
}

// FORTUNARA_READABILITY_SHOTS=DIR keeps a picture of each window as it was checked, to look at.
void KeepPicture(QWidget& window, const QString& what) {
    const QString folder = qEnvironmentVariable("FORTUNARA_READABILITY_SHOTS");
    if (folder.isEmpty()) return;
    QString name = what;
    name.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    window.grab().save(QDir(folder).filePath(name + ".png"));
}

void ExpectReadable(QWidget& window, const QString& what) {
    Settle(window);
    KeepPicture(window, what);
    const std::vector<QString> unfit = UnfitTexts(window);
    QString report;
    for (const QString& finding : unfit) report += "\n  " + finding;
    QVERIFY2(unfit.empty(), qPrintable(what + ":" + report));
}

void ExpectEveryTabReadable(QWidget& window, QTabWidget& tabs, const QString& what) {
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        ExpectReadable(window, QString("%1, tab %2").arg(what).arg(tab));
        if (QTest::currentTestFailed()) return;
    }
}

template <class T>
T* Find(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) qWarning("manca %s", name);
    return found;
}

// A program folder with the bundled matrices, sounds and slip values, and the widest archive.
struct Folder {
    Folder() {
        QVERIFY(FillProgramFolder(folder.path(), Assets()).ok());
        folder.WriteArchive(WidestArchive());
        state.programFolder = folder.path();
        state.RecordCount = static_cast<int>(WidestArchive().size() / 25);
        state.ClickSoundOn = 0;
        fakes.dialogs.lenient = true;
    }
    TempFolder folder;
    FakePlatform fakes;
    Platform platform = fakes.platform();
    ProgramState state;
};

}  // namespace

class ReadabilityTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowTabs();
    void settingsWindow();
    void systemWindow();
    void matrixWindow();
    void checkWindows();
    void slipWindow();
    void methodWindow();
    void archiveWindows();
};

void ReadabilityTest::mainWindowTabs() {
    StartedProgram program(WidestArchive(), [](SestineHooks&, ProgramState& state, Platform&) {
        QVERIFY(FillProgramFolder(state.programFolder, Assets()).ok());
    });
    program.fakes.dialogs.lenient = true;
    Sestine& window = *program.window;
    Settle(window);
    // Every number searched as a quaterna in all eight places over the whole archive: the largest
    // frequency a search of this archive gives.
    for (int n = 0; n < 90; ++n)
        QTest::mouseClick(program.Find<NumberLabel>(QString("Numero(%1)").arg(n)), Qt::LeftButton);
    program.Find<QRadioButton>("Option1(3)")->setChecked(true);
    for (int p = 7; p <= 8; ++p) program.Find<QAbstractButton>(QString("Check2(%1)").arg(p))->setChecked(true);
    program.Find<QScrollBar>("HScroll1")->setValue(1);
    QTest::mouseClick(program.Find<AnimatedPicture>("Animazione_Cerca"), Qt::LeftButton);
    program.Find<QPushButton>("CommandButton12")->click();
    program.Find<QLineEdit>("Textbox1")->setText("90");
    program.Find<QPushButton>("CommandButton10")->click();
    ExpectEveryTabReadable(window, *window.Tabella(), "Sestine");
}

void ReadabilityTest::settingsWindow() {
    Folder f;
    Setup window(f.state, f.platform);
    ExpectReadable(window, "Setup");
}

void ReadabilityTest::systemWindow() {
    Folder f;
    SistemiLauncher launcher(f.state, f.platform);
    std::unique_ptr<Sistemi> window(launcher.Make(nullptr));
    Settle(*window);
    for (std::size_t i = 0; i < std::size(kSixteen); ++i) f.state.ForecastNumbers[i + 1] = kSixteen[i];
    window->HandOverForecast(static_cast<int>(std::size(kSixteen)));
    window->CommandButton11->click();
    QVERIFY(QTest::qWaitFor([&] { return !window->Running(); }, 60000));
    ExpectEveryTabReadable(*window, *window->SSTab1, "Sistemi after SVILUPPO");

    const std::filesystem::path file = f.folder.path() / "GRANDE.SSI";
    WriteLargeSystem(file);
    f.fakes.dialogs.AnswerText(file.string());
    window->SSTab1->setCurrentIndex(0);
    window->CommandButton2->click();
    ExpectReadable(*window, "Sistemi after CARICA");

    // Two-digit numbers and bounds typed into the "Link AND" grid.
    window->SSTab1->setCurrentIndex(2);
    auto* groups = Find<QTableWidget>(*window, "grid2");
    const struct {
        int row, column, value;
    } typed[] = {{32, 1, 2}, {33, 1, 3}, {1, 49, 89}, {1, 1, 88}, {2, 1, 90}, {3, 1, 77}};
    for (const auto& cell : typed) {
        f.fakes.dialogs.AnswerText(std::to_string(cell.value));
        emit groups->cellClicked(cell.row, cell.column);
    }
    ExpectReadable(*window, "Sistemi, Link AND");
}

void ReadabilityTest::matrixWindow() {
    Folder f;
    ArchivioOpeners openers;
    openers.Sistemi = [](QWidget*) -> QWidget* { return nullptr; };
    openers.Presenti = [](QWidget*) -> QWidget* { return nullptr; };
    Archivio window(f.state, f.platform, openers);
    Settle(window);
    auto* quantities = Find<QListWidget>(window, "List1");
    quantities->setCurrentRow(quantities->count() - 1);
    emit quantities->itemClicked(quantities->currentItem());
    ExpectEveryTabReadable(window, *Find<QTabWidget>(window, "SSTab1"), "Archivio");
}

void ReadabilityTest::checkWindows() {
    Folder f;
    // Opened from the forecast's matrix list: ten forecast numbers of two digits.
    f.state.SelectedMatrixFile = "10N03506.SIS";
    f.state.OpenedFromList = 1;
    for (int n : {81, 82, 83, 84, 85, 86, 87, 88, 89, 90}) f.state.SearchNumbers[static_cast<std::size_t>(n)] = 1;
    PresentiOpeners openers;
    openers.Controllo = [](QWidget*) -> QWidget* { return nullptr; };
    openers.Schedine = [](QWidget*) -> QWidget* { return nullptr; };
    Presenti presenti(f.state, f.platform, openers);
    ExpectReadable(presenti, "Presenti from the matrix list");

    const std::filesystem::path file = f.folder.path() / "GRANDE.SSI";
    WriteLargeSystem(file);
    f.fakes.dialogs.AnswerText(file.string());
    Find<QPushButton>(presenti, "CommandButton2")->click();
    ExpectReadable(presenti, "Presenti after CARICA");

    Controllo controllo(f.state, f.platform);
    Settle(controllo);
    Find<QPushButton>(controllo, "CommandButton2")->click();
    ExpectReadable(controllo, "Controllo");
}

void ReadabilityTest::slipWindow() {
    Folder f;
    f.state.TicketCount = 1666;
    Schedine window(f.state, f.platform);
    ExpectReadable(window, "Schedine");
}

void ReadabilityTest::methodWindow() {
    Folder f;
    METODOVERTIBILI window(f.state, f.platform);
    Settle(window);
    auto* method = Find<QComboBox>(window, "Combo2");
    method->setCurrentIndex(0);
    emit method->activated(0);
    ExpectReadable(window, "METODOVERTIBILI");
    Find<QPushButton>(window, "Command1")->click();
    auto* panel = Find<QFrame>(window, "SSPanel1");
    QTRY_COMPARE(panel->x(), 0);
    ExpectReadable(window, "METODOVERTIBILI, result panel");
}

void ReadabilityTest::archiveWindows() {
    Folder f;
    FORM18 prompt;
    Find<QLineEdit>(prompt, "Text1")->setText("88");
    ExpectReadable(prompt, "FORM18");
    Browser browser(f.state, f.platform, {});
    Find<QPlainTextEdit>(browser, "Text1")->setPlainText("28/05/2088\t88\t90\t77\t86\t80\t89\t78\t87");
    Find<QPushButton>(browser, "Command1")->click();
    ExpectReadable(browser, "Browser");
    Form45 download(f.state, f.platform, {});
    ExpectReadable(download, "Form45");
}

}  // namespace fortunara::test

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::ReadabilityTest test;
        return QTest::qExec(&test, count, arguments);
    });
}

#include "readability_test.moc"
