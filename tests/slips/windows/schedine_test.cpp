// The slip window: its controls and load step when "SCHEDINE" of the system window opens it, the
// slips of the result grid and of the current system, valori.tab, and the calibration page on paper.
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/qt/qt_paths.h"
#include "platform/qt/qt_printer.h"
#include "slips/windows/schedine.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"
#include "tests/windows/started_program.h"
#include "tests/windows/window_test_main.h"

namespace fortunara::test {

class SchedineTest : public QObject {
    Q_OBJECT

private slots:
    void opensFromSistemiAndPrintsItsResultGrid();
    void printsTheCurrentSystemAndStopsAtNo();
    void loadAndSave();
    void calibrationPageOnPaper();
};

namespace {

// VE, HO, T2, IX, DX, IY, DY.
const std::string kLayout = "\"2000\"\r\n\"1000\"\r\n\"T2\"\r\n\"300\"\r\n\"200\"\r\n\"250\"\r\n\"150\"\r\n";

template <class T>
T* Control(const QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr) qFatal("manca %s", name);
    return control;
}

QString Box(const QWidget& window, const char* name) {
    return Control<QLineEdit>(window, name)->text();
}

void Click(const QWidget& window, const char* name) {
    QTest::mouseClick(Control<QPushButton>(window, name), Qt::LeftButton);
}

void CheckEveryControl(const QWidget& window) {
    QCOMPARE(window.windowTitle(), QString("Fortunara"));
    const std::pair<const char*, const char*> buttons[] = {{"CommandButton5", "CARICA"},    {"CommandButton2", "SALVA"},
                                                           {"CommandButton6", "STAMPANTE"}, {"CommandButton1", "TEST"},
                                                           {"CommandButton3", "STAMPA"},    {"CommandButton4", "ESCI"}};
    for (const auto& [name, caption] : buttons) QCOMPARE(Control<QPushButton>(window, name)->text(), QString(caption));
    // Each box sits in its frame.
    const std::pair<const char*, const char*> boxes[] = {
        {"Text7", "Dimens.Y"},      {"Text6", "Dimens. X"},       {"Text8", "Interlinea Y"},
        {"Text5", "Interlinea X"},  {"Text14", "TAB 2 Schedine"}, {"Text1", "TAB Orizzontale"},
        {"Text2", "TAB Verticale"}, {"Text4", "Fine Schedina"},   {"Text3", "Inizio Schedina"}};
    for (const auto& [name, frame] : boxes) {
        const auto* holder = qobject_cast<QGroupBox*>(Control<QLineEdit>(window, name)->parentWidget());
        QVERIFY2(holder != nullptr, name);
        QCOMPARE(holder->title(), QString(frame));
    }
    QCOMPARE(Control<QRadioButton>(window, "Option3d1")->text(), QString("- Continua"));
    QCOMPARE(Control<QRadioButton>(window, "Option3d2")->text(), QString("- A Richiesta"));
    QVERIFY(Control<QRadioButton>(window, "Option3d1")->isChecked());
    QCOMPARE(qobject_cast<QGroupBox*>(Control<QRadioButton>(window, "Option3d1")->parentWidget())->title(),
             QString("Avanzamento Schedina"));
    QCOMPARE(qobject_cast<QGroupBox*>(Control<QPushButton>(window, "CommandButton5")->parentWidget())->title(),
             QString("Valori"));
    QCOMPARE(Control<QLabel>(window, "Label1")->text(), QString("OPZIONI STAMPA"));
    Control<QWidget>(window, "Sfondo");
}

// The mark of number n of panel p on kLayout, worked out square by square.
PrintMark Expected(int panel, int number) {
    const int row = (number + 7) / 14;
    const int column = (number + 7) % 14;
    const int left = 1000 + column * 300;
    const int top = 2000 + ((panel - 1) * 7 + row) * 250;
    return {left, top, left + 200, top + 150};
}

std::vector<PrintMark> Marks(const PrintJob& job) {
    std::vector<PrintMark> marks;
    for (const PrintPage& page : job.pages) marks.insert(marks.end(), page.marks.begin(), page.marks.end());
    return marks;
}

// The marks a slip of these combinations gets on kLayout: panel by panel, each panel's numbers in
// ascending order.
std::vector<PrintMark> ExpectedSlip(std::vector<std::vector<int>> panels) {
    std::vector<PrintMark> marks;
    for (std::size_t p = 0; p < panels.size(); ++p) {
        std::sort(panels[p].begin(), panels[p].end());
        for (const int n : panels[p]) marks.push_back(Expected(static_cast<int>(p) + 1, n));
    }
    return marks;
}

std::vector<int> GridRow(const Sistemi& sistemi, int row) {
    std::vector<int> numbers;
    for (int c = 1; c <= 6; ++c) numbers.push_back(sistemi.GridModel().CellText(row, c).toInt());
    return numbers;
}

void ExpectQuestions(const FakeDialogs& dialogs, const std::vector<std::string>& texts) {
    std::vector<std::string> asked;
    for (const DialogQuestion& question : dialogs.questions()) {
        if (question.kind != DialogKind::Message) continue;
        QCOMPARE(question.title, std::string("RICHIESTA"));
        QCOMPARE(question.buttons, DialogButtons::YesNo);
        QCOMPARE(question.icon, DialogIcon::None);
        asked.push_back(question.text);
    }
    QCOMPARE(asked, texts);
}

const std::string kFirst = "   INSERISCI LA PRIMA SCHEDINA";
const std::string kNext = "   INSERISCI LA PROSSIMA SCHEDINA";

// The slip window on its own, on a fresh folder with kLayout and a system of `count` combinations,
// combination c holding c and the five numbers after it.
Platform WithPrinter(Platform platform, Printer* printer) {
    if (printer == nullptr) return platform;
    return Platform{*printer,          platform.dialogs,    platform.clipboard, platform.sounds,
                    platform.launcher, platform.downloader, platform.modal};
}

struct SchedineBench {
    TempFolder folder;
    ProgramState state;
    FakePlatform fakes;
    Platform platform;
    std::unique_ptr<Schedine> window;

