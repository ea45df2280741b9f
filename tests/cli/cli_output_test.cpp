// Archive bytes on their way to the output: text shows no control character, CSV quotes what it must.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/cli_run.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

std::string Output(const test::TempFolder& folder, const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(arguments, folder.path(), out, err), 0) << err.str();
    return out.str();
}

TEST(CliOutput, DatesWithControlCharactersAreShownAsQuestionMarksAndQuotedInCsv) {
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::string date;  // nine bytes as stored
        std::string text;  // the date as the text output shows it
        std::string csv;   // the date field of the CSV row
    } rows[] = {
        {"carriage return", "01GEN\r009"s, "01GEN?009", "\"01GEN\r009\""},
        {"nul",
         "01GEN\0"s
         "009",
         "01GEN?009",
         "01GEN\0"s
         "009"},
        {"escape sequence", "\x1b[2J01GEN"s, "?[2J01GEN", "\x1b[2J01GEN"},
        {"tab and delete",
         "01\tGEN\x7f"
         "09"s,
         "01?GEN?09",
         "01\tGEN\x7f"
         "09"},
        {"comma", "01,GEN009"s, "01,GEN009", "\"01,GEN009\""},
        {"double quote", "01\"GEN009"s, "01\"GEN009", "\"01\"\"GEN009\""},
        {"windows-1252 letter", "01G\xc8N2009"s, "01G\xc8N2009", "01G\xc8N2009"},
    };
    for (const auto& row : rows) {
        test::TempFolder folder;
        ASSERT_EQ(row.date.size(), 9u) << row.name;
        folder.WriteArchive(row.date + "0102030405060708");
        EXPECT_EQ(Output(folder, {"archivio"}), "1 " + row.text + " 1 2 3 4 5 6 7 8\n") << row.name;
        EXPECT_EQ(Output(folder, {"--csv", "archivio"}),
                  "estrazione,data,n1,n2,n3,n4,n5,n6,jolly,superstar\n1," + row.csv + ",1,2,3,4,5,6,7,8\n")
            << row.name;
        // The hits of a search carry the same date through the same filter.
        EXPECT_EQ(Output(folder, {"ricerca", "--numeri", "1", "--sorte", "1", "--dal", "1", "--al", "1"}),
                  "1 0 0 1\n0 " + row.text + " 1\n")
            << row.name;
    }
}

// A table without rows is still a table: its header line says what the rows would hold.
TEST(CliOutput, EveryCsvResultHasItsHeaderLineAlsoWithoutRows) {
    const struct {
        const char* fixture;
        std::vector<std::string> arguments;
        std::string out;
    } rows[] = {
        {"archive-ten-draws.txt", {"--csv", "verifica"}, "estrazione,problema\n"},
        {"archive-ten-draws.txt", {"--csv", "matrici", "--quantita", "3"}, "matrice,numeri,combinazioni,tipo\n"},
        {"archive-empty.txt", {"--csv", "archivio"}, "estrazione,data,n1,n2,n3,n4,n5,n6,jolly,superstar\n"},
    };
    for (const auto& row : rows) {
        test::TempFolder folder;
        folder.CopyFixture(row.fixture, "dati/estraz09.txt");
        EXPECT_EQ(Output(folder, row.arguments), row.out) << row.arguments[1];
    }
}

// What the user typed or a file held comes back in a message with its control characters as "?",
// as the text output shows them: no argument or file can send the terminal a command.
TEST(CliOutput, MessagesShowControlCharactersOfArgumentsAndFilesAsQuestionMarks) {
    test::TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    folder.WriteFile("gruppi.txt", "1-5 1-2 \x1b[31m\rX\r\n");
    const std::string groups = (folder.path() / "gruppi.txt").string();
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } rows[] = {
        {{"archivio", "--dal", "3\x1b[31m"}, "VALORE NON VALIDO PER --dal: 3?[31m\n"},
        {{"archivio", "--dal", "3\rX"}, "VALORE NON VALIDO PER --dal: 3?X\n"},
        {{"sviluppo", "--numeri", "1-8", "--gruppi", groups},
         "GRUPPO DELLA RIGA 1 NON VALIDO: 1-5 1-2 ?[31m?X (NUMERI DA-A, per esempio 1-10,15 2-3)\n"},
    };
    for (const auto& row : rows) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli(row.arguments, folder.path(), out, err), 2);
        EXPECT_EQ(err.str(), row.message);
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"\x1b]0;x\x07"}, folder.path(), out, err), 2);
    EXPECT_EQ(err.str().substr(0, err.str().find('\n')), "COMANDO SCONOSCIUTO: ?]0;x?");
}

}  // namespace
}  // namespace fortunara
