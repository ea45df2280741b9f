#include <gtest/gtest.h>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "matrices/core/text_fields.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::TempFolder;

TEST(MatrixFileName, FieldsInFixedWidths) {
    EXPECT_EQ(MatrixFileName(12, 30, 6), "12N03006.SIS");
    EXPECT_EQ(MatrixFileName(7, 8, 6), "07N00806.SIS");
    EXPECT_EQ(MatrixFileName(90, 120, 10), "90N12010.SIS");
    EXPECT_EQ(MatrixFileName(10, 999, 6), "10N99906.SIS");
    EXPECT_EQ(MatrixFileName(10, 1000, 6), std::nullopt);  // would not fit the three characters
    EXPECT_EQ(MatrixFileName(100, 10, 6), std::nullopt);
    EXPECT_EQ(MatrixFileName(10, -1, 6), std::nullopt);
}

TEST(TextFields, ReadingRule) {
    struct Case {
        const char* line;
        const char* text;
        long long number;
    };
    const Case cases[] = {
        {" 12 ", "12", 12},
        {"\"12\"", "12", 12},
        {"-3 ", "-3", -3},
        {"", "", 0},
        {"\"\"", "", 0},
        {"abc", "abc", 0},
        {"12abc", "12abc", 12},
        {"CIAO, MONDO", "CIAO", 0},
        {"\"CIAO, MONDO\"", "CIAO, MONDO", 0},
        {"  \"A\" coda", "A", 0},
        {"7.6", "7.6", 8},
        {"\"senza fine", "senza fine", 0},
        {"+4", "+4", 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldText(c.line), c.text) << c.line;
        EXPECT_EQ(FieldNumber(c.line), c.number) << c.line;
    }
    EXPECT_EQ(PlainNumberLine(5), " 5 ");
    EXPECT_EQ(PlainNumberLine(-5), "-5 ");
    EXPECT_EQ(QuotedNumberLine(12), "\"12\"");
    EXPECT_EQ(QuotedTextLine("DI \"TUTTO\""), "\"DI 'TUTTO'\"");  // no escape in the format
}

MatrixData SampleData() {
    MatrixData data;
    data.numberCount = 7;
    data.comboCount = 2;
    data.comboSize = 6;
    data.numbers = {1, 2, 3, 4, 5, 6, 2, 3, 4, 5, 6, 7};
    data.comments = {"CIAO, MONDO", "PERCHÉ NO", "", "4", "5", "6", "7", "8", "9", "10"};
    return data;
}

TEST(MatrixFiles, MatrixAndPlayedSystemWriteTheirEncodingsAndReadBackAlike) {
    TempFolder folder;
    std::filesystem::create_directories(MatrixFolder(folder.path()));
    const MatrixData data = SampleData();
    ASSERT_TRUE(WriteMatrixFile(folder.path(), "07N00206.SIS", data).ok());
    ASSERT_TRUE(WriteSystemFile(folder.path() / "gioco.SSI", data).ok());

    const std::string matrix = folder.ReadFile("matrion/07N00206.SIS");
    EXPECT_EQ(matrix.substr(0, 23), " 7 \r\n 2 \r\n 6 \r\n 1 \r\n 2 ");
    EXPECT_NE(matrix.find("\"CIAO, MONDO\"\r\n\"PERCH\xC9 NO\"\r\n\"\"\r\n"), std::string::npos);  // Windows-1252
    const std::string played = folder.ReadFile("gioco.SSI");
    EXPECT_EQ(played.substr(0, 20), "\"7\"\r\n\"2\"\r\n\"6\"\r\n\"1\"\r\n");
    EXPECT_EQ(std::count(played.begin(), played.end(), '\n'), 3 + 12 + 10);

    for (const MatrixRead& read :
         {ReadMatrixFile(folder.path(), "07N00206.SIS"), ReadSystemFile(folder.path() / "gioco.SSI")}) {
        ASSERT_TRUE(read.ok());
        EXPECT_TRUE(read.complete);
        EXPECT_EQ(read.data.numberCount, 7);
        EXPECT_EQ(read.data.comboCount, 2);
        EXPECT_EQ(read.data.comboSize, 6);
        EXPECT_EQ(read.data.numbers, data.numbers);
        EXPECT_EQ(read.data.comments, data.comments);
    }
    // Nothing left behind by the replacement through a temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(MatrixFolder(folder.path())), {}), 1);
}

