#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

#include "tests/matrices/windows/archivio_bench.h"
#include "tests/matrices/windows/archivio_tests.h"
#include "tests/windows/started_program.h"

namespace fortunara::test {

namespace {

const char kLibrary[] = "\"\"\r\n\"12N03006.SIS\"\r\n\"STOP\"\r\n";
const char kWarning[] = "ATTENZIONE !!!";

void Type(const ArchivioBench& bench, const QString& quantity, const QString& combinations) {
    bench.Find<QLineEdit>("TextBox1")->setText(quantity);
    bench.Find<QLineEdit>("TextBox2")->setText(combinations);
}

std::vector<std::string> MatrixFolderFiles(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(folder.path() / "matrion")) {
        names.push_back(file.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

void ArchivioEditorTest::typedMatrixIsWrittenAndRegistered() {
    ArchivioBench bench(kLibrary);
    Type(bench, "7", "8");
    // The seven combinations of six of seven numbers, then the first again.
    const std::vector<std::vector<int>> combinations = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 6, 7},
                                                        {1, 2, 3, 5, 6, 7}, {1, 2, 4, 5, 6, 7}, {1, 3, 4, 5, 6, 7},
                                                        {2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6}};
    std::string expected = "7\r\n8\r\n 6 \r\n";
    for (const std::vector<int>& combination : combinations) {
        for (const int n : combination) {
            if (&combination == &combinations[0] && n == 3) {
                bench.fakes.dialogs.AnswerText("8");  // above the quantity: said, then asked again
                bench.fakes.dialogs.Answer(DialogAnswer::Ok);
            }
            bench.fakes.dialogs.AnswerText(std::to_string(n));
            expected += " " + std::to_string(n) + " \r\n";
        }
    }
    bench.Click("CommandButton24");

    QCOMPARE(bench.folder.ReadFile("matrion/07N00806.SIS"), expected);
    QCOMPARE(bench.folder.ReadFile("matrion/SISTEMI.TXT"), IndexOf({"12N03006.SIS", "07N00806.SIS"}));
    const std::vector<std::string> list = Texts(*bench.Find<QListWidget>("List2"));
    QCOMPARE(list.size(), std::size_t{9});
    QCOMPARE(list[0], std::string("FILE : 07N00806.SIS"));
    QCOMPARE(list[1], std::string("        1    2    3    4    5    6"));
    QCOMPARE(list[7], std::string("        2    3    4    5    6    7"));
    const std::vector<DialogQuestion>& asked = bench.fakes.dialogs.questions();
    QCOMPARE(asked.size(), std::size_t{50});
    QCOMPARE(asked[0].kind, DialogKind::Input);
    QCOMPARE(asked[0].title, std::string("IMMETTI IL NUMERO "));
    QCOMPARE(asked[0].text, std::string());
    QCOMPARE(asked[0].leftTwips, 100);
    QCOMPARE(asked[0].topTwips, 3500);
    QCOMPARE(asked[3].text, std::string("I NUMERI DEVONO ESSERE DA 1 A  7"));
    QCOMPARE(asked[3].title, std::string("Fortunara"));
    QCOMPARE(bench.state.CurrentMatrixName, std::string("07N00806.SIS"));

    // Three comments, then an empty answer: seven empty comment lines complete the ten.
    for (const char* comment : {"SETTE NUMERI", "OTTO SESTINE", "PROVA", ""}) bench.fakes.dialogs.AnswerText(comment);
    bench.Click("CommandButton25");
    QCOMPARE(Texts(*bench.Find<QListWidget>("List2")),
             (std::vector<std::string>{"SETTE NUMERI", "OTTO SESTINE", "PROVA"}));
    std::string commented = expected + "\"SETTE NUMERI\"\r\n\"OTTO SESTINE\"\r\n\"PROVA\"\r\n";
    for (int i = 0; i < 7; ++i) commented += "\"\"\r\n";
    QCOMPARE(bench.folder.ReadFile("matrion/07N00806.SIS"), commented);
    QCOMPARE(bench.fakes.dialogs.questions()[50].text, std::string("IMMETTI IL COMMENTO N'  1"));
    QCOMPARE(bench.fakes.dialogs.questions()[50].title, std::string("IMMETTI IL COMMENTO "));

    bench.Click("CommandButton23");
    const std::string matrix = (bench.folder.path() / "matrion" / "07N00806.SIS").string();
    QCOMPARE(bench.fakes.launcher.calls, std::vector<std::string>{"TEXT " + matrix});
    bench.fakes.launcher.result = false;
    bench.fakes.dialogs.Answer(DialogAnswer::Ok);
    bench.Click("CommandButton23");
    QCOMPARE(bench.fakes.dialogs.questions().back().text,
             std::string("IMPOSSIBILE APRIRE L'EDITOR DI TESTO SUL FILE 07N00806.SIS"));
    QCOMPARE(bench.fakes.dialogs.pending(), std::size_t{0});
}

void ArchivioEditorTest::refusalsWriteNothing() {
    ArchivioBench bench(kLibrary);
    struct Case {
        const char* button;
        QString quantity;
        QString combinations;
        std::string message;
    };
    const std::string missing = "    MANCA QUALCHE PARAMETRO   QUANTITA ,   BOLLETTA , TIPO";
    const Case cases[] = {
        {"CommandButton25", "7", "8", " PRIMA DEVI IMMETTERE TUTTI I NUMERI "},
        {"CommandButton23", "7", "8", "NESSUNA MATRICE: PRIMA SCRIVINE UNA CON \"NUMERI\""},
        {"CommandButton24", "7", "", missing},
    };
    for (const Case& c : cases) {
        Type(bench, c.quantity, c.combinations);
        bench.fakes.dialogs.Answer(DialogAnswer::Ok);
        bench.Click(c.button);
        const DialogQuestion& question = bench.fakes.dialogs.questions().back();
        QCOMPARE(question.text, c.message);
        QCOMPARE(question.title, std::string(kWarning));
        QCOMPARE(question.icon, DialogIcon::Warning);
    }
    QCOMPARE(bench.fakes.dialogs.questions().size(), std::size_t{3});
    QCOMPARE(MatrixFolderFiles(bench.folder), std::vector<std::string>{"SISTEMI.TXT"});
    QCOMPARE(bench.Find<QListWidget>("List2")->count(), 0);
    QVERIFY(bench.fakes.launcher.calls.empty());
}

void ArchivioEditorTest::cancelledEntryStaysUnregistered() {
    ArchivioBench bench(kLibrary);
    QTest::mouseClick(bench.Find<QRadioButton>("OptionButton1(7)"), Qt::LeftButton);  // "Decine   --"
    Type(bench, "12", "25");
    for (int n = 1; n <= 10; ++n) bench.fakes.dialogs.AnswerText(std::to_string(n));
    bench.fakes.dialogs.AnswerText("");
    bench.Click("CommandButton24");
    QCOMPARE(
        Texts(*bench.Find<QListWidget>("List2")),
        (std::vector<std::string>{"FILE : 12N02510.SIS", "        1    2    3    4    5    6    7    8    9  10"}));
    const std::string partial =
        "12\r\n25\r\n 10 \r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n";
    QCOMPARE(bench.folder.ReadFile("matrion/12N02510.SIS"), partial);
    QCOMPARE(bench.folder.ReadFile("matrion/SISTEMI.TXT"), std::string(kLibrary));
    QCOMPARE(bench.state.CurrentMatrixName, std::string("12N02510.SIS"));

    // The same name again asks first; No leaves the part typed as it is.
    bench.fakes.dialogs.Answer(DialogAnswer::No);
    bench.Click("CommandButton24");
    const DialogQuestion& question = bench.fakes.dialogs.questions().back();
    QCOMPARE(question.text,
             std::string(
                 "IL FILE 12N02510.SIS C'E' GIA' NELLA CARTELLA matrion: LA NUOVA MATRICE LO SOSTITUISCE. CONTINUO?"));
    QCOMPARE(question.buttons, DialogButtons::YesNoDefaultNo);
    QCOMPARE(bench.folder.ReadFile("matrion/12N02510.SIS"), partial);
    QCOMPARE(bench.Find<QListWidget>("List2")->count(), 2);

    // Yes starts afresh over it.
    bench.fakes.dialogs.Answer(DialogAnswer::Yes);
    bench.fakes.dialogs.AnswerText("");
    bench.Click("CommandButton24");
    QCOMPARE(bench.folder.ReadFile("matrion/12N02510.SIS"), std::string("12\r\n25\r\n 10 \r\n"));
    QCOMPARE(bench.fakes.dialogs.pending(), std::size_t{0});
}

}  // namespace fortunara::test
