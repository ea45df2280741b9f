// The date and record checks every writer applies, and the whole-archive checks.
#include <gtest/gtest.h>

#include <algorithm>

#include "archive/core/archive_date.h"
#include "archive/core/archive_verification.h"
#include "archive/core/draw_record.h"
#include "archive/core/draw_scan.h"
#include "archive/core/record_checks.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

TEST(ArchiveDate, OnlyRealDaysInTheArchiveForm) {
    const struct {
        const char* date;
        bool valid;
    } cases[] = {
        {"12GEN2010", true},   {"29FEB2008", true},  {"29FEB2000", true},  {"31DIC1997", true},
        {"29FEB2009", false},  {"29FEB1900", false}, {"31APR2010", false}, {"00GEN2010", false},
        {"32GEN2010", false},  {"12gen2010", false}, {"12JAN2010", false}, {"12GEN201", false},
        {"12GEN20100", false}, {"1GEN2010 ", false}, {"12GEN0000", false}, {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsArchiveDate(c.date), c.valid) << c.date;
    EXPECT_LT(ArchiveDateKey("31DIC2009"), ArchiveDateKey("01GEN2010"));
}

TEST(ArchiveDate, DayFirstDatesAsPagesWriteThem) {
    const struct {
        const char* text;
        const char* date;
    } cases[] = {
        {"15/03/2009", "15MAR2009"},
        {" 15/03/2009\t", "15MAR2009"},
        {"5-3-2009", "05MAR2009"},
        {"15.03.09", "15MAR2009"},
        {"15/03/95", "15MAR1995"},
        {"31/04/2009", ""},
        {"15/03-2009", ""},
        {"15/03", ""},
        {"2009/03/15", ""},
        {"sabato 15/03/2009", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadDayFirstDate(c.text), c.date) << c.text;
}

TEST(RecordChecks, EachFaultOfADraw) {
    const struct {
        const char* record;
        std::vector<std::string> faults;
    } cases[] = {
        {"01GEN20090102030405060708", {}},
        {"12GEN201012 5773190 344 8", {}},
        // The superstar is drawn apart: 0 before it existed, and equal to a main number or the jolly.
        {"01GEN20090102030405060700", {}},
        {"01GEN20090102030405060701", {}},
        {"01GEN20090102030405060707", {}},
        {"30FEB20090102030405060708", {"DATA NON VALIDA: \"30FEB2009\""}},
        {"01GEN20099102030405060708", {"NUMERO 1 FUORI DA 1-90: 91"}},
        {"01GEN20090002030405060708", {"NUMERO 1 FUORI DA 1-90: 0"}},
        {"01GEN20090102030405010708", {"NUMERO 6 RIPETUTO: 1"}},
        {"01GEN20090102030405060608", {"JOLLY UGUALE A UN NUMERO ESTRATTO: 6"}},
        {"01GEN20090102030405060008", {"JOLLY FUORI DA 1-90: 0"}},
        {"01GEN20090102030405060791", {"SUPERSTAR FUORI DA 0-90: 91"}},
        {"01GEN2009010203x405060708", {"NUMERO 4 NON E' UN NUMERO: \"x4\""}},
        {"01GEN2009",
         {"NUMERO 1 FUORI DA 1-90: 0", "NUMERO 2 FUORI DA 1-90: 0", "NUMERO 3 FUORI DA 1-90: 0",
          "NUMERO 4 FUORI DA 1-90: 0", "NUMERO 5 FUORI DA 1-90: 0", "NUMERO 6 FUORI DA 1-90: 0",
          "JOLLY FUORI DA 1-90: 0"}},
    };
    for (const auto& c : cases) EXPECT_EQ(RecordFaults(c.record), c.faults) << c.record;
}

TEST(ArchiveCopyFault, SaysWhyACopyIsNoArchive) {
    const std::string good = "01GEN20090102030405060708";
    const std::string bad = "02GEN20090102030405060606";
    EXPECT_EQ(ArchiveCopyFault(good + good), "");
    EXPECT_EQ(ArchiveCopyFault(""), "IL FILE NON E' UN ARCHIVIO DELLE ESTRAZIONI: E' VUOTO");
    EXPECT_EQ(ArchiveCopyFault(good + "\r\n"),
              "IL FILE NON E' UN ARCHIVIO DELLE ESTRAZIONI: LA SUA LUNGHEZZA (27 BYTE) NON E' UN MULTIPLO DI 25");
    EXPECT_EQ(ArchiveCopyFault("<html><body>404</body></html>" + std::string(21, ' ')),
              "IL FILE NON E' UN ARCHIVIO DELLE ESTRAZIONI: LA PRIMA ESTRAZIONE NON E' VALIDA (DATA NON VALIDA: "
              "\"<html><bo\")");
    EXPECT_EQ(ArchiveCopyFault(good + good + bad),
              "L'ESTRAZIONE 3 DEL FILE NON E' VALIDA: JOLLY UGUALE A UN NUMERO ESTRATTO: 6");
}

// A good draw on the i-th of a run of increasing dates.
std::string DrawOnDay(int i) {
    return FormatDrawRecord(ArchiveDate(i % 25 + 1, i / 25 % 12 + 1, 1000 + i / 300), {1, 2, 3, 4, 5, 6, 7, 8});
}

// The archive file is verified a block at a time: a repeat is found however far back, and in any
// order, its first record lies.
TEST(VerifyArchiveFile, RepeatsAcrossBlocksAndOutOfOrderDates) {
    const auto verify = [](const std::string& bytes) {
        test::TempFolder folder;
        folder.WriteArchive(bytes);
        std::vector<ArchiveFinding> findings;
        EXPECT_EQ(VerifyArchiveFile(folder.path() / "dati" / "estraz09.txt",
                                    [&findings](const ArchiveFinding& finding) { findings.push_back(finding); }),
                  "");
        EXPECT_EQ(findings, VerifyArchive(bytes));
        return findings;
    };
    std::string inOrder;
    for (int i = 0; i < kScanBlockRecords + 10; ++i) inOrder += DrawOnDay(i);
    EXPECT_EQ(verify(inOrder + DrawOnDay(4) + "01GEN20090102"),
              (std::vector<ArchiveFinding>{
                  {kScanBlockRecords + 11, "DATA RIPETUTA: " + DrawOnDay(4).substr(0, 9) + " (COME L'ESTRAZIONE 5)"},
                  {kScanBlockRecords + 12, "ESTRAZIONE INCOMPLETA: 13 CARATTERI SU 25"}}));

    // Newest first: every date but the first is out of order; then two repeats.
    constexpr int kBackwards = 10000;
    std::string backwards;
    for (int i = kBackwards; i > 0; --i) backwards += DrawOnDay(i);
    const std::vector<ArchiveFinding> findings = verify(backwards + DrawOnDay(kBackwards) + DrawOnDay(1234));
    EXPECT_EQ(std::count_if(findings.begin(), findings.end(),
                            [](const ArchiveFinding& f) { return f.text.rfind("DATA FUORI ORDINE", 0) == 0; }),
              kBackwards - 1);
    ASSERT_GE(findings.size(), 2u);
    EXPECT_EQ(findings[findings.size() - 2].text,
              "DATA RIPETUTA: " + DrawOnDay(kBackwards).substr(0, 9) + " (COME L'ESTRAZIONE 1)");
    EXPECT_EQ(findings.back().text, "DATA RIPETUTA: " + DrawOnDay(1234).substr(0, 9) + " (COME L'ESTRAZIONE " +
                                        std::to_string(kBackwards - 1234 + 1) + ")");
}

}  // namespace
}  // namespace fortunara
