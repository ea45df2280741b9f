// grafico-*: the series of the chart window as text, each beside what chance alone gives.
#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "app/cli/cli_range.h"
#include "app/cli/cli_tickets.h"
#include "checks/core/record_chart.h"
#include "platform/text/number_text.h"
#include "state/money.h"
#include "statistics/core/distribution_chart.h"
#include "statistics/core/number_charts.h"
#include "systems/core/guarantee_texts.h"
#include "systems/core/play_odds.h"

namespace fortunara {

namespace {

NumberScan ScanOrFail(const CliContext& context, const PositionFlags& positions) {
    NumberScan scan = ScanNumbers(context.folder, RangeOf(context), positions);
    if (!scan.table.error.empty()) throw CliError(scan.table.error);
    return scan;
}

std::string Euros(double cents) {
    return PlainDecimal2(cents / 100);
}

long long Amount(const CliContext& context, const std::string& option, long long fallback) {
    if (!context.arguments.Has(option)) return fallback;
    const std::string& text = context.arguments.Required(option);
    const long long cents = ParsePriceCents(text);
    if (cents < 0) throw CliError("IMPORTO NON VALIDO PER " + option + ": " + Printable(text));
    return cents;
}

}  // namespace

// grafico-frequenze --dal R --al R [--posizioni LIST]: FUORI ATTESI_FUORI, then per number
// NUMERO FREQ ATTESA BASSA ALTA.
int RunGraficoFrequenze(const CliContext& context) {
    const PositionFlags positions = PositionsOf(context);
    const FrequencySeries series = FrequenciesAgainstChance(ScanOrFail(context, positions), positions);
    HeadedWriter writer(context.out, context.Csv(), {"fuori", "attesi_fuori"},
                        {Plain(series.outside), PlainDecimal2(series.expectedOutside)},
                        {"numero", "freq", "attesa", "bassa", "alta"});
    for (const FrequencyBar& bar : series.bars) {
        writer.Detail({Plain(bar.number), Plain(bar.frequency), PlainDecimal2(bar.chance.mean),
                       PlainDecimal2(bar.chance.low), PlainDecimal2(bar.chance.high)});
    }
    writer.End();
    return kCliOk;
}

// grafico-ritardo --numero N --dal R --al R [--posizioni LIST]: NUMERO RITMAX SOGLIA, then per draw
// from the "AL" end: ESTRAZIONE DATA RITARDO.
int RunGraficoRitardo(const CliContext& context) {
    const int number = ParseWhole(context.arguments.Required("--numero"), "--numero");
    if (number < 1 || number > 90) throw CliError("NUMERO NON VALIDO PER --numero: " + Plain(number) + " (1 - 90)");
    const DelayHistory history = ComputeDelayHistory(context.folder, RangeOf(context), PositionsOf(context), number);
    if (!history.error.empty()) throw CliError(history.error);
    HeadedWriter writer(context.out, context.Csv(), {"numero", "ritmax", "soglia"},
                        {Plain(number), Plain(history.maxDelay), Plain(history.rareGap)},
                        {"estrazione", "data", "ritardo"});
    for (std::size_t i = 0; i < history.delays.size(); ++i) {
        writer.Detail({Plain(history.records[i]), history.dates[i], Plain(history.delays[i])});
    }
    writer.End();
    return kCliOk;
}

// grafico-ritardi --dal R --al R [--posizioni LIST]: OLTRE ATTESI_OLTRE, then per number, the largest
// delay first: NUMERO RIT MEDIA SOGLIA.
int RunGraficoRitardi(const CliContext& context) {
    const PositionFlags positions = PositionsOf(context);
    const CurrentDelaySeries series = CurrentDelaysAgainstChance(ScanOrFail(context, positions), positions);
    HeadedWriter writer(context.out, context.Csv(), {"oltre", "attesi_oltre"},
                        {Plain(series.beyond), PlainDecimal2(series.expectedBeyond)},
                        {"numero", "rit", "media", "soglia"});
    for (const CurrentDelayBar& bar : series.bars) {
        writer.Detail(
            {Plain(bar.number), Plain(bar.delay), PlainDecimal2(bar.chance.mean), Plain(bar.chance.percentile)});
    }
    writer.End();
    return kCliOk;
}

// grafico-distribuzione pari|somma|interruzioni --dal R --al R [--posizioni LIST]: VALORE FREQ ATTESA.
int RunGraficoDistribuzione(const CliContext& context) {
    const DistributionKind property = context.arguments.choice == "pari"    ? DistributionKind::Parity
                                      : context.arguments.choice == "somma" ? DistributionKind::Sum
                                                                            : DistributionKind::Interruptions;
    const PositionFlags positions = PositionsOf(context);
    const DistributionScan scan = ScanDistribution(property, context.folder, RangeOf(context), positions);
    if (!scan.table.error.empty()) throw CliError(scan.table.error);
    RecordWriter writer(context.out, context.Csv(), {"valore", "freq", "attesa"});
    for (const DistributionBar& bar : DistributionAgainstChance(scan, positions)) {
        writer.Row({Plain(bar.value), Plain(bar.frequency), PlainDecimal2(bar.expected)});
    }
    return kCliOk;
}

// grafico-resoconto (--sistema FILE | --matrice FILE --numeri LIST) --dal R --al R [--prezzo P]
// [--terno P] ... [--sestina P]: ESTRAZIONI VINCENTI COSTO VINCITE ATTESE, then per draw, the oldest
// first: ESTRAZIONE DATA COSTO VINCITE ATTESE so far.
int RunGraficoResoconto(const CliContext& context) {
    const SystemTickets tickets = ReadSystemTickets(context);
    const long long price = Amount(context, "--prezzo", kDefaultTicketPriceCents);
    Prizes prizes;
    const char* const kPrizeOptions[] = {"--terno", "--quaterna", "--cinquina", "--cinque-piu-uno", "--sestina"};
    for (std::size_t c = 0; c < prizes.cents.size(); ++c) prizes.cents[c] = Amount(context, kPrizeOptions[c], 0);
    const RecordHistory history = ComputeRecordHistory(context.folder, tickets.View(), RangeOf(context),
                                                       SystemCostCents(tickets.count, tickets.size, price), prizes);
    if (!history.record.error.empty()) throw CliError(history.record.error);
    const RecordPoint last = history.points.empty() ? RecordPoint{} : history.points.back();
    HeadedWriter writer(context.out, context.Csv(), {"estrazioni", "vincenti", "costo", "vincite", "attese"},
                        {Plain(history.record.checked), Plain(static_cast<long long>(history.record.draws.size())),
                         Euros(static_cast<double>(last.costCents)), Euros(static_cast<double>(last.returnsCents)),
                         Euros(last.expectedCents)},
                        {"estrazione", "data", "costo", "vincite", "attese"});
    for (const RecordPoint& point : history.points) {
        writer.Detail({Plain(point.record), point.date, Euros(static_cast<double>(point.costCents)),
                       Euros(static_cast<double>(point.returnsCents)), Euros(point.expectedCents)});
    }
    writer.End();
    return kCliOk;
}

}  // namespace fortunara
