#include <gtest/gtest.h>

#include "platform/text/number_text.h"
#include "state/program_state.h"
#include "statistics/core/archive_reports.h"
#include "statistics/core/forecast_outputs.h"
#include "statistics/core/statistics_state.h"
#include "tests/fakes/fake_printer.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::FakePrinter;
using Lines = std::vector<std::string>;

const std::string kRule(38, '_');
const std::string kFrame = "|--------------------------------------------------------------|";

// ---- Archive print ----

TEST(ArchivePrint, RowKeepsStoredOrderForRuoteAndSortsOtherwise) {
    const DrawRecord draw = ParseDrawRecord("01GEN20091705030402060708");
    const std::string ruote = ArchivePrintRow(draw, true);
    EXPECT_EQ(ruote, "|   01GEN2009 |   17 |   05 |   03 |   04 |   02 |   06 |   07 |   08 |");
    EXPECT_EQ(ruote.size(), 71u);
    EXPECT_EQ(ArchivePrintRow(draw, false), "|   01GEN2009 |   02 |   03 |   04 |   05 |   06 |   17 |   07 |   08 |");
}

TEST(ArchivePrint, PrintsNewestFirstBetweenFrameAndHeading) {
    test::TempFolder folder;
    folder.WriteArchive(
        "01GEN20091705030402060708"
        "03GEN20090102030405060708"
        "05GEN20091112131415161718");
    FakePrinter printer;
    const ArchivePrintResult result = PrintArchive(printer, folder.path(), {3, 2}, false);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.AllLines(),
              (Lines{"", kFrame, "|           STAMPA  ARCHIVIO ESTRATTI SESTARIAGIOCO            |", kFrame,
                     "|  DATA       |    1 |    2 |    3 |    4 |    5 |    6 |   JO | STAR |", kFrame,
                     "|   05GEN2009 |   11 |   12 |   13 |   14 |   15 |   16 |   17 |   18 |",
                     "|   03GEN2009 |   01 |   02 |   03 |   04 |   05 |   06 |   07 |   08 |", kFrame}));
    EXPECT_EQ(result.recordCount, 3);
    EXPECT_EQ(result.rows, 2);

    ProgramState state;
    StoreArchivePrint(result, state);
    EXPECT_EQ(std::vector<int>(state.DrawNumbers.begin() + 1, state.DrawNumbers.begin() + 9),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(ArchivePrint, OneRowWhenTheEndsMeetAndNoneWhenFromIsBelowTo) {
    test::TempFolder folder;
    folder.WriteArchive(
        "01GEN20091705030402060708"
        "03GEN20090102030405060708");
    FakePrinter printer;
    PrintArchive(printer, folder.path(), {1, 1}, true);
    const Lines one = printer.AllLines();
    ASSERT_EQ(one.size(), 8u);
    EXPECT_EQ(one[4], "|  DATA       |   BA |   FI |   MI |   NA |   PA |   RO |   VE |");
    EXPECT_EQ(one[6], "|   01GEN2009 |   17 |   05 |   03 |   04 |   02 |   06 |   07 |   08 |");
    PrintArchive(printer, folder.path(), {1, 2}, true);
    EXPECT_EQ(printer.AllLines().size(), 7u);
    EXPECT_EQ(printer.AllLines()[6], kFrame);
}

// ---- Search report ----

SearchReportInput AmboReport() {
    SearchReportInput input;
    input.numbers = {12, 45};
    input.sorte = 2;
    input.allWheels = true;
    input.dalCaption = "DAL: 07MAR2026";
    input.alCaption = "AL: 01GEN2009";
    input.rangeSpan = 100;
    input.delay = 3;
    input.maxDelay = 40;
    input.total = 2;
    input.hitCount = 2;
    input.hitTexts = {"01FEB2009  12  45  ( 3) ", "08FEB2009  12  45  ( 43) "};
    return input;
}

TEST(SearchReport, PrintsNumbersKindRangeFiguresAndHits) {
    FakePrinter printer;
    PrintSearchReport(printer, AmboReport());
    EXPECT_EQ(printer.AllLines(),
              (Lines{"", "                RICERCA DEI NUMERI NELL'ARCHIVIO ", "", "", "NUMERI:  12    45   ", "",
                     "RICERCA SU TUTTE LE RUOTE", "PER LA SORTE DI  AMBO", "DAL: 07MAR2026 AL: 01GEN2009",
                     "PER UN TOTALE DI  100  SETTIMANE", "", "", "RITARDO    :  3 ", "RITARDO MAX:  40 ",
                     "FREQUENZA  :  2 ", "", " 1 01FEB2009  12  45  ( 3) ", " 2 08FEB2009  12  45  ( 43) "}));
}

TEST(SearchReport, SestinaLeavesTheKindLineOpenForTheRange) {
    SearchReportInput input = AmboReport();
    input.sorte = 6;
    input.allWheels = false;  // before any search
    FakePrinter printer;
    PrintSearchReport(printer, input);
    const Lines lines = printer.AllLines();
    EXPECT_EQ(lines[6], "PER LA SORTE DI DAL: 07MAR2026 AL: 01GEN2009");
    EXPECT_EQ(lines[7], "PER UN TOTALE DI  100  SETTIMANE");
}

TEST(SearchReport, PrintsTheLastSearchWhateverOtherWindowsLeftSince) {
    ProgramState state;
    SearchRequest request;
    request.marked[12] = request.marked[45] = true;
    request.sorte = 2;
    const std::vector<DrawRecord> draws = {test::FillerDraw(), test::MakeDraw("08FEB2009", {45, 12, 1, 2, 3, 4})};
    StoreSearch(SearchArchive(request, draws), state);
    FakePrinter printer;
    PrintSearchReport(printer, SearchReportFrom(state, "DAL: 08FEB2009", "AL: 01GEN2020", 1));
    const Lines lines = printer.AllLines();
    EXPECT_EQ(lines[4], "NUMERI:  12    45   ");
    EXPECT_EQ(lines[6], "RICERCA SU TUTTE LE RUOTE");
    EXPECT_EQ(lines[9], "PER UN TOTALE DI  1  SETTIMANE");
    EXPECT_EQ(lines[12], "RITARDO    :  1 ");
    EXPECT_EQ(lines.back(), " 1 08FEB2009  12  45  ( 1) ");

    // A forecast and a loaded system's comment lines afterwards: the same report.
    ForecastResult forecast;
    forecast.flags[1] = true;
    forecast.numbers = {1};
    StoreForecast(forecast, state);
    state.CommentLines[1] = " SISTEMA DI 10 NUMERI IN  35 ";
    PrintSearchReport(printer, SearchReportFrom(state, "DAL: 08FEB2009", "AL: 01GEN2020", 1));
    EXPECT_EQ(printer.AllLines(), lines);
}

TEST(SearchReport, NoHitsPrintsZerosAndNoHitLine) {
    SearchReportInput input = AmboReport();
    input.delay = input.maxDelay = 0;
    input.total = 0;
    input.hitCount = 0;
    input.hitTexts.clear();
    FakePrinter printer;
    PrintSearchReport(printer, input);
    const Lines lines = printer.AllLines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[12], "RITARDO    :  0 ");
    EXPECT_EQ(lines[14], "FREQUENZA  :  0 ");
    EXPECT_EQ(lines[15], "");
}

