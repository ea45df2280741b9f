#include "statistics/core/archive_reports.h"

#include <algorithm>

#include "platform/text/number_text.h"
#include "state/program_state.h"
#include "statistics/core/number_search.h"
#include "statistics/core/statistics_state.h"

namespace fortunara {

namespace {

const std::string kFrame = "|--------------------------------------------------------------|";

std::array<int, 11> PrintedNumbers(const DrawRecord& draw, bool ruote) {
    std::array<int, 11> numbers{};
    std::copy(draw.numbers.begin() + 1, draw.numbers.begin() + 9, numbers.begin() + 1);
    if (!ruote) std::sort(numbers.begin() + 1, numbers.begin() + 7);
    return numbers;
}

std::string SorteText(int sorte) {
    switch (sorte) {
        case 1:
            return " AMBATA";
        case 2:
            return " AMBO";
        case 3:
            return " TERNO";
        case 4:
            return " QUATERNA";
        case 5:
            return " CINQUINA";
        default:
            return "";  // a sestina names no kind: the line stays open
    }
}

}  // namespace

std::string ArchivePrintRow(const DrawRecord& draw, bool ruote) {
    const std::array<int, 11> numbers = PrintedNumbers(draw, ruote);
    std::string row = "|   " + draw.date + " ";
    for (std::size_t k = 1; k <= 8; ++k) row += "|   " + TwoDigits(numbers[k]) + " ";
    return row + "|";
}

ArchivePrintResult PrintArchive(Printer& printer, const std::filesystem::path& programFolder, const ScanRange& range,
                                bool ruote) {
    ArchivePrintResult result;
    printer.EndLine();
    printer.Print(kFrame);
    printer.Print("|           STAMPA  ARCHIVIO ESTRATTI SESTARIAGIOCO            |");
    printer.Print(kFrame);
    printer.Print(ruote ? "|  DATA       |   BA |   FI |   MI |   NA |   PA |   RO |   VE |"
                        : "|  DATA       |    1 |    2 |    3 |    4 |    5 |    6 |   JO | STAR |");
    printer.Print(kFrame);
    // A range that runs upwards prints no row; {0, 0} reads nothing but still counts the records.
    const ScanRange printed = range.from >= range.to ? range : ScanRange{0, 0};
    const ScanOutcome scan = VisitScan(programFolder, printed, [&](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            printer.Print(ArchivePrintRow(draw, ruote));
            result.lastNumbers = PrintedNumbers(draw, ruote);
            ++result.rows;
        }
        return true;
    });
    result.recordCount = scan.recordCount;
    result.error = scan.error;
    printer.Print(kFrame);
    printer.EndJob();
    return result;
}

void StoreArchivePrint(const ArchivePrintResult& result, ProgramState& state) {
    state.RecordCount = result.recordCount;
    if (result.rows > 0)
        std::copy(result.lastNumbers.begin() + 1, result.lastNumbers.begin() + 9, state.DrawNumbers.begin() + 1);
}

SearchReportInput SearchReportFrom(const ProgramState& state, std::string dalCaption, std::string alCaption,
                                   int rangeSpan) {
    SearchReportInput input;
    // Indices the shared arrays do not hold are skipped, as the report skips an item it cannot print.
    const int marked = std::clamp(state.SearchCount - 1, 0, 90);
    for (int n = 1; n <= marked; ++n) input.numbers.push_back(state.SearchNumbers[static_cast<std::size_t>(n)]);
    input.sorte = state.SearchSorte;
    input.allWheels = state.SearchCount > 0;
    input.dalCaption = std::move(dalCaption);
    input.alCaption = std::move(alCaption);
    input.rangeSpan = rangeSpan;
    input.delay = state.SearchDelay;
    input.maxDelay = state.SearchMaxDelay;
    input.total = state.SearchTotal;
    input.hitCount = state.SearchHitCount;
    input.hitTexts = state.SearchHitTexts;
    return input;
}

void PrintSearchReport(Printer& printer, const SearchReportInput& input) {
    printer.EndLine();
    printer.Print("                RICERCA DEI NUMERI NELL'ARCHIVIO ");
    printer.EndLine();
    printer.EndLine();
    printer.Print("NUMERI: ", LineEnd::Open);
    for (int n : input.numbers) printer.Print({static_cast<long long>(n), std::string("  ")}, LineEnd::Open);
    printer.EndLine();
    printer.EndLine();
    if (input.allWheels) printer.Print("RICERCA SU TUTTE LE RUOTE");
    printer.Print("PER LA SORTE DI ", LineEnd::Open);
    const std::string sorte = SorteText(input.sorte);
    if (!sorte.empty()) printer.Print(sorte);
    printer.Print(input.dalCaption + " " + input.alCaption);
    printer.Print(
        {std::string("PER UN TOTALE DI "), static_cast<long long>(input.rangeSpan), std::string(" SETTIMANE")});
    printer.EndLine();
    printer.EndLine();
    printer.Print({std::string("RITARDO    : "), static_cast<long long>(input.delay)});
    printer.Print({std::string("RITARDO MAX: "), static_cast<long long>(input.maxDelay)});
    printer.Print({std::string("FREQUENZA  : "), input.total});
    printer.EndLine();
    for (std::size_t h = 0; h < input.hitTexts.size(); ++h) {
        printer.Print(TextForm(static_cast<long long>(h) + 1) + " " + input.hitTexts[h]);
    }
    if (input.hitCount > static_cast<int>(input.hitTexts.size()) && input.hitTexts.size() == kListedHits) {
        printer.Print(MoreHitsLine(input.hitCount - static_cast<long long>(input.hitTexts.size())));
    }
    printer.EndJob();
}

}  // namespace fortunara