TEST(MatrixFiles, ShortMissingAndLfOnlyFiles) {
    TempFolder folder;
    folder.WriteFile("corto.SSI", "\"7\"\n\"2\"\n\"6\"\n\"1\"\n\"2\"\n");  // LF alone, ends after two numbers
    const MatrixRead shortFile = ReadSystemFile(folder.path() / "corto.SSI");
    EXPECT_TRUE(shortFile.ok());
    EXPECT_FALSE(shortFile.complete);
    EXPECT_EQ(shortFile.data.comboCount, 2);
    EXPECT_EQ(shortFile.data.numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(shortFile.commentsRead, 0);

    folder.WriteFile("enorme.SSI", "90\r\n2000000000\r\n6\r\n5\r\n");  // a count far beyond the file
    const MatrixRead huge = ReadSystemFile(folder.path() / "enorme.SSI");
    EXPECT_FALSE(huge.complete);
    EXPECT_EQ(huge.data.numbers, std::vector<int>{5});

    const MatrixRead missing = ReadSystemFile(folder.path() / "manca.SSI");
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.complete);

    EXPECT_FALSE(WriteSystemFile(folder.path() / "cartella-che-non-c-e" / "x.SSI", SampleData()).ok());
}

TEST(MatrixFiles, BytesTheCodePageLeavesUndefinedSurviveALoadAndASave) {
    TempFolder folder;
    std::string file = "\"7\"\r\n\"1\"\r\n\"6\"\r\n";
    for (int n = 1; n <= 6; ++n) file += "\"" + std::to_string(n) + "\"\r\n";
    file += "\"\x81\x8D\x8F\x90\x9D \x80\xE9\"\r\n";
    for (int i = 2; i <= 10; ++i) file += "\"\"\r\n";
    folder.WriteFile("gioco.SSI", file);
    const MatrixRead read = ReadSystemFile(folder.path() / "gioco.SSI");
    ASSERT_TRUE(read.complete);
    ASSERT_TRUE(WriteSystemFile(folder.path() / "gioco.SSI", read.data).ok());
    EXPECT_EQ(folder.ReadFile("gioco.SSI"), file);
}

// The readers take whole every system the program can make (30000 combinations of up to ten
// numbers), say where they stopped on a larger file, and such a file is never saved over.
TEST(MatrixFiles, ReadingStopsAtWhatTheLoaderHolds) {
    struct Case {
        const char* name;
        int comboCount;
        int numbersInFile;
        std::size_t numbersRead;
        bool complete;
        bool cut;
    };
    const Case cases[] = {
        {"the largest system", 30000, 300000, 300000, true, false},
        {"more numbers than the readers take", 30001, 300010, 300000, false, true},
        {"a count beyond the most, the file ends at the most", 30001, 299990, 300000, false, false},
        {"a count far beyond a short file", 2000000000, 7, 17, false, false},  // comments read as numbers
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string file = "\"90\"\r\n\"" + std::to_string(c.comboCount) + "\"\r\n\"10\"\r\n";
        for (int i = 0; i < c.numbersInFile; ++i) file += "\"" + std::to_string(1 + i % 90) + "\"\r\n";
        for (int i = 1; i <= 10; ++i) file += "\"COMMENTO " + std::to_string(i) + "\"\r\n";
        folder.WriteFile("grande.SSI", file);
        const MatrixRead read = ReadSystemFile(folder.path() / "grande.SSI");
        EXPECT_EQ(read.data.numbers.size(), c.numbersRead) << c.name;
        EXPECT_EQ(read.complete, c.complete) << c.name;
        EXPECT_EQ(read.Sound(), c.complete) << c.name;
        EXPECT_EQ(read.cut, c.cut ? "IL FILE grande.SSI E' TROPPO LUNGO: LETTO FINO A 300000 NUMERI" : "") << c.name;
        EXPECT_EQ(read.commentsRead, c.complete ? 10 : 0) << c.name;
        if (c.cut) {
            EXPECT_FALSE(WriteSystemFile(folder.path() / "grande.SSI", read.data).ok()) << c.name;
            EXPECT_EQ(folder.ReadFile("grande.SSI"), file) << c.name;
        }
    }
}

