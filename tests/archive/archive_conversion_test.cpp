// The conversion of a text archive into records 1428 downwards.
#include "archive/core/archive_conversion.h"

#include <gtest/gtest.h>

#include <sstream>

#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::TempFolder;

std::string Record(int k) {
    return "0" + std::to_string(k % 9 + 1) + "GEN2009" + "0102030405060708";
}

std::string RecordAt(const std::string& archive, int k) {
    return archive.substr(static_cast<std::size_t>(k - 1) * 25, 25);
}

std::vector<std::string> Entries(const std::string& text) {
    std::istringstream in(text);
    TextArchiveReader reader(in);
    std::vector<std::string> entries;
    while (std::optional<std::string> entry = reader.Next()) entries.push_back(*entry);
    return entries;
}

ConversionResult Convert(const TempFolder& folder, std::uintmax_t writeLimit = kNoWriteLimit) {
    const ArchiveLock lock(folder.path());
    return ConvertTextArchive(folder.path(), folder.path() / "archivio.txt", lock, writeLimit);
}

TEST(TextArchiveReader, LinesCommasBlanksQuotesAndAByteOrderMark) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> entries;
    } cases[] = {
        {"crlf lines", "A\r\nB\r\n", {"A", "B"}},
        {"lf alone and a last line without end", "A\nB", {"A", "B"}},
        {"two on a line", "A,B\r\nC", {"A", "B", "C"}},
        {"blanks before skipped", "   A,  B", {"A", "B"}},
        {"quoted", "\"A B\",\"C,D\" tail,E", {"A B", "C,D", "E"}},
        {"empty lines and entries are none", "A\r\n\r\n,,B\r\n   \r\n", {"A", "B"}},
        {"long entry kept whole here", "01GEN20090102030405060708XYZ", {"01GEN20090102030405060708XYZ"}},
        {"byte-order mark dropped",
         "\xEF\xBB\xBF"
         "A\r\nB",
         {"A", "B"}},
        {"byte-order mark only at the start",
         "A\r\n\xEF\xBB\xBF"
         "B",
         {"A",
          "\xEF\xBB\xBF"
          "B"}},
        {"shorter than a mark", "\xEF\xBB", {"\xEF\xBB"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Entries(c.text), c.entries) << c.name;
}

TEST(ConvertTextArchive, ThreeEntriesIntoAnEmptyArchiveFillTheGapWithBlankRecords) {
    TempFolder folder;
    folder.WriteArchive("");
    folder.WriteFile("archivio.txt", Record(3) + "XYZ\r\n" + Record(2) + "," + Record(1) + "\r\n");
    const ConversionResult result = Convert(folder);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.written, 3);
    EXPECT_EQ(result.recordCount, 1428);
    EXPECT_FALSE(result.backedUp);  // nothing that was there was rewritten
    const std::string archive = folder.ReadFile("dati/estraz09.txt");
    ASSERT_EQ(archive.size(), 1428u * 25);
    EXPECT_EQ(RecordAt(archive, 1428), Record(3));
    EXPECT_EQ(RecordAt(archive, 1427), Record(2));
    EXPECT_EQ(RecordAt(archive, 1426), Record(1));
    EXPECT_EQ(archive.substr(0, 1425 * 25), std::string(1425 * 25, ' '));
}

TEST(ConvertTextArchive, ExactlyTheTopRecordsInReverseAndTheRestKept) {
    TempFolder folder;
    std::string old;
    for (int k = 1; k <= 1430; ++k) old += Record(k);
    folder.WriteArchive(old);
    std::string text;
    for (int j = 1; j <= 1428; ++j) text += "0" + std::to_string(j % 9 + 1) + "FEB2010" + "1112131415161718\r\n";
    text.replace(0, 9, "28FEB2010");  // the newest, first in the file
    folder.WriteFile("archivio.txt", text);
    const ConversionResult result = Convert(folder);
    ASSERT_TRUE(result.ok()) << result.error;
    const std::string archive = folder.ReadFile("dati/estraz09.txt");
    EXPECT_FALSE(result.more);
    EXPECT_EQ(RecordAt(archive, 1428), "28FEB20101112131415161718");
    EXPECT_EQ(RecordAt(archive, 1), "0" + std::to_string(1428 % 9 + 1) + "FEB20101112131415161718");
    // Records above 1428 keep their content; the old archive is kept once.
    EXPECT_EQ(archive.substr(1428 * 25), old.substr(1428 * 25));
    EXPECT_TRUE(result.backedUp);
    EXPECT_EQ(folder.ReadFile("dati/estraz09.bak"), old);
}

