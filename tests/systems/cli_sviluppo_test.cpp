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
                                                    {"--numeri", "1-10", "--somme", "100"},
                                                    {"--numeri", "1-10", "--capigioco", "1,2,3,4,5"}}) {
        const CliResult run = Sviluppo(options);
        EXPECT_EQ(run.status, 2) << (options.empty() ? "" : options.back());
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(Sviluppo({"--numeri", "1-5"}).err, "NUMERI NON SUFFICENTI ! \n");
}

}  // namespace
}  // namespace fortunara