    explicit SchedineBench(int count, Printer* printer = nullptr) : platform(WithPrinter(fakes.platform(), printer)) {
        folder.WriteFile("matrion/valori.tab", kLayout);
        state.programFolder = folder.path();
        state.ClickSoundOn = 0;
        state.TicketCount = count;
        state.TicketSize = 6;
        for (int c = 1; c <= count; ++c) {
            for (int j = 0; j < 6; ++j) state.TicketNumbers.push_back(c + j);
        }
        window = std::make_unique<Schedine>(state, platform);
    }
};

}  // namespace

void SchedineTest::opensFromSistemiAndPrintsItsResultGrid() {
    StartedProgram program(MadeUpArchive(30));
    program.folder.WriteFile("matrion/valori.tab", kLayout);
    program.state.ClickSoundOn = 0;
    bool printed = false;
    program.fakes.modal.Expect([&](QWidget& window) {
        auto& sistemi = static_cast<Sistemi&>(window);
        // The program's system window has its slip window: "SCHEDINE" is no longer in preparation.
        QVERIFY(sistemi.CommandButton7->isEnabled());
        QCOMPARE(sistemi.CommandButton7->toolTip(), QString());
        sistemi.Textbox1->setText("7");
        for (const int n : {40, 2, 9, 15, 33, 71, 88}) program.fakes.dialogs.AnswerText(std::to_string(n));
        sistemi.CommandButton1->click();
        sistemi.CommandButton11->click();
        QVERIFY(QTest::qWaitFor([&] { return !sistemi.Running(); }, 20000));
        QCOMPARE(program.state.TicketCount, 7);

        program.fakes.modal.Expect([&](QWidget& slips) {
            QCOMPARE(slips.objectName(), QString("Schedine"));
            CheckEveryControl(slips);
            QCOMPARE(program.state.SlipSource, 99);
            QCOMPARE(program.state.PrintMode, 3);
            QCOMPARE(Box(slips, "Text3"), QString("1"));
            QCOMPARE(Box(slips, "Text4"), QString("7"));
            QCOMPARE(Box(slips, "Text2"), QString("2000"));
            QCOMPARE(Box(slips, "Text14"), QString("T2"));
            QCOMPARE(Box(slips, "Text7"), QString("150"));
            // The development left nothing in TicketNumbers: the slips come from the grid.
            for (int k = 0; k < 3; ++k) program.fakes.dialogs.Answer(DialogAnswer::Yes);
            Click(slips, "CommandButton3");
            printed = true;
        });
        sistemi.CommandButton7->click();
        QCOMPARE(program.fakes.printer.jobs.size(), std::size_t{2});
        const std::vector<PrintJob>& jobs = program.fakes.printer.jobs;
        QCOMPARE(Marks(jobs[0]), ExpectedSlip({GridRow(sistemi, 1), GridRow(sistemi, 2), GridRow(sistemi, 3),
                                               GridRow(sistemi, 4), GridRow(sistemi, 5)}));
        QCOMPARE(Marks(jobs[1]), ExpectedSlip({GridRow(sistemi, 6), GridRow(sistemi, 7)}));
        QCOMPARE(GridRow(sistemi, 1), (std::vector<int>{40, 2, 9, 15, 33, 71}));
        QVERIFY(jobs[0].AllLines().empty());
    });
    program.window->Tabella()->setCurrentIndex(4);
    QTest::mouseClick(program.Find<QPushButton>("CommandButton1"), Qt::LeftButton);
    QVERIFY(printed);
    ExpectQuestions(program.fakes.dialogs, {kFirst, kNext, kNext});
    QCOMPARE(program.fakes.modal.opened(), 2);
}

