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
    const CliArguments parsed = ParseCliArguments({"--csv", "ritardi", "--dal", "5", "--controllo"});
    EXPECT_EQ(parsed.command, "ritardi");
    EXPECT_EQ(parsed.Required("--dal"), "5");
    EXPECT_TRUE(parsed.Flag("--csv"));
    EXPECT_TRUE(parsed.Flag("--controllo"));
    EXPECT_THROW(parsed.Required("--al"), CliError);
}

}  // namespace
}  // namespace fortunara
