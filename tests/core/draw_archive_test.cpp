#include "archive/core/draw_archive.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

const std::string kFirstReal = "03DIC19977641207236398800";
const std::string kLastReal = "21AGO20261225272839574213";

TEST(ParseDrawRecord, ReadsDateAndEightNumbers) {
    const DrawRecord draw = ParseDrawRecord("01GEN20090102030405060708");
    EXPECT_EQ(draw.date, "01GEN2009");
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(draw.numbers[static_cast<std::size_t>(i)], i) << "field " << i;
}

TEST(ParseDrawRecord, NumberFieldsIgnoreBlanksAndLetters) {
    EXPECT_EQ(ParseNumberField("05"), 5);
    EXPECT_EQ(ParseNumberField(" 5"), 5);
    EXPECT_EQ(ParseNumberField("5 "), 5);
    EXPECT_EQ(ParseNumberField("  "), 0);
    EXPECT_EQ(ParseNumberField("xx"), 0);
    EXPECT_EQ(ParseNumberField("90"), 90);
}

TEST(ParseDrawRecord, ShortTextReadsAsBlankPadded) {
    const DrawRecord empty = ParseDrawRecord("");
    EXPECT_EQ(empty.date, "");
    for (int n : empty.numbers) EXPECT_EQ(n, 0);
    const DrawRecord partial = ParseDrawRecord("01GEN200901020");
    EXPECT_EQ(partial.numbers[1], 1);
    EXPECT_EQ(partial.numbers[2], 2);
    EXPECT_EQ(partial.numbers[3], 0);  // a lone "0", then nothing
    EXPECT_EQ(partial.numbers[8], 0);
}

TEST(ParseDrawRecord, SortedMainKeepsJollyAndSuperstarOut) {
    const DrawRecord draw = ParseDrawRecord("01GEN20091705030402060708");
    EXPECT_EQ(SortedMain(draw), (std::array<int, 6>{2, 3, 4, 5, 6, 17}));
    EXPECT_EQ(draw.Jolly(), 7);
    EXPECT_EQ(draw.Superstar(), 8);
}

TEST(FormatDrawRecord, WritesTwoDigitFieldsAndPadsTheDate) {
    EXPECT_EQ(FormatDrawRecord("01GEN2009", {1, 2, 3, 4, 5, 6, 7, 8}), "01GEN20090102030405060708");
    EXPECT_EQ(FormatDrawRecord("1GEN", {90, 0, 0, 0, 0, 0, 0, 0}), "1GEN     9000000000000000");
}

struct CountCase {
    const char* name;
    std::size_t bytes;
    int records;
};

class RecordCountFromLength : public ::testing::TestWithParam<CountCase> {};

