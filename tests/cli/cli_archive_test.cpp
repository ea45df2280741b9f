#include <gtest/gtest.h>

#include "tests/cli/cli_in_process.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::CliRun;
using test::RunIn;
using test::TempFolder;

TEST(CliArchivio, ListsFromDalDownToAlWithPlainNumbers) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    const CliRun run = RunIn(folder, {"archivio", "--dal", "3", "--al", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "3 10DIC1997 23 78 14 1 88 2 40 0\n"
              "2 06DIC1997 4 25 52 29 30 2 24 0\n"
              "1 03DIC1997 76 41 20 72 36 39 88 0\n");
}

TEST(CliArchivio, DefaultIsTheWholeArchiveNewestFirstAndCsvHasAHeader) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    const CliRun plain = RunIn(folder, {"archivio"});
    EXPECT_EQ(std::count(plain.out.begin(), plain.out.end(), '\n'), 10);
    EXPECT_EQ(plain.out.substr(0, 3), "10 ");
    const CliRun csv = RunIn(folder, {"--csv", "archivio", "--dal", "ultima", "--al", "ultima"});
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "estrazione,data,n1,n2,n3,n4,n5,n6,jolly,superstar");
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 2);
}

TEST(CliArchivio, BadRecordsAndCommandsExitWithStatusTwoInItalian) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"archivio", "--dal", "11"},
                                                      {"archivio", "--al", "0"},
                                                      {"archivio", "--dal", "x"},
                                                      {"archivio", "--dal"},
                                                      {"sconosciuto"},
                                                      {}}) {
        const CliRun run = RunIn(folder, arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(CliArchivio, EmptyArchivePrintsNothing) {
    TempFolder folder;
    folder.CopyFixture("archive-empty.txt", "dati/estraz09.txt");
    const CliRun run = RunIn(folder, {"archivio"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace fortunara
