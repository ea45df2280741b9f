#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/cli_run.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult Sviluppo(const std::vector<std::string>& options) {
    test::TempFolder folder;
    std::vector<std::string> arguments = {"sviluppo"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, folder.path(), out, err);
    return {status, out.str(), err.str()};
}

long Lines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

TEST(CliSviluppo, CombinationsAsNumbersInRecordingOrder) {
    const CliResult run = Sviluppo({"--numeri", "5,12,3,40,41,90,7"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), 7);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "5 12 3 40 41 90");
    EXPECT_EQ(run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1), "12 3 40 41 90 7\n");
}

TEST(CliSviluppo, GuaranteesReductionsAndConditions) {
    EXPECT_EQ(Lines(Sviluppo({"--numeri", "1-10", "--garanzia", "terno"}).out), 35);
    EXPECT_EQ(Lines(Sviluppo({"--numeri", "1-12", "--riduzione", "1"}).out), 68);
    const CliResult heads = Sviluppo({"--numeri", "1,7,12,33,40,50,61,70,80,90", "--capigioco", "7,33"});
    EXPECT_EQ(Lines(heads.out), 70);
    EXPECT_EQ(Lines(Sviluppo({"--numeri", "1-10", "--somme", "21-21"}).out), 1);
    EXPECT_EQ(Lines(Sviluppo({"--numeri", "1-10", "--consecutivi", "5"}).out), 5);
    EXPECT_EQ(Lines(Sviluppo({"--numeri", "1-10", "--interruzioni", "0"}).out), 5);
    // five even numbers among 1..10: one even with five odd (5), two with four (10 * 5)
    EXPECT_EQ(Lines(Sviluppo({"--numeri", "1-10", "--pari", "0,1,2"}).out), 55);
    const CliResult csv = Sviluppo({"--numeri", "1-6", "--csv"});
    EXPECT_EQ(csv.out, "n1,n2,n3,n4,n5,n6\n1,2,3,4,5,6\n");
}