TEST_P(RecordCountFromLength, RoundsTrailingFragments) {
    TempFolder folder;
    folder.WriteArchive(std::string(GetParam().bytes, '1'));
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    EXPECT_EQ(archive.RecordCount(), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Lengths, RecordCountFromLength,
                         ::testing::Values(CountCase{"empty", 0, 0}, CountCase{"fragment12", 12, 0},
                                           CountCase{"fragment13", 13, 1}, CountCase{"one", 25, 1},
                                           CountCase{"twoPlus12", 62, 2}, CountCase{"twoPlus13", 63, 3},
                                           CountCase{"twoPlus24", 74, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawArchive, MissingFolderAndFileAreCreatedEmpty) {
    TempFolder folder;
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    EXPECT_EQ(archive.RecordCount(), 0);
    EXPECT_TRUE(fs::exists(folder.path() / "dati" / "estraz09.txt"));
    EXPECT_EQ(archive.ReadDrawRecord(1), "");
}

TEST(DrawArchive, RealArchiveFirstAndLastRecords) {
    TempFolder folder;
    fs::create_directories(folder.path() / "dati");
    fs::copy_file(test::RealArchive(), folder.path() / "dati" / "estraz09.txt");
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    EXPECT_EQ(archive.RecordCount(), 4253);
    EXPECT_EQ(archive.ReadDrawRecord(1), kFirstReal);
    EXPECT_EQ(archive.ReadDrawRecord(archive.RecordCount()), kLastReal);
    const std::vector<std::string> block = archive.ReadDrawRecords(4252, 4253);
    ASSERT_EQ(block.size(), 2u);
    EXPECT_EQ(block[1], kLastReal);
}

TEST(DrawArchive, RecordsOutsideTheArchiveReadEmptyNeverStrayBytes) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    for (int k : {-5, 0, 11, 1000000}) EXPECT_EQ(archive.ReadDrawRecord(k), "") << "record " << k;
    EXPECT_EQ(archive.ReadDrawRecords(-3, 2).size(), 2u);
    EXPECT_EQ(archive.ReadDrawRecords(9, 40).size(), 2u);
    EXPECT_TRUE(archive.ReadDrawRecords(5, 4).empty());
    archive.CloseDrawArchive();
    EXPECT_EQ(archive.ReadDrawRecord(1), "");
}

TEST(DrawArchive, PartialLastRecordIsPaddedWithBlanks) {
    TempFolder folder;
    folder.CopyFixture("archive-partial-record.txt", "dati/estraz09.txt");
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    ASSERT_EQ(archive.RecordCount(), 3);
    const std::string partial = archive.ReadDrawRecord(3);
    ASSERT_EQ(partial.size(), 25u);
    EXPECT_EQ(partial.substr(13), std::string(12, ' '));
    EXPECT_EQ(ParseDrawRecord(partial).numbers[3], 0);
}

TEST(DrawArchive, LettersAndBlanksInNumberFieldsReadAsDigitsOrZero) {
    TempFolder folder;
    folder.CopyFixture("archive-letters-in-numbers.txt", "dati/estraz09.txt");
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    const DrawRecord first = ParseDrawRecord(archive.ReadDrawRecord(1));
    EXPECT_EQ(first.numbers, (std::array<int, 9>{0, 5, 5, 0, 7, 0, 12, 3, 4}));
    const DrawRecord second = ParseDrawRecord(archive.ReadDrawRecord(2));
    EXPECT_EQ(second.numbers[1], 0);
    EXPECT_EQ(second.numbers[2], 2);
}

TEST(DrawArchive, WritesAppendReplaceAndCutToTwentyFive) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    ASSERT_TRUE(archive.WriteDrawRecord(11, "01GEN20090102030405060708EXTRA"));
    EXPECT_EQ(archive.RecordCount(), 11);
    EXPECT_EQ(archive.ReadDrawRecord(11), "01GEN20090102030405060708");
    ASSERT_TRUE(archive.WriteDrawRecord(2, "02GEN2009 1 2 3 4 5 6 7"));
    EXPECT_EQ(archive.ReadDrawRecord(2), "02GEN2009 1 2 3 4 5 6 7  ");
    EXPECT_EQ(ParseDrawRecord(archive.ReadDrawRecord(2)).numbers[7], 7);
    archive.CloseDrawArchive();
    EXPECT_EQ(fs::file_size(folder.path() / "dati" / "estraz09.txt"), 275u);
}

TEST(DrawArchive, WritesThatWouldLeaveAHoleAreRefused) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    EXPECT_FALSE(archive.WriteDrawRecord(12, "01GEN20090102030405060708"));
    EXPECT_FALSE(archive.WriteDrawRecord(0, "01GEN20090102030405060708"));
    EXPECT_FALSE(archive.Error().empty());
    EXPECT_EQ(archive.RecordCount(), 10);
}

TEST(DrawArchive, AppendingOverAShortFragmentReplacesIt) {
    TempFolder folder;
    folder.CopyFixture("archive-short-fragment.txt", "dati/estraz09.txt");
    DrawArchive archive(folder.path());
    ASSERT_TRUE(archive.OpenDrawArchive());
    ASSERT_EQ(archive.RecordCount(), 2);
    ASSERT_TRUE(archive.WriteDrawRecord(3, "01GEN20090102030405060708"));
    archive.CloseDrawArchive();
    EXPECT_EQ(fs::file_size(folder.path() / "dati" / "estraz09.txt"), 75u);
}

