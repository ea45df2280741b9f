#include <algorithm>
#include <cctype>

#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"
#include "statistics/core/distributions.h"
#include "statistics/core/forecast.h"
#include "statistics/core/number_delays.h"
#include "statistics/core/number_search.h"

namespace fortunara {

namespace {

int RecordCountOf(const CliContext& context) {
    DrawArchive archive(context.folder);
    if (!archive.OpenDrawArchive()) throw CliError(archive.Error());
    return archive.RecordCount();
}

ScanRange RangeOf(const CliContext& context) {
    const int count = RecordCountOf(context);
    return {ParseRecord(context.arguments.Required("--dal"), count, "--dal"),
            ParseRecord(context.arguments.Required("--al"), count, "--al")};
}

// --posizioni LIST: the position boxes that are ticked; "nessuna" ticks none.
PositionFlags PositionsOf(const CliContext& context) {
    if (!context.arguments.Has("--posizioni")) return MainPositions();
    const std::string& text = context.arguments.Required("--posizioni");
    if (Lowered(text) == "nessuna") return PositionFlags{};
    const std::vector<int> list = ParseList(text, "--posizioni");
    for (int p : list) {
        if (p < 1 || p > 8) throw CliError("POSIZIONE NON VALIDA PER --posizioni: " + Plain(p) + " (1 - 8)");
    }
    return PositionsFromList(list);
}

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : " ") + Plain(n);
    return text;
}

int RunDistribution(const CliContext& context, DistributionKind kind) {
    const ScanRange range = RangeOf(context);
    const DistributionTable table = ComputeDistribution(kind, context.folder, range, PositionsOf(context));
    if (!table.error.empty()) throw CliError(table.error);
    RecordWriter writer(context.out, context.Csv(), {"valore", "freq", "rit"});
    for (const DistributionRow& row : DistributionRows(table)) {
        writer.Row({Plain(row.value), Plain(row.frequency), Plain(row.delay)});
    }
    return kCliOk;
}

int ParseSorte(const std::string& text) {
    static const std::vector<std::string> kNames = {"singolo", "ambo", "terno", "quaterna", "cinquina", "sestina"};
    const std::string lower = Lowered(text);
    const auto named = std::find(kNames.begin(), kNames.end(), lower);
    if (named != kNames.end()) return static_cast<int>(named - kNames.begin()) + 1;
    const int sorte = ParseWhole(text, "--sorte");
    if (sorte < kSingolo || sorte > kSestina) throw CliError("VALORE NON VALIDO PER --sorte: " + text + " (1 - 6)");
    return sorte;
}

std::array<bool, 12> ParseMonths(const std::string& text) {
    std::array<bool, 12> months{};
    for (std::string code : SplitCommas(text)) {
        std::transform(code.begin(), code.end(), code.begin(), [](unsigned char c) { return std::toupper(c); });
        const auto found = std::find(kMonthCodes.begin(), kMonthCodes.end(), code);
        if (found == kMonthCodes.end()) throw CliError("MESE NON VALIDO PER --mesi: " + code);
        months[static_cast<std::size_t>(found - kMonthCodes.begin())] = true;
    }
    return months;
}

}  // namespace

// ritardi --dal R --al R [--posizioni LIST]: N FREQ RIT RITMAX for the 90 numbers.
int RunRitardi(const CliContext& context) {
    const ScanRange range = RangeOf(context);
    const DelayTable table = ComputeDelays(context.folder, range, PositionsOf(context));
    if (!table.error.empty()) throw CliError(table.error);
    RecordWriter writer(context.out, context.Csv(), {"numero", "freq", "rit", "ritmax"});
    for (int n = 1; n <= 90; ++n) {
        const NumberDelay& number = table.numbers[static_cast<std::size_t>(n)];
        writer.Row({Plain(n), Plain(number.frequency), Plain(number.delay), Plain(number.maxDelay)});
    }
    return kCliOk;
}

int RunPari(const CliContext& context) {
    return RunDistribution(context, DistributionKind::Parity);
}
int RunSomma(const CliContext& context) {
    return RunDistribution(context, DistributionKind::Sum);
}
int RunInterruzioni(const CliContext& context) {
    return RunDistribution(context, DistributionKind::Interruptions);
}

// ricerca --numeri LIST --sorte S --dal R --al R [--posizioni LIST] [--mesi GEN,FEB,...]:
// FREQUENZA RITARDO RITMAX COLPI, then one line per hit (every hit, without the window's list limit);
// as CSV one table, the four figures on every hit. The figures come first but count every hit, so
// the range is walked twice: once for them, once writing each hit as it is found.
int RunRicerca(const CliContext& context) {
    SearchRequest request;
    for (int n : ParseList(context.arguments.Required("--numeri"), "--numeri")) {
        if (n < 1 || n > 90) throw CliError("NUMERO NON VALIDO PER --numeri: " + Plain(n) + " (1 - 90)");
        request.marked[static_cast<std::size_t>(n)] = true;
    }
    request.sorte = ParseSorte(context.arguments.Required("--sorte"));
    request.positions = PositionsOf(context);
    if (context.arguments.Has("--mesi")) request.months = ParseMonths(context.arguments.Required("--mesi"));
    const ScanRange range = RangeOf(context);
    const SearchResult figures = SearchFigures(request, context.folder, range);
    if (!figures.error.empty()) throw CliError(figures.error);
    HeadedWriter writer(context.out, context.Csv(), {"frequenza", "ritardo", "ritmax", "colpi"},
                        {Plain(figures.total), Plain(figures.delay), Plain(figures.maxDelay), Plain(figures.hitCount)},
                        {"posizione", "data", "numeri"});
    const SearchResult listed = SearchArchive(request, context.folder, range, [&writer](const SearchHit& hit) {
        writer.Detail({Plain(hit.position), hit.date, Joined(hit.matched)});
    });
    if (!listed.error.empty()) throw CliError(listed.error);
    writer.End();
    return kCliOk;
}

// previsione --base R --quantita N: the forecast numbers on one line, then one line per listed outcome;
// as CSV one table, the forecast numbers on every outcome. A forecast cut short by record 1 says so.
int RunPrevisione(const CliContext& context) {
    const int count = RecordCountOf(context);
    const int base = ParseRecord(context.arguments.Required("--base"), count, "--base");
    const int quantity = ParseWhole(context.arguments.Required("--quantita"), "--quantita");
    if (quantity < 0 || quantity > 90) throw CliError(std::string(kQuantityMessage));
    const ForecastResult result = ComputeForecast(context.folder, base, quantity);
    if (!result.error.empty()) throw CliError(result.error);
    if (result.shortened) WriteMessage(context.err, ShortForecastMessage(result));
    HeadedWriter writer(context.out, context.Csv(), {"previsione"}, {Joined(result.numbers)},
                        {"posizione", "data", "numeri"});
    for (const ForecastOutcome& outcome : result.outcomes) {
        writer.Detail({Plain(outcome.position), outcome.date, Joined(outcome.found)});
    }
    writer.End();
    return kCliOk;
}

}  // namespace fortunara
