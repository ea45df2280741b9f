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

// An archive large enough to be read in several blocks: every record tells its own number.
TEST(CliArchivio, RangesAcrossReadBlocksListEveryRecordOnceInOrder) {
    constexpr int kRecords = 9000;
    const auto field = [](int value) { return std::string(1, char('0' + value / 10)) + char('0' + value % 10); };
    const auto number = [](int k, int i) { return (k * 7 + i * 13) % 90 + 1; };
    std::string archive;
    for (int k = 1; k <= kRecords; ++k) {
        archive += "R" + std::string(8 - std::to_string(k).size(), '0') + std::to_string(k);
        for (int i = 1; i <= 8; ++i) archive += field(number(k, i));
    }
    TempFolder folder;
    folder.WriteArchive(archive);
    const auto expected = [&number](int from, int to) {
        std::string lines;
        const int step = from <= to ? 1 : -1;
        for (int k = from; k != to + step; k += step) {
            const std::string digits = std::to_string(k);
            lines += digits + " R" + std::string(8 - digits.size(), '0') + digits;
            for (int i = 1; i <= 8; ++i) lines += " " + std::to_string(number(k, i));
            lines += '\n';
        }
        return lines;
    };
    const struct {
        std::vector<std::string> arguments;
        int from;
        int to;
    } rows[] = {
        {{"archivio"}, kRecords, 1},
        {{"archivio", "--dal", "1", "--al", "ultima"}, 1, kRecords},
        {{"archivio", "--dal", "4097", "--al", "4096"}, 4097, 4096},
        {{"archivio", "--dal", "4096", "--al", "4097"}, 4096, 4097},
        {{"archivio", "--dal", "8193", "--al", "4095"}, 8193, 4095},
        {{"archivio", "--dal", "4500", "--al", "4500"}, 4500, 4500},
    };
    for (const auto& row : rows) {
        const CliRun run = RunIn(folder, row.arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(run.out == expected(row.from, row.to)) << row.from << " to " << row.to;
    }
}

}  // namespace
}  // namespace fortunara
