#include "app/cli/cli_args.h"

#include <gtest/gtest.h>

namespace fortunara {
namespace {

TEST(CliArgs, ListsTakeNumbersAndRanges) {
    EXPECT_EQ(ParseList("1-3,15", "--numeri"), (std::vector<int>{1, 2, 3, 15}));
    EXPECT_EQ(ParseList("7", "--numeri"), std::vector<int>{7});
    EXPECT_THROW(ParseList("1-", "--numeri"), CliError);
    EXPECT_THROW(ParseList("5-3", "--numeri"), CliError);
    EXPECT_THROW(ParseList("1,,2", "--numeri"), CliError);
    EXPECT_THROW(ParseList("a", "--numeri"), CliError);
}

TEST(CliArgs, RangesNeitherRunPastTheLargestIntNorFillTheMemory) {
    const std::vector<int> top = ParseList("2147483645-2147483647", "--numeri");
    EXPECT_EQ(top, (std::vector<int>{2147483645, 2147483646, 2147483647}));
    EXPECT_EQ(ParseList("0-999", "--numeri").size(), 1000u);
    EXPECT_THROW(ParseList("0-1000", "--numeri"), CliError);
    EXPECT_THROW(ParseList("1-2147483647", "--numeri"), CliError);
    EXPECT_THROW(ParseList("-2147483648-2147483647", "--numeri"), CliError);
}

TEST(CliArgs, RecordsAcceptUltimaAndStayInsideTheArchive) {
    EXPECT_EQ(ParseRecord("ultima", 4253, "--dal"), 4253);
    EXPECT_EQ(ParseRecord("1", 4253, "--dal"), 1);
    EXPECT_THROW(ParseRecord("4254", 4253, "--dal"), CliError);
    EXPECT_THROW(ParseRecord("1", 0, "--dal"), CliError);
}

TEST(CliArgs, OptionsFlagsAndCommandAreSplit) {
    const OptionDeclaration declared = {{"--dal", "--al"}, {"--controllo"}};
    const CliArguments parsed = ParseCliArguments({"--csv", "ritardi", "--dal", "5", "--controllo"}, declared);
    EXPECT_EQ(parsed.command, "ritardi");
    EXPECT_EQ(parsed.Required("--dal"), "5");
    EXPECT_TRUE(parsed.Flag("--csv"));
    EXPECT_TRUE(parsed.Flag("--controllo"));
    EXPECT_THROW(parsed.Required("--al"), CliError);
    EXPECT_EQ(ParseCliArguments({"ritardi", "--al=1", "--dal", "--9"}, declared).options,
              (std::map<std::string, std::string>{{"--al", "1"}, {"--dal", "--9"}}));
}

// Only what the command declares is taken; each mistake names the word it is about.
TEST(CliArgs, UnknownRepeatedMissingAndStrayWordsAreRefused) {
    const OptionDeclaration declared = {{"--numeri", "--dal", "--al"}, {}};
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        std::string message;
    } rows[] = {
        {"unknown option", {"ricerca", "--numeri", "12", "--mese", "MAR"}, "OPZIONE SCONOSCIUTA: --mese"},
        {"unknown with =", {"ricerca", "--mese=MAR"}, "OPZIONE SCONOSCIUTA: --mese"},
        {"repeated option", {"ricerca", "--dal", "3", "--al", "1", "--dal", "2"}, "OPZIONE RIPETUTA: --dal"},
        {"repeated through =", {"ricerca", "--dal=3", "--dal", "2"}, "OPZIONE RIPETUTA: --dal"},
        {"repeated flag", {"--csv", "ricerca", "--csv"}, "OPZIONE RIPETUTA: --csv"},
        {"repeated folder", {"--cartella", "a", "ricerca", "--cartella", "b"}, "OPZIONE RIPETUTA: --cartella"},
        {"stray word", {"ricerca", "--dal", "3", "12"}, "ARGOMENTO INATTESO: 12"},
        {"missing value", {"ricerca", "--dal"}, "MANCA IL VALORE DELL'OPZIONE --dal"},
        {"flag with a value", {"ricerca", "--csv=si"}, "L'OPZIONE --csv NON HA VALORE"},
    };
    for (const auto& row : rows) {
        try {
            ParseCliArguments(row.arguments, declared);
            ADD_FAILURE() << row.name << ": accepted";
        } catch (const CliError& error) {
            EXPECT_EQ(error.what(), row.message) << row.name;
        }
    }
}

TEST(CliArgs, TheCommandIsTheFirstWordThatIsNoOptionValue) {
    const std::set<std::string> values = {"--dal"};
    EXPECT_EQ(FindCommand({"--csv", "ricerca", "--dal", "3"}, values), "ricerca");
    EXPECT_EQ(FindCommand({"--dal", "3", "ricerca"}, values), "ricerca");
    EXPECT_EQ(FindCommand({"--cartella", "dati", "archivio"}, values), "archivio");
    EXPECT_EQ(FindCommand({"--cartella=dati", "-h", "archivio"}, values), "archivio");
    EXPECT_EQ(FindCommand({"--cartella", "dati"}, values), "");
    EXPECT_EQ(FindCommand({}, values), "");
    // Flags and unknown options take no value: the word after them is still the command.
    EXPECT_EQ(FindCommand({"--forza", "importa", "copia.txt"}, values), "importa");
    EXPECT_EQ(FindCommand({"--x", "archivio"}, values), "archivio");
    EXPECT_EQ(FindCommand({"--", "archivio"}, values), "archivio");
    EXPECT_TRUE(AsksForHelp({"ritardi", "-h"}));
    EXPECT_FALSE(AsksForHelp({"ritardi", "--helpme"}));
}

}  // namespace
}  // namespace fortunara