TEST(CliSviluppo, TheCapacityStopPrintsWhatWasRecordedWithStatusThree) {
    const CliResult run = Sviluppo({"--numeri", "1-40"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(Lines(run.out), 30000);
    EXPECT_NE(run.err.find("ATTENZIONE LE COMBINAZIONI CREATE SONO ECCESSIVE"), std::string::npos);
}

TEST(CliSviluppo, MistakesExitWithStatusTwo) {
    for (const std::vector<std::string>& options : {std::vector<std::string>{"--numeri", "1-5"},
                                                    {},
                                                    {"--numeri", "1-10,91"},
                                                    {"--numeri", "1-91"},
                                                    {"--numeri", "1-10", "--garanzia", "sestina"},
                                                    {"--numeri", "1-10", "--riduzione", "4"},
                                                    {"--numeri", "1-10", "--garanzia", "ambo", "--riduzione", "1"},
                                                    {"--numeri", "1-10", "--pari", "11"},
                                                    {"--numeri", "1-10", "--somme", "100-"},
                                                    {"--numeri", "1-10", "--somme", "1,2,3,4,5"},
                                                    {"--numeri", "1-10", "--riduzione", "-1"},
                                                    {"--numeri", "1-10", "--quantita", "sette"},
                                                    {"--numeri", "1-10", "--capigioco", "1,2,3,4,5"}}) {
        const CliResult run = Sviluppo(options);
        EXPECT_EQ(run.status, 2) << (options.empty() ? "" : options.back());
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(Sviluppo({"--numeri", "1-5"}).err, "NUMERI NON SUFFICENTI ! \n");
}

std::string LastLine(const std::string& text) {
    return text.substr(text.rfind('\n', text.size() - 2) + 1);
}

// What the system window can set besides the numbers: the quantity, the options "    n - k", the
// "INTEGRALE" item and the sum rows with an empty box "A".
TEST(CliSviluppo, EveryChoiceOfTheSystemWindow) {
    const struct {
        const char* name;
        std::vector<std::string> options;
        long lines;
        std::string last;
    } rows[] = {
        {"n - 0", {"--numeri", "1-10", "--riduzione", "0"}, 210, "5 6 7 8 9 10\n"},
        {"INTEGRALE and n - 1", {"--numeri", "1-10", "--garanzia", "INTEGRALE", "--riduzione", "1"}, 18, ""},
        {"a DA alone accepts no sum", {"--numeri", "1-10", "--somme", "21"}, 0, ""},
        {"beside a full row", {"--numeri", "1-10", "--somme", "21,22-22"}, 1, "1 2 3 4 5 7\n"},
        {"two full rows", {"--numeri", "1-10", "--somme", "21-25,26-30"}, 64, ""},
        {"fewer than the numbers", {"--numeri", "1-10", "--quantita", "7"}, 7, "2 3 4 5 6 7\n"},
        // Positions beyond the numbers given hold 0, as in the window of a program just started.
        {"more than the numbers", {"--numeri", "1-7", "--quantita", "8"}, 28, "3 4 5 6 7 0\n"},
    };
    for (const auto& row : rows) {
        const CliResult run = Sviluppo(row.options);
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_EQ(Lines(run.out), row.lines) << row.name;
        if (!row.last.empty()) {
            EXPECT_EQ(LastLine(run.out), row.last) << row.name;
        }
    }
    // Above position 90 there is no number: the run stops there, as the window's does.
    const CliResult beyond = Sviluppo({"--numeri", "1-90", "--quantita", "95"});
    EXPECT_EQ(beyond.status, 3);
    EXPECT_EQ(Lines(beyond.out), 85);
    EXPECT_NE(beyond.err.find("ATTENZIONE LE COMBINAZIONI CREATE SONO ECCESSIVE"), std::string::npos);
}

// The grid "Link AND" from a file: one group a line, its numbers and how many a combination holds.
TEST(CliSviluppo, GroupsFileIsTheLinkAndGrid) {
    const struct {
        const char* name;
        std::string file;
        long lines;
    } rows[] = {
        {"exactly two of 1-5", "1-5 2-2\n", 50},
        {"and three odd ones", "1-5 2-2\n1,3,5,7,9   3-3\n", 24},
        {"blank lines and CR LF", "\n1-5 2-2\r\n\r\n1,3,5,7,9 3-3\r\n", 24},
        {"no group at all", "", 210},
    };
    for (const auto& row : rows) {
        test::TempFolder folder;
        folder.WriteFile("gruppi.txt", row.file);
        const CliResult run = Sviluppo({"--numeri", "1-10", "--gruppi", (folder.path() / "gruppi.txt").string()});
        EXPECT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_EQ(Lines(run.out), row.lines) << row.name;
    }
}

TEST(CliSviluppo, BrokenGroupsFilesAreRefusedNamingTheLine) {
    std::string fiftyOne;
    for (int i = 0; i < 51; ++i) fiftyOne += "1 0-1\n";
    const struct {
        const char* name;
        std::string file;
        std::string message;
    } rows[] = {
        {"no count", "1-5\n", "GRUPPO DELLA RIGA 1 NON VALIDO: 1-5"},
        {"count without A", "1 1-1\n1-5 2\n", "GRUPPO DELLA RIGA 2 NON VALIDO: 1-5 2"},
        {"more than thirty numbers", "1-31 1-2\n", "GRUPPO DELLA RIGA 1: AL MASSIMO 30 NUMERI"},
        {"number above 90", "\n5,91 1-1\n", "NUMERO NON VALIDO NEL GRUPPO DELLA RIGA 2: 91 (0 - 90)"},
        {"count above 90", "1-5 2-95\n", "NUMERO NON VALIDO NEL GRUPPO DELLA RIGA 1: 95 (0 - 90)"},
        {"fifty-one groups", fiftyOne, "AL MASSIMO 50 GRUPPI"},
        // Reading stops where no groups file can go on.
        {"a line wider than any group", std::string(5000, ' ') + "1-5 2-2\n",
         "LA RIGA 1 DEL FILE DEI GRUPPI E' TROPPO LUNGA: PIU' DI 4096 CARATTERI"},
        {"more lines than the grid's groups leave room for", std::string(1000, '\n') + "1-5 2-2\n",
         "IL FILE DEI GRUPPI E' TROPPO LUNGO: PIU' DI 1000 RIGHE"},
    };
    for (const auto& row : rows) {
        test::TempFolder folder;
        folder.WriteFile("gruppi.txt", row.file);
        const CliResult run = Sviluppo({"--numeri", "1-10", "--gruppi", (folder.path() / "gruppi.txt").string()});
        EXPECT_EQ(run.status, 2) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_EQ(run.err.substr(0, row.message.size()), row.message) << row.name;
    }
    test::TempFolder folder;
    const std::string missing = (folder.path() / "mancante.txt").string();
    EXPECT_EQ(Sviluppo({"--numeri", "1-10", "--gruppi", missing}).err,
              "IMPOSSIBILE LEGGERE IL FILE DEI GRUPPI " + missing + "\n");
    EXPECT_EQ(Sviluppo({"--numeri", "1-10", "--gruppi", folder.path().string()}).status, 2);
    // A device without line ends, or a file with a line too long, is read no further than one line
    // can go.
    for (const std::string& endless :
         {std::string("/dev/zero"), test::TestData("groups-line-longer-than-4096-characters.txt").string()}) {
        EXPECT_EQ(Sviluppo({"--numeri", "1-10", "--gruppi", endless}).err,
                  "LA RIGA 1 DEL FILE DEI GRUPPI E' TROPPO LUNGA: PIU' DI 4096 CARATTERI\n")
            << endless;
    }
}

}  // namespace
}  // namespace fortunara