TEST(ConvertTextArchive, MoreThanTheTopConvertsTheFirstAndReadsNoFurther) {
    TempFolder folder;
    folder.WriteArchive("");
    std::string text;
    for (int j = 1; j <= 1431; ++j) text += Record(j) + "\r\n";
    folder.WriteFile("archivio.txt", text);
    const ConversionResult result = Convert(folder);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.written, 1428);
    EXPECT_TRUE(result.more);
    EXPECT_EQ(RecordAt(folder.ReadFile("dati/estraz09.txt"), 1), Record(1428));
    EXPECT_EQ(LeftOutMessage(result),
              "L'ARCHIVIO DI TESTO HA PIU' DI 1428 ESTRAZIONI: CONVERTITE LE PRIME 1428, LE ALTRE NON SONO STATE LETTE "
              "(L'ARCHIVIO NE RICEVE AL MASSIMO 1428)");
}

TEST(ConvertTextArchive, PartialLastRecordIsPaddedNotLeftWithAHole) {
    TempFolder folder;
    folder.WriteArchive(Record(1) + Record(2) + "03FEB2009 1 2");
    folder.WriteFile("archivio.txt", Record(5));
    ASSERT_TRUE(Convert(folder).ok());
    const std::string archive = folder.ReadFile("dati/estraz09.txt");
    EXPECT_EQ(RecordAt(archive, 3), "03FEB2009 1 2            ");
    EXPECT_EQ(archive.find('\0'), std::string::npos);
}

TEST(ConvertTextArchive, MissingOrEmptyTextArchiveWritesNothing) {
    TempFolder folder;
    folder.WriteArchive(Record(1));
    const ConversionResult missing = Convert(folder);
    EXPECT_NE(missing.error.find("IMPOSSIBILE LEGGERE L'ARCHIVIO DI TESTO"), std::string::npos) << missing.error;
    folder.WriteFile("archivio.txt", "\r\n\r\n");
    const ConversionResult empty = Convert(folder);
    EXPECT_NE(empty.error.find("NON CONTIENE ESTRAZIONI"), std::string::npos) << empty.error;
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), Record(1));
}

TEST(ConvertTextArchive, AnEntryThatIsNoDrawRefusesTheWholeText) {
    const struct {
        const char* name;
        std::string text;
        std::string error;  // what the error says after the file's name
    } cases[] = {
        {"numbers of 99", Record(2) + "\r\n01GEN20099999999999999999\r\n",
         " HA 1 ESTRAZIONE NON VALIDA: NON E' STATO CONVERTITO NIENTE\nRIGA 2: NUMERO 1 FUORI DA 1-90: 99"},
        {"letters and a repeat on one line",
         "QUESTA RIGA NON E' UN'ESTRAZIONE," + Record(1).substr(0, 11) + "01" + Record(1).substr(13),
         " HA 2 ESTRAZIONI NON VALIDE: NON E' STATO CONVERTITO NIENTE\nRIGA 1: DATA NON VALIDA: \"QUESTA RI\"\n"
         "RIGA 1: NUMERO 2 RIPETUTO: 1"},
        {"a short entry", Record(1).substr(0, 21),
         " HA 1 ESTRAZIONE NON VALIDA: NON E' STATO CONVERTITO NIENTE\n"
         "RIGA 1: JOLLY FUORI DA 1-90: 0"},
        {"no line end for ever", std::string(5000, '7'),
         "LA RIGA 1 DELL'ARCHIVIO DI TESTO {} E' TROPPO LUNGA (PIU' DI 4096 CARATTERI): NON E' STATO CONVERTITO "
         "NIENTE"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.WriteArchive(Record(1));
        folder.WriteFile("archivio.txt", c.text);
        const ConversionResult result = Convert(folder);
        const std::string name = (folder.path() / "archivio.txt").string();
        std::string expected = c.error;
        if (const std::size_t at = expected.find("{}"); at != std::string::npos) {
            expected.replace(at, 2, name);
        } else {
            expected = "L'ARCHIVIO DI TESTO " + name + expected;
        }
        EXPECT_EQ(result.error, expected) << c.name;
        EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), Record(1)) << c.name;
    }
}

TEST(ReplaceFileBytes, ReplacesTheFileOrSaysWhyNot) {
    TempFolder folder;
    folder.WriteFile("dati/estraz09.txt", "VECCHIO");
    // A user's own file of the old temporary name is never taken for the writer's.
    folder.WriteFile("dati/estraz09.txt.tmp", "DELL'UTENTE");
    EXPECT_EQ(ReplaceFileBytes(folder.path() / "dati" / "estraz09.txt", "NUOVO"), "");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), "NUOVO");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt.tmp"), "DELL'UTENTE");
    // A file where its folder should be: nothing can be written there, and the caller is told.
    folder.WriteFile("occupato", "");
    EXPECT_NE(ReplaceFileBytes(folder.path() / "occupato" / "estraz09.txt", "NUOVO"), "");
}

}  // namespace
}  // namespace fortunara