void SchedineTest::printsTheCurrentSystemAndStopsAtNo() {
    {
        SchedineBench bench(12);
        bench.window->findChild<QLineEdit*>("Text3")->setText("3");
        for (int k = 0; k < 3; ++k) bench.fakes.dialogs.Answer(DialogAnswer::Yes);
        Click(*bench.window, "CommandButton3");
        // Combinations 3 to 7, then 8 to 12 with no questions left unanswered.
        ExpectQuestions(bench.fakes.dialogs, {kFirst, kNext, kNext});
        QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{2});
        QCOMPARE(Marks(bench.fakes.printer.jobs[0]), ExpectedSlip({{3, 4, 5, 6, 7, 8},
                                                                   {4, 5, 6, 7, 8, 9},
                                                                   {5, 6, 7, 8, 9, 10},
                                                                   {6, 7, 8, 9, 10, 11},
                                                                   {7, 8, 9, 10, 11, 12}}));
    }
    {
        // Past the system's last combination the panels stay unmarked.
        SchedineBench bench(6);
        bench.fakes.dialogs.Answer(DialogAnswer::Yes);
        bench.fakes.dialogs.Answer(DialogAnswer::Yes);
        bench.fakes.dialogs.Answer(DialogAnswer::No);
        bench.window->findChild<QLineEdit*>("Text4")->setText("12");
        Click(*bench.window, "CommandButton3");
        ExpectQuestions(bench.fakes.dialogs, {kFirst, kNext, kNext});
        QCOMPARE(bench.fakes.printer.jobs.size(), std::size_t{2});
        QCOMPARE(Marks(bench.fakes.printer.jobs[1]), ExpectedSlip({{6, 7, 8, 9, 10, 11}}));
    }
    {
        SchedineBench bench(12);
        bench.fakes.dialogs.Answer(DialogAnswer::No);
        QPushButton* stampa = bench.window->findChild<QPushButton*>("CommandButton3");
        const Qt::CursorShape pointer = stampa->cursor().shape();
        Click(*bench.window, "CommandButton3");
        ExpectQuestions(bench.fakes.dialogs, {kFirst});
        QVERIFY(bench.fakes.printer.jobs.empty());
        QCOMPARE(stampa->cursor().shape(), pointer);
        QVERIFY(pointer != Qt::WaitCursor);
        // First after last: the first question only.
        bench.window->findChild<QLineEdit*>("Text3")->setText("13");
        bench.fakes.dialogs.Answer(DialogAnswer::Yes);
        Click(*bench.window, "CommandButton3");
        QVERIFY(bench.fakes.printer.jobs.empty());
        QCOMPARE(bench.fakes.dialogs.questions().size(), std::size_t{2});
    }
}

