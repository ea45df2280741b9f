#include "matrices/core/matrix_editor.h"

#include <gtest/gtest.h>

#include "matrices/core/matrix_index.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::TempFolder;

const char kEmptyIndex[] = "\"\"\r\n\"STOP\"\r\n";

TEST(MatrixEditor, ParametersOfANewMatrix) {
    const std::string quantity = "LA QUANTITA' DI NUMERI DEVE ESSERE UN NUMERO INTERO DA  6 A 90";
    const std::string combinations =
        "LE BOLLETTE DEVONO ESSERE UN NUMERO INTERO DA 1 A 999: IL NOME DELLA MATRICE NE TIENE AL MASSIMO 999";
    struct Case {
        const char* quantity;
        const char* combinations;
        int size;
        std::string refusal;
        const char* name;
    };
    const Case cases[] = {
        {"7", "8", 6, "", "07N00806.SIS"},    {" 7 ", "008", 6, "", "07N00806.SIS"},
        {"12", "25", 10, "", "12N02510.SIS"}, {"90", "999", 3, "", "90N99903.SIS"},
        {"", "8", 6, kMissingParameter, ""},  {"7", "", 6, kMissingParameter, ""},
        {"0", "8", 6, kMissingParameter, ""}, {"abc", "8", 6, kMissingParameter, ""},
        {"7", "8", 0, kMissingParameter, ""}, {"5", "8", 6, quantity, ""},  // six different positions need six numbers
        {"91", "8", 6, quantity, ""},         {"7.5", "8", 6, quantity, ""},
        {"-7", "8", 6, quantity, ""},         {"7", "1000", 6, combinations, ""},
        {"7", "-2", 6, combinations, ""},     {"7", "2,5", 6, combinations, ""},
    };
    TempFolder folder;
    folder.WriteFile("matrion/SISTEMI.TXT", kEmptyIndex);
    for (const Case& c : cases) {
        const NewMatrix matrix = CheckNewMatrix(folder.path(), c.quantity, c.combinations, c.size);
        EXPECT_EQ(matrix.refusal, c.refusal) << c.quantity << " / " << c.combinations;
        EXPECT_EQ(matrix.name, c.name) << c.quantity << " / " << c.combinations;
    }

    folder.WriteFile("matrion/07N00806.SIS", " 7 \r\n");
    EXPECT_TRUE(CheckNewMatrix(folder.path(), "7", "8", 6).exists);
    EXPECT_FALSE(CheckNewMatrix(folder.path(), "7", "9", 6).exists);

    std::string full = "\"\"\r\n";
    for (int i = 1; i <= kMatrixIndexCapacity; ++i) full += "\"M" + std::to_string(i) + ".SIS\"\r\n";
    folder.WriteFile("matrion/SISTEMI.TXT", full + "\"STOP\"\r\n");
    EXPECT_EQ(CheckNewMatrix(folder.path(), "7", "8", 6).refusal,
              "L'ELENCO DELLE MATRICI E' PIENO: NON SI POSSONO REGISTRARE PIU' DI 499 MATRICI");
}