// What is wrong with a file is said as it is read: the file is not the system its first lines
// describe (a fault), or a combination holds a value twice (a repeat, which counts once).
TEST(MatrixFiles, ContentThatIsNoSystemIsSaid) {
    struct Case {
        const char* name;
        bool matrix;
        std::vector<std::string> fields;  // the lines before the ten comment lines
        std::vector<std::string> faults;
        std::string repeat;
    };
    const std::string m = "IL FILE 07N00206.SIS";
    const std::string g = "IL FILE GIOCO.SSI";
    const Case cases[] = {
        {"sound", true, {"7", "2", "6", "1", "2", "3", "4", "5", "6", "2", "3", "4", "5", "6", "7"}, {}, ""},
        {"no combinations", true, {"7", "-3", "6"}, {m + " NON HA COMBINAZIONI: NE DICE -3"}, ""},
        {"letters for a count", true, {"7", "ABC", "6"}, {m + " NON HA COMBINAZIONI: NE DICE 0"}, ""},
        {"no numbers in a combination",
         true,
         {"7", "2", "-6"},
         {m + " NON HA NUMERI NELLE COMBINAZIONI: NE DICE -6 PER COMBINAZIONE"},
         ""},
        {"a matrix for no numbers",
         true,
         {"0", "1", "1", "1"},
         {m + " DICE 0 NUMERI DEL SISTEMA: DEVONO ESSERE DA 1 A 90"},
         ""},
        {"fewer combinations than said",
         true,
         {"7", "50", "6", "1", "2", "3", "4", "5", "6"},
         {m + " DICE 50 COMBINAZIONI MA FINISCE PRIMA: 16 RIGHE DOPO LE PRIME TRE, NE SERVONO 310"},
         ""},
        {"positions 0 and 91",
         true,
         {"7", "2", "6", "1", "2", "3", "4", "5", "91", "0", "2", "3", "4", "5", "6"},
         {m + " HA LA POSIZIONE 91 NELLA COMBINAZIONE 1: LE POSIZIONI VANNO DA 1 A 7"},
         ""},
        {"a position twice",
         true,
         {"7", "2", "6", "1", "2", "3", "4", "5", "6", "2", "3", "3", "5", "6", "7"},
         {},
         m + " HA LA POSIZIONE 3 DUE VOLTE NELLA COMBINAZIONE 2: CONTA UNA VOLTA SOLA"},
        {"a number twice",
         false,
         {"6", "1", "6", "12", "12", "25", "27", "28", "39"},
         {},
         g + " HA IL NUMERO 12 DUE VOLTE NELLA COMBINAZIONE 1: CONTA UNA VOLTA SOLA"},
        // tests/data/played-system-saying-two-billion-numbers.SSI: its stand-ins took gigabytes.
        {"a played system of more than 90 numbers",
         false,
         {"2000000000", "1", "6", "1", "2", "3", "4", "5", "6"},
         {g + " DICE 2000000000 NUMERI DEL SISTEMA: SONO AL MASSIMO 90"},
         ""},
        {"a number above 90",
         false,
         {"6", "1", "6", "12", "91", "25", "27", "28", "39"},
         {g + " HA IL NUMERO 91 NELLA COMBINAZIONE 1: I NUMERI VANNO DA 1 A 90"},
         ""},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string file;
        for (const std::string& field : c.fields) file += " " + field + " \r\n";
        for (int i = 1; i <= 10; ++i) file += "\"\"\r\n";
        folder.WriteFile(c.matrix ? "matrion/07N00206.SIS" : "GIOCO.SSI", file);
        const MatrixRead read =
            c.matrix ? ReadMatrixFile(folder.path(), "07N00206.SIS") : ReadSystemFile(folder.path() / "GIOCO.SSI");
        EXPECT_EQ(read.faults, c.faults) << c.name;
        EXPECT_EQ(read.repeat, c.repeat) << c.name;
        EXPECT_EQ(read.Sound(), c.faults.empty()) << c.name;
    }
}