// ---- Forecast print and hand-over ----

ForecastPrintInput ForecastPrint(std::initializer_list<int> numbers, Lines outcomes) {
    ForecastPrintInput input;
    input.baseCaption = "DAL: 07MAR2026";
    input.quantityText = Plain(static_cast<long long>(numbers.size()));
    for (int n : numbers) input.forecastFlags[static_cast<std::size_t>(n)] = 1;
    input.outcomeLines = std::move(outcomes);
    return input;
}

Lines ForecastHead(const std::string& quantity) {
    return {"\x1bM",
            "",
            "  STAMPA PREVISIONE SISTEMA SESTARIA",
            kRule,
            " PREVISIONE DEL DAL: 07MAR2026",
            " TOTALE NUMERI " + quantity,
            kRule,
            "NUMERI IN GIOCO :"};
}

TEST(ForecastPrint, TenNumbersPrintNineOnTheFirstLineAndOneOnTheSecond) {
    FakePrinter printer;
    PrintForecast(printer, ForecastPrint({5, 12, 20, 31, 44, 50, 61, 77, 80, 90},
                                         {" 1 04GEN2009   5 12 20", " 7 14MAR2009  31 44 50"}));
    Lines expected = ForecastHead("10");
    for (const std::string& line : Lines{"  5  12  20  31  44  50  61  77  80 ", " 90 ", kRule,
                                         " USCITE :", " 1 04GEN2009   5 12 20", " 7 14MAR2009  31 44 50", "", kRule}) {
        expected.push_back(line);
    }
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.AllLines(), expected);
}

TEST(ForecastPrint, NineNumbersPrintAFullLineThenAnEmptyOne) {
    FakePrinter printer;
    PrintForecast(printer, ForecastPrint({1, 2, 3, 4, 5, 6, 7, 8, 9}, {}));
    Lines expected = ForecastHead("9");
    for (const std::string& line : Lines{"  1   2   3   4   5   6   7   8   9 ", "", kRule, " USCITE :", "", kRule}) {
        expected.push_back(line);
    }
    EXPECT_EQ(printer.AllLines(), expected);
}

TEST(ForecastPrint, OnlyElementsEqualToOnePrint) {
    ForecastPrintInput input = ForecastPrint({5, 12}, {});
    input.forecastFlags[30] = 30;  // no flag
    FakePrinter printer;
    PrintForecast(printer, input);
    EXPECT_EQ(printer.AllLines()[8], "  5  12 ");
}

}  // namespace
}  // namespace fortunara