TEST(MatrixEditor, AnswersTakenAndRefused) {
    TempFolder folder;
    const NewMatrix matrix = CheckNewMatrix(folder.path(), "12", "2", 3);
    ASSERT_TRUE(matrix.ok());
    MatrixEntry entry(matrix);
    using Step = MatrixEntry::Step;
    const std::string range = "I NUMERI DEVONO ESSERE DA 1 A  12";
    struct Case {
        const char* answer;
        Step step;
        std::string refusal;
        const char* row;  // the row the answer completed
    };
    const Case cases[] = {
        {"13", Step::AskAgain, range, nullptr},
        {"0", Step::AskAgain, range, nullptr},
        {"-1", Step::AskAgain, range, nullptr},
        {"2.5", Step::AskAgain, range, nullptr},
        {"x", Step::AskAgain, range, nullptr},
        {"   ", Step::AskAgain, range, nullptr},
        {" 3 ", Step::Next, "", nullptr},
        {"3", Step::AskAgain, "IL NUMERO 3 C'E' GIA' IN QUESTA BOLLETTA", nullptr},
        {"12", Step::Next, "", nullptr},
        {"05", Step::Next, "", "        3  12    05"},
        {"3", Step::Next, "", nullptr},  // the next combination may hold it again
        {"11", Step::Next, "", nullptr},
        {"1", Step::Done, "", "        3  11    1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(entry.Take(c.answer), c.step) << c.answer;
        EXPECT_EQ(entry.Refusal(), c.refusal) << c.answer;
        EXPECT_EQ(entry.FinishedRow(), c.row ? std::optional<std::string>(c.row) : std::nullopt) << c.answer;
    }
    EXPECT_EQ(entry.Lines(), (std::vector<std::string>{"12", "2", " 3 ", " 3 ", " 12 ", " 5 ", " 3 ", " 11 ", " 1 "}));
}

TEST(MatrixEditor, CommentsFollowThePositionsAndReplaceEarlierOnes) {
    TempFolder folder;
    const NewMatrix matrix = CheckNewMatrix(folder.path(), "7", "2", 3);  // the index is made with the file
    MatrixEntry entry(matrix);
    for (const char* answer : {"1", "2", "3", "5", "6"}) entry.Take(answer);
    ASSERT_TRUE(WriteTypedMatrix(folder.path(), matrix.name, entry, false).ok());  // cancelled: not registered
    EXPECT_TRUE(ReadMatrixIndex(folder.path()).Entries().empty());
    const std::string partial = "7\r\n2\r\n 3 \r\n 1 \r\n 2 \r\n 3 \r\n 5 \r\n 6 \r\n";
    EXPECT_EQ(folder.ReadFile("matrion/07N00203.SIS"), partial);

    const std::string padding = "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
    ASSERT_TRUE(WriteMatrixComments(folder.path(), matrix.name, {"UNO", "DUE, E \"TRE\"", "PERCHÉ"}).ok());
    EXPECT_EQ(folder.ReadFile("matrion/07N00203.SIS"),
              partial + "\"UNO\"\r\n\"DUE, E 'TRE'\"\r\n\"PERCH\xC9\"\r\n" + padding);

    entry.Take("7");
    ASSERT_TRUE(WriteTypedMatrix(folder.path(), matrix.name, entry, true).ok());
    EXPECT_EQ(ReadMatrixIndex(folder.path()).Entries(), std::vector<std::string>{"07N00203.SIS"});
    ASSERT_TRUE(WriteMatrixComments(folder.path(), matrix.name, {"A"}).ok());
    ASSERT_TRUE(WriteMatrixComments(folder.path(), matrix.name, {"B", "C"}).ok());
    EXPECT_EQ(folder.ReadFile("matrion/07N00203.SIS"), partial + " 7 \r\n\"B\"\r\n\"C\"\r\n\"\"\r\n" + padding);

    // A file edited by hand keeps its bytes up to the positions, LF line ends included.
    folder.WriteFile("matrion/07N00103.SIS", "7\n1\n3\n 4 \n 5 \n 6 \n\"VECCHIO\"\n");
    ASSERT_TRUE(WriteMatrixComments(folder.path(), "07N00103.SIS", {}).ok());
    EXPECT_EQ(folder.ReadFile("matrion/07N00103.SIS"),
              "7\n1\n3\n 4 \n 5 \n 6 \n\"\"\r\n" + padding + "\"\"\r\n\"\"\r\n");

    EXPECT_FALSE(WriteMatrixComments(folder.path(), "07N00903.SIS", {"X"}).ok());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "matrion" / "07N00903.SIS"));
}

TEST(MatrixEditor, CurrentMatrixFile) {
    TempFolder folder;
    folder.WriteFile("matrion/07N00806.SIS", " 7 \r\n");
    EXPECT_EQ(MissingMatrixFile(folder.path(), "07N00806.SIS"), "");
    EXPECT_EQ(MissingMatrixFile(folder.path(), "07N00906.SIS"), "IL FILE 07N00906.SIS NON C'E' NELLA CARTELLA matrion");
    for (const char* none : {"", "\r\n", "../dati/estraz09.txt"}) {
        EXPECT_EQ(MissingMatrixFile(folder.path(), none), "NESSUNA MATRICE: PRIMA SCRIVINE UNA CON \"NUMERI\"");
    }
    EXPECT_EQ(CommentPrompt(1), "IMMETTI IL COMMENTO N'  1");
    EXPECT_EQ(CommentPrompt(10), "IMMETTI IL COMMENTO N'  10");
}

}  // namespace
}  // namespace fortunara