// A count below 1 promises no numbers: such a file is read whole, every field there, and said to be
// no system.
TEST(MatrixFiles, NegativeCountIsReadWholeAndRefused) {
    TempFolder folder;
    const std::string name = "07N00206.SIS";
    folder.CopyFixture("matrix-saying-minus-eight-combinations.SIS", std::filesystem::path("matrion") / name);
    const MatrixRead read = ReadMatrixFile(folder.path(), name);
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.commentsRead, 10);
    EXPECT_TRUE(read.data.numbers.empty());
    EXPECT_EQ(read.faults,
              (std::vector<std::string>{"IL FILE " + name + " DICE 0 NUMERI DEL SISTEMA: DEVONO ESSERE DA 1 A 90",
                                        "IL FILE " + name + " NON HA COMBINAZIONI: NE DICE -8"}));
}

// A writer never writes a file that would not read back as written, and never replaces a file the
// readers cut: each refusal leaves the old file as it was.
TEST(MatrixFiles, WritersRefuseWhatWouldNotReadBack) {
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "gioco.SSI";
    ASSERT_TRUE(WriteSystemFile(file, SampleData()).ok());
    const std::string before = folder.ReadFile("gioco.SSI");

    MatrixData tooLarge = SampleData();
    tooLarge.comboSize = 10;
    tooLarge.comboCount = kMostFileCombinations + 1;
    tooLarge.numbers.assign(static_cast<std::size_t>(tooLarge.comboCount) * 10, 5);
    MatrixData notWhole = SampleData();
    notWhole.comboCount = 3;
    MatrixData longComment = SampleData();
    longComment.comments[9] = std::string(kLongestLine - 1, 'A');  // with its quotes one byte too long
    for (const MatrixData& data : {tooLarge, notWhole, longComment}) {
        EXPECT_FALSE(WriteSystemFile(file, data).ok());
        EXPECT_FALSE(WriteMatrixFile(folder.path(), "07N00206.SIS", data).ok());
    }
    EXPECT_EQ(folder.ReadFile("gioco.SSI"), before);
    EXPECT_FALSE(std::filesystem::exists(MatrixFolder(folder.path()) / "07N00206.SIS"));

    // A file with a line cut on reading is not saved over with what was read of it.
    const std::string cutFile = before.substr(0, before.size() - 6) + "\"" + std::string(kLongestLine, 'B') + "\"\r\n";
    folder.WriteFile("lungo.SSI", cutFile);
    MatrixData cut = ReadSystemFile(folder.path() / "lungo.SSI").data;
    cut.comments[9].clear();
    EXPECT_EQ(WriteSystemFile(folder.path() / "lungo.SSI", cut).error,
              "IL FILE lungo.SSI E' PIU' LUNGO DI QUANTO IL PROGRAMMA LEGGE: NON VIENE SOSTITUITO, SALVA CON UN ALTRO "
              "NOME");
    EXPECT_EQ(folder.ReadFile("lungo.SSI"), cutFile);
}

TEST(MatrixFiles, OverlongLinesAreCutAndSaid) {
    TempFolder folder;
    const std::string longComment(kLongestLine + 10, 'A');
    std::string file = " 7 \r\n 1 \r\n 1 \r\n 5 \r\n\"" + longComment + "\"\r\n";
    for (int i = 2; i <= 10; ++i) file += "\"\"\r\n";
    folder.WriteFile("matrion/07N00101.SIS", file);
    const MatrixRead read = ReadMatrixFile(folder.path(), "07N00101.SIS");
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.data.comments[0], std::string(kLongestLine - 1, 'A'));  // the quote, then the text
    EXPECT_EQ(read.cut, "IL FILE 07N00101.SIS E' TROPPO LUNGO: LETTO FINO A 4096 CARATTERI PER RIGA");

    // A line of exactly the most characters, its CR LF after them, is whole.
    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"" + std::string(kLongestLine - 2, 'B') + "\"\r\n\"STOP\"\r\n");
    const MatrixIndex whole = ReadMatrixIndex(folder.path());
    EXPECT_EQ(whole.cut, "");
    EXPECT_EQ(whole.Entries(), std::vector<std::string>{std::string(kLongestLine - 2, 'B')});

    // The index is not rewritten over a line it could not read whole.
    const std::string index = "\"\"\r\n\"" + std::string(kLongestLine, 'B') + "\"\r\n\"STOP\"\r\n";
    folder.WriteFile("matrion/SISTEMI.TXT", index);
    EXPECT_NE(ReadMatrixIndex(folder.path()).cut, "");
    EXPECT_FALSE(RegisterMatrix(folder.path(), "07N00101.SIS").ok());
    EXPECT_EQ(folder.ReadFile("matrion/SISTEMI.TXT"), index);
}

