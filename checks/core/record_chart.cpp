#include "checks/core/record_chart.h"

#include <algorithm>
#include <bitset>
#include <cmath>

#include "platform/text/number_text.h"
#include "state/binomial.h"
#include "state/money.h"

namespace fortunara {

namespace {

// The chance that a ticket of `size` different numbers holds exactly `matches` of the six drawn.
double ChanceOfMatches(int size, int matches) {
    return static_cast<double>(Binomial(size, matches)) * static_cast<double>(Binomial(90 - size, 6 - matches)) /
           static_cast<double>(Binomial(90, 6));
}

// A ticket's numbers as the win check counts them: each number 1 to 90 once.
int DifferentNumbers(std::span<const int> ticket) {
    std::bitset<91> numbers;
    for (const int n : ticket) {
        if (n >= 1 && n <= 90) numbers.set(static_cast<std::size_t>(n));
    }
    return static_cast<int>(numbers.count());
}

long long Cents(double cents) {
    return std::llround(cents);
}

}  // namespace

double ExpectedReturnsCents(const Tickets& tickets, const Prizes& prizes) {
    const auto size = static_cast<std::size_t>(tickets.size);
    double expected = 0;
    for (std::size_t t = 0; t < static_cast<std::size_t>(tickets.count); ++t) {
        const int numbers = DifferentNumbers(tickets.numbers.subspan(t * size, size));
        const double five = ChanceOfMatches(numbers, 5);
        // Five matched: the jolly is one of the 84 numbers not drawn, of which the ticket holds the rest.
        const double withJolly = numbers > 5 ? five * (numbers - 5) / 84.0 : 0;
        expected += ChanceOfMatches(numbers, 3) * static_cast<double>(prizes.cents[0]) +
                    ChanceOfMatches(numbers, 4) * static_cast<double>(prizes.cents[1]) +
                    (five - withJolly) * static_cast<double>(prizes.cents[2]) +
                    withJolly * static_cast<double>(prizes.cents[3]) +
                    ChanceOfMatches(numbers, 6) * static_cast<double>(prizes.cents[4]);
    }
    return expected;
}

RecordHistory ComputeRecordHistory(const std::filesystem::path& programFolder, const Tickets& tickets,
                                   const ScanRange& range, long long costPerDrawCents, const Prizes& prizes) {
    RecordHistory history;
    history.costPerDrawCents = costPerDrawCents;
    history.prizes = prizes;
    history.expectedPerDrawCents = ExpectedReturnsCents(tickets, prizes);
    std::vector<RecordPoint> draws;  // in scan order, each with what it returned alone
    std::vector<DrawWins> wins;
    history.record = RecordOverRange(
        programFolder, tickets, range, [&wins](const DrawWins& won) { wins.push_back(won); },
        [&](const DrawRecord& draw, const WinCounts& won) {
            draws.push_back({0, draw.date, 0, ReturnsCents(won, prizes), 0});
        });
    history.record.draws = std::move(wins);
    if (!history.record.error.empty()) return history;
    const int step = ScanStep(range);
    for (std::size_t i = 0; i < draws.size(); ++i) draws[i].record = history.record.start + step * static_cast<int>(i);
    if (step < 0) std::reverse(draws.begin(), draws.end());
    long long returns = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        RecordPoint& point = draws[i];
        const auto played = static_cast<long long>(i) + 1;
        returns += point.returnsCents;
        point.returnsCents = returns;
        point.costCents = played * costPerDrawCents;
        point.expectedCents = static_cast<double>(played) * history.expectedPerDrawCents;
    }
    history.points = std::move(draws);
    return history;
}

ChartData RecordChart(const RecordHistory& history) {
    ChartData chart;
    chart.name = "grafico-resoconto";
    chart.title = "Resoconto del sistema: costo e vincite estrazione per estrazione";
    chart.xTitle = "ESTRAZIONE";
    chart.yTitle = std::string(kCurrency);
    const auto& points = history.points;
    const int draws = static_cast<int>(points.size());
    chart.xFirst = 0;
    chart.xLast = std::max(draws - 1, 1);
    chart.ticks =
        RoundTicks(0, draws - 1.0, 8, [&points](double x) { return points[static_cast<std::size_t>(x)].date; });
    ChartSeries cost{"Costo", "COSTO", ChartSeriesKind::Line, ChartTone::Cost, {}, {}};
    ChartSeries returns{"Vincite", "VINCITE", ChartSeriesKind::Line, ChartTone::Observed, {}, {}};
    ChartSeries expected{"Attese", "VINCITE ATTESE DAL CASO", ChartSeriesKind::Line, ChartTone::Chance, {}, {}};
    for (int i = 0; i < draws; ++i) {
        const RecordPoint& point = points[static_cast<std::size_t>(i)];
        const double x = i;
        cost.points.push_back({x, static_cast<double>(point.costCents) / 100});
        returns.points.push_back({x, static_cast<double>(point.returnsCents) / 100});
        expected.points.push_back({x, point.expectedCents / 100});
    }
    chart.series.push_back(cost);
    if (history.prizes.Any()) {
        chart.series.push_back(returns);
        chart.series.push_back(expected);
    }
    // The ends named as the range bars name them: "DAL" the draw the walk started from.
    std::string period;
    if (draws > 0) {
        const bool upwards = points.front().record == history.record.start;
        period = "DAL " + (upwards ? points.front() : points.back()).date + " AL " +
                 (upwards ? points.back() : points.front()).date + ": ";
    }
    chart.notes.push_back(period + LedgerLine(history.record, history.costPerDrawCents, history.prizes));
    if (!history.prizes.Any()) {
        chart.notes.emplace_back(
            "NESSUN PREMIO SCRITTO: IL GRAFICO MOSTRA SOLO IL COSTO. SCRIVI I PREMI PER VEDERE LE "
            "VINCITE");
    } else {
        const long long expectedTotal = Cents(history.expectedPerDrawCents * draws);
        const long long costTotal = history.costPerDrawCents * draws;
        std::string share;
        if (costTotal > 0) {
            share = " (" + PlainDecimal2(static_cast<double>(expectedTotal) / static_cast<double>(costTotal) * 100) +
                    " % DEL COSTO)";
        }
        chart.notes.push_back("IL CASO DA SOLO RESTITUISCE IN MEDIA " + Money(expectedTotal) + share +
                              ": NESSUN SISTEMA CAMBIA QUESTA MEDIA, CAMBIA SOLO QUALI ESTRAZIONI VINCONO");
    }
    return chart;
}

}  // namespace fortunara