void SchedineTest::loadAndSave() {
    SchedineBench bench(0);
    QCOMPARE(Box(*bench.window, "Text4"), QString("0"));
    QCOMPARE(bench.state.PrintMode, 3);
    Control<QLineEdit>(*bench.window, "Text1")->setText("9");
    Control<QLineEdit>(*bench.window, "Text6")->setText("altro");
    Click(*bench.window, "CommandButton5");
    QCOMPARE(Box(*bench.window, "Text1"), QString("1000"));
    QCOMPARE(Box(*bench.window, "Text6"), QString("200"));
    Click(*bench.window, "CommandButton5");
    QCOMPARE(Box(*bench.window, "Text1"), QString("1000"));

    Control<QLineEdit>(*bench.window, "Text8")->setText(" 254,5 circa");
    Click(*bench.window, "CommandButton2");
    QCOMPARE(bench.folder.ReadFile("matrion/valori.tab"),
             std::string("\"2000\"\r\n\"1000\"\r\n\"T2\"\r\n\"300\"\r\n\"200\"\r\n\" 254,5 circa\"\r\n\"150\"\r\n"));

    // A short file fills the boxes of its lines; the others keep their texts.
    bench.folder.WriteFile("matrion/valori.tab", "\"1500\"\r\n");
    Click(*bench.window, "CommandButton5");
    QCOMPARE(Box(*bench.window, "Text2"), QString("1500"));
    QCOMPARE(Box(*bench.window, "Text1"), QString("1000"));

    std::filesystem::remove_all(bench.folder.path() / "matrion");
    bench.folder.WriteFile("matrion", "");
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    Click(*bench.window, "CommandButton2");
    QCOMPARE(
        bench.fakes.dialogs.MessageTexts(),
        std::vector<std::string>{"IMPOSSIBILE SCRIVERE IL FILE valori.tab NELLA CARTELLA " +
                                 (bench.folder.path() / "matrion").string() + ": I VALORI NON SONO STATI SALVATI"});
    QCOMPARE(bench.fakes.dialogs.questions().back().title, std::string("ATTENZIONE !!!"));

    // "STAMPANTE" is the printer's own selection dialog.
    Click(*bench.window, "CommandButton6");
    QCOMPARE(bench.fakes.printer.chooseCalls, 1);
}

void SchedineTest::calibrationPageOnPaper() {
    TempFolder paper;
    FakeDialogs told;
    QtPrinter printer(paper.path(), told);
    printer.ForcePdf(true);
    SchedineBench bench(0, &printer);
    std::filesystem::copy_file(Assets() / "matrion" / "valori.tab", bench.folder.path() / "matrion" / "valori.tab",
                               std::filesystem::copy_options::overwrite_existing);
    Click(*bench.window, "CommandButton5");
    told.Answer(DialogAnswer::Ok);
    Click(*bench.window, "CommandButton1");
    const std::filesystem::path pdf = printer.LastFile();
    QCOMPARE(pdf.parent_path(), paper.path() / "stampe");
    QCOMPARE(told.MessageTexts(), std::vector<std::string>{"STAMPA SALVATA NEL FILE " + pdf.string()});

    constexpr int kDpi = 100;
    const std::filesystem::path prefix = paper.path() / "pagina";
    QCOMPARE(QProcess::execute(
                 "pdftoppm", {"-gray", "-r", QString::number(kDpi), "-singlefile", ToQString(pdf), ToQString(prefix)}),
             0);
    const QImage sheet(ToQString(prefix) + ".pgm");
    QVERIFY(!sheet.isNull());
    QCOMPARE(sheet.width(), 827);  // A4 at 100 dots per inch

    // The printable area starts 15 mm from the sheet's edges; a twip is 1/1440 inch.
    const auto dots = [](double twips) { return 15 / 25.4 * kDpi + twips / 1440 * kDpi; };
    const int ho = 1440, ve = 1440, ix = 340, dx = 170, iy = 255, dy = 113;  // the bundled values
    const auto grey = [&](double x, double y) {
        return qGray(sheet.pixel(static_cast<int>(dots(x)), static_cast<int>(dots(y))));
    };
    for (const int panel : {1, 3, 5}) {
        for (const int number : {1, 6, 7, 45, 76, 90}) {
            const int row = (panel - 1) * 7 + (number + 7) / 14;
            const int column = (number + 7) % 14;
            const double x = ho + column * ix;
            const double y = ve + row * iy;
            QVERIFY2(grey(x + dx / 2.0, y + dy / 2.0) < 64, qPrintable(QString("%1 / %2").arg(panel).arg(number)));
            // Nothing between a square and the next one, or the row below.
            QVERIFY(grey(x + (dx + ix) / 2.0, y + dy / 2.0) > 192);
            QVERIFY(grey(x + dx / 2.0, y + (dy + iy) / 2.0) > 192);
        }
        // The first eight squares of a panel carry no number.
        for (int column = 0; column < 8; ++column) {
            QVERIFY(grey(ho + column * ix + dx / 2.0, ve + (panel - 1) * 7 * iy + dy / 2.0) > 192);
        }
    }
    // Nothing above or left of the first squares.
    QVERIFY(grey(ho / 2.0, ve / 2.0) > 192);
}

}  // namespace fortunara::test

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::test::SchedineTest test;
        return QTest::qExec(&test, count, arguments);
    });
}

#include "schedine_test.moc"