TEST(MatrixIndex, RegisteringRewritesTheIndexWithAnEmptyHeader) {
    TempFolder folder;
    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"STOP\"\r\n");
    EXPECT_TRUE(ReadMatrixIndex(folder.path()).Entries().empty());
    ASSERT_TRUE(RegisterMatrix(folder.path(), "12N03006.SIS").ok());
    EXPECT_EQ(folder.ReadFile("matrion/SISTEMI.TXT"), "\"\"\r\n\"12N03006.SIS\"\r\n\"STOP\"\r\n");

    folder.WriteFile("matrion/SISTEMI.TXT", "\"VECCHIA TESTATA\"\r\n\"A.SIS\"\r\n\"STOP\"\r\n\"DOPO\"\r\n");
    ASSERT_TRUE(RegisterMatrix(folder.path(), "A.SIS").ok());  // no duplicate test
    EXPECT_EQ(folder.ReadFile("matrion/SISTEMI.TXT"), "\"\"\r\n\"A.SIS\"\r\n\"A.SIS\"\r\n\"STOP\"\r\n");
    const MatrixIndex index = ReadMatrixIndex(folder.path());
    EXPECT_EQ(index.lines, (std::vector<std::string>{"", "A.SIS", "A.SIS", "STOP"}));
}

TEST(MatrixIndex, MissingUnfinishedAndFullIndexes) {
    TempFolder folder;
    // A missing index is the empty library, created by the first registration.
    const MatrixIndex missing = ReadMatrixIndex(folder.path());
    EXPECT_TRUE(missing.ok());
    EXPECT_EQ(missing.lines, (std::vector<std::string>{"", "STOP"}));
    ASSERT_TRUE(RegisterMatrix(folder.path(), "A.SIS").ok());
    EXPECT_EQ(folder.ReadFile("matrion/SISTEMI.TXT"), "\"\"\r\n\"A.SIS\"\r\n\"STOP\"\r\n");

    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"A.SIS\"\r\n\"stop\"\r\n");  // the comparison is exact
    EXPECT_FALSE(ReadMatrixIndex(folder.path()).ok());
    EXPECT_FALSE(RegisterMatrix(folder.path(), "B.SIS").ok());
    EXPECT_EQ(folder.ReadFile("matrion/SISTEMI.TXT"), "\"\"\r\n\"A.SIS\"\r\n\"stop\"\r\n");

    std::string full = "\"\"\r\n";
    for (int i = 1; i < kMatrixIndexCapacity; ++i) full += "\"M" + std::to_string(i) + ".SIS\"\r\n";
    folder.WriteFile("matrion/SISTEMI.TXT", full + "\"STOP\"\r\n");
    ASSERT_TRUE(RegisterMatrix(folder.path(), "ULTIMA.SIS").ok());  // the 499th name
    EXPECT_EQ(ReadMatrixIndex(folder.path()).Entries().size(), 499u);
    EXPECT_FALSE(CheckMatrixRoom(folder.path()).ok());
    EXPECT_FALSE(RegisterMatrix(folder.path(), "TROPPO.SIS").ok());
    EXPECT_EQ(ReadMatrixIndex(folder.path()).Entries().back(), "ULTIMA.SIS");
    // Several names go in together or not at all.
    folder.WriteFile("matrion/SISTEMI.TXT", full + "\"STOP\"\r\n");
    EXPECT_FALSE(RegisterMatrices(folder.path(), {"A.SIS", "B.SIS"}).ok());
    EXPECT_TRUE(CheckMatrixRoom(folder.path()).ok());
    ASSERT_TRUE(RegisterMatrices(folder.path(), {"B.SIS"}).ok());
    EXPECT_EQ(ReadMatrixIndex(folder.path()).Entries().back(), "B.SIS");
}

}  // namespace
}  // namespace fortunara