TEST(DrawArchive, AWriteCutShortLeavesTheFileAsItWas) {
    const std::string record = "22AGO20260102030405060708";
    struct Case {
        const char* name;
        const char* fixture;
        int k;  // 0: append
        std::uintmax_t writeLimit;
    };
    const Case cases[] = {
        {"disk full at once", "archive-ten-draws.txt", 0, 0},
        {"half a record", "archive-ten-draws.txt", 0, 20},
        {"one byte short", "archive-ten-draws.txt", 0, 24},
        {"a replacement cut short", "archive-ten-draws.txt", 2, 10},
        {"the padding of a partial record, not the record", "archive-partial-record.txt", 0, 12},
        {"over a short fragment", "archive-short-fragment.txt", 0, 5},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.CopyFixture(c.fixture, "dati/estraz09.txt");
        const std::string before = folder.ReadFile("dati/estraz09.txt");
        DrawArchive archive(folder.path(), c.writeLimit);
        ASSERT_TRUE(archive.OpenDrawArchive()) << c.name;
        const int count = archive.RecordCount();
        EXPECT_FALSE(archive.WriteDrawRecord(c.k == 0 ? count + 1 : c.k, record)) << c.name;
        EXPECT_EQ(archive.Error(), "SCRITTURA DELL'ARCHIVIO NON RIUSCITA: L'ARCHIVIO E' RIMASTO COM'ERA") << c.name;
        EXPECT_EQ(archive.RecordCount(), count) << c.name;
        archive.CloseDrawArchive();
        EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), before) << c.name;
    }
}

TEST(DrawArchive, UnusableFolderGivesAnItalianErrorAndNoCrash) {
    TempFolder folder;
    folder.WriteFile("dati", "a file where the folder should be");
    DrawArchive archive(folder.path());
    EXPECT_FALSE(archive.OpenDrawArchive());
    EXPECT_NE(archive.Error().find("ARCHIVIO"), std::string::npos);
    EXPECT_EQ(archive.RecordCount(), 0);
    EXPECT_EQ(archive.ReadDrawRecord(1), "");
    EXPECT_FALSE(archive.WriteDrawRecord(1, "01GEN20090102030405060708"));
}

TEST(DrawArchive, ArchivesBeyondTheRecordNumbersAreRefused) {
    struct Case {
        const char* name;
        std::uintmax_t bytes;
        bool opens;
    };
    const std::uintmax_t most = static_cast<std::uintmax_t>(kMostDrawRecords) * kDrawRecordLength;
    const Case cases[] = {
        {"the most records", most, true},
        {"a fragment that stays below half a record", most + 12, true},
        {"a fragment that counts as one more", most + 13, false},
        {"60 GB", 60'000'000'000u, false},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.WriteArchive("");
        std::error_code ec;
        // A sparse file: no data is written.
        fs::resize_file(DrawArchive::ArchivePath(folder.path()), c.bytes, ec);
        if (ec) GTEST_SKIP() << "no room for a sparse file of " << c.bytes << " bytes";
        DrawArchive archive(folder.path());
        EXPECT_EQ(archive.OpenDrawArchive(), c.opens) << c.name;
        if (c.opens) {
            EXPECT_EQ(archive.RecordCount(), kMostDrawRecords) << c.name;
            EXPECT_EQ(archive.ReadDrawRecord(kMostDrawRecords).size(), 25u) << c.name;
            EXPECT_FALSE(archive.WriteDrawRecord(kMostDrawRecords + 1, "01GEN20090102030405060708")) << c.name;
        } else {
            EXPECT_EQ(archive.RecordCount(), 0) << c.name;
            EXPECT_NE(archive.Error().find("E' TROPPO GRANDE: PIU' DI 2.147.483.646 ESTRAZIONI"), std::string::npos)
                << c.name << ": " << archive.Error();
        }
    }
}

TEST(LoadDraws, ParsesARangeInOneOpen) {
    TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    const std::vector<DrawRecord> draws = LoadDraws(folder.path(), 1, 3);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].date, "03DIC1997");
    EXPECT_EQ(draws[0].numbers[1], 76);
}

}  // namespace
}  // namespace fortunara
