#include "statistics/core/statistics_charts.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

std::string Count(long long n) {
    return n == 0 ? "0" : Grouped(static_cast<double>(n));
}

// "4.253 ESTRAZIONI DAL 21AGO2026 AL 03DIC1997, POSIZIONI 1-6"
std::string RangeLine(int draws, const std::string& from, const std::string& to, const PositionFlags& positions) {
    std::string line = Count(draws) + (draws == 1 ? " ESTRAZIONE" : " ESTRAZIONI");
    if (draws > 0) line += " DAL " + from + " AL " + to;
    const std::string ticked = PositionsText(positions);
    return line + ", POSIZIONI " + (ticked == "nessuna" ? "NESSUNA" : ticked);
}

// One value for all, or "DA a A b" when the chance differs from number to number.
template <class Value>
std::string SameOrSpread(const std::vector<double>& values, Value text) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (text(*low) == text(*high)) return text(*low);
    return "DA " + text(*low) + " A " + text(*high) + " SECONDO IL NUMERO";
}

std::string NumberList(const std::vector<int>& numbers) {
    std::string text;
    for (const int n : numbers) text += (text.empty() ? "" : " ") + Plain(n);
    return text;
}

std::string Numbers(int count) {
    return Count(count) + (count == 1 ? " NUMERO" : " NUMERI");
}

ChartSeries Series(std::string name, std::string label, ChartSeriesKind kind, ChartTone tone) {
    ChartSeries series;
    series.name = std::move(name);
    series.label = std::move(label);
    series.kind = kind;
    series.tone = tone;
    return series;
}

// The 90 numbers stand at x = number - 1.
std::vector<ChartTick> NumberTicks() {
    std::vector<ChartTick> ticks = {{0, "1"}};
    for (int n = 10; n <= 90; n += 10) ticks.push_back({n - 1.0, Plain(n)});
    return ticks;
}

const char* const kChanceLabel = "ATTESA DEL CASO";
const char* const kRareLabel = "SOGLIA DEL CASO (99 %)";

}  // namespace

std::string PositionsText(const PositionFlags& positions) {
    std::string text;
    for (int k = 1; k <= 8; ++k) {
        if (!positions[static_cast<std::size_t>(k)]) continue;
        int last = k;
        while (last < 8 && positions[static_cast<std::size_t>(last) + 1]) ++last;
        text += (text.empty() ? "" : ",") + Plain(k) + (last > k ? "-" + Plain(last) : "");
        k = last;
    }
    return text.empty() ? "nessuna" : text;
}

ChartOutcome MakeStatisticsChart(const std::filesystem::path& programFolder, const ChartRequest& request) {
    ChartOutcome outcome;
    const PositionFlags& positions = request.positions;
    switch (request.chart) {
        case StatisticsChart::Frequencies:
        case StatisticsChart::CurrentDelays: {
            const NumberScan scan = ScanNumbers(programFolder, request.range, positions);
            outcome.recordCount = scan.table.recordCount;
            outcome.error = scan.table.error;
            outcome.chart = request.chart == StatisticsChart::Frequencies
                                ? FrequencyChart(scan, FrequenciesAgainstChance(scan, positions), positions)
                                : CurrentDelayChart(scan, CurrentDelaysAgainstChance(scan, positions), positions);
            break;
        }
        case StatisticsChart::NumberDelay: {
            const DelayHistory history = ComputeDelayHistory(programFolder, request.range, positions, request.number);
            outcome.recordCount = history.recordCount;
            outcome.error = history.error;
            outcome.chart = DelayHistoryChart(history, positions);
            break;
        }
        case StatisticsChart::Parity:
        case StatisticsChart::Sums:
        case StatisticsChart::Interruptions: {
            const DistributionKind property = request.chart == StatisticsChart::Parity ? DistributionKind::Parity
                                              : request.chart == StatisticsChart::Sums
                                                  ? DistributionKind::Sum
                                                  : DistributionKind::Interruptions;
            const DistributionScan scan = ScanDistribution(property, programFolder, request.range, positions);
            outcome.recordCount = scan.table.recordCount;
            outcome.error = scan.table.error;
            outcome.chart = DistributionChart(scan, DistributionAgainstChance(scan, positions), positions);
            break;
        }
    }
    return outcome;
}

ChartData FrequencyChart(const NumberScan& scan, const FrequencySeries& series, const PositionFlags& positions) {
    ChartData chart;
    chart.name = "grafico-frequenze";
    chart.title = "Frequenze dei 90 numeri";
    chart.xTitle = "NUMERO";
    chart.yTitle = "FREQUENZA";
    chart.xFirst = -0.5;
    chart.xLast = 89.5;
    chart.ticks = NumberTicks();
    ChartSeries bars = Series("Frequenze", "FREQUENZA", ChartSeriesKind::Bars, ChartTone::Observed);
    ChartSeries mean = Series("Caso", kChanceLabel, ChartSeriesKind::Line, ChartTone::Chance);
    ChartSeries band = Series("Fascia", "FASCIA DEL CASO (ATTESA PIU' O MENO DUE DEVIAZIONI STANDARD)",
                              ChartSeriesKind::Band, ChartTone::Chance);
    std::vector<double> means;
    std::vector<int> outside;
    for (const FrequencyBar& bar : series.bars) {
        const double x = bar.number - 1;
        bars.points.push_back({x, static_cast<double>(bar.frequency)});
        mean.points.push_back({x, bar.chance.mean});
        band.points.push_back({x, std::max(bar.chance.low, 0.0)});
        band.upper.push_back({x, bar.chance.high});
        means.push_back(bar.chance.mean);
        if (bar.Outside()) outside.push_back(bar.number);
    }
    chart.series = {band, bars, mean};
    const int draws = scan.table.scanned;
    chart.notes.push_back(RangeLine(draws, scan.dates.first, scan.dates.last, positions) + ": OGNI NUMERO E' ATTESO " +
                          SameOrSpread(means, PlainDecimal2) + " VOLTE");
    chart.notes.push_back("FUORI DALLA FASCIA DEL CASO: " + Numbers(series.outside) +
                          (outside.empty() ? "" : " (" + NumberList(outside) + ")") +
                          ". IL CASO DA SOLO NE METTE FUORI IN MEDIA " + PlainDecimal2(series.expectedOutside) +
                          " SU 90 (" + PlainDecimal2(series.expectedOutside / 90 * 100) + " %)");
    return chart;
}

ChartData CurrentDelayChart(const NumberScan& scan, const CurrentDelaySeries& series, const PositionFlags& positions) {
    ChartData chart;
    chart.name = "grafico-ritardi";
    chart.title = "Ritardi attuali dei 90 numeri, dal maggiore";
    chart.xTitle = "NUMERO";
    chart.yTitle = "RITARDO";
    chart.xFirst = -0.5;
    chart.xLast = static_cast<double>(series.bars.size()) - 0.5;
    chart.tickAngle = -90;
    ChartSeries bars = Series("Ritardi", "RITARDO ATTUALE", ChartSeriesKind::Bars, ChartTone::Observed);
    ChartSeries mean = Series("Caso", "RITARDO MEDIO DEL CASO", ChartSeriesKind::Line, ChartTone::Chance);
    ChartSeries rare = Series("Soglia", kRareLabel, ChartSeriesKind::Line, ChartTone::Rare);
    std::vector<double> means;
    std::vector<double> rares;
    std::vector<int> beyond;
    for (std::size_t i = 0; i < series.bars.size(); ++i) {
        const CurrentDelayBar& bar = series.bars[i];
        const double x = static_cast<double>(i);
        chart.ticks.push_back({x, Plain(bar.number)});
        bars.points.push_back({x, static_cast<double>(bar.delay)});
        mean.points.push_back({x, bar.chance.mean});
        rare.points.push_back({x, static_cast<double>(bar.chance.percentile)});
        means.push_back(bar.chance.mean);
        rares.push_back(bar.chance.percentile);
        if (bar.delay > bar.chance.percentile) beyond.push_back(bar.number);
    }
    chart.series = {bars, mean, rare};
    const auto whole = [](double v) { return Plain(static_cast<long long>(v)); };
    chart.notes.push_back(RangeLine(scan.table.scanned, scan.dates.first, scan.dates.last, positions));
    chart.notes.push_back("RITARDO MEDIO DEL CASO: " + SameOrSpread(means, PlainDecimal2) + ". SOGLIA DEL CASO: " +
                          SameOrSpread(rares, whole) + ", UN RITARDO CHE IL CASO SUPERA SOLO 1 VOLTA SU 100");
    chart.notes.push_back(
        "OLTRE LA SOGLIA: " + Numbers(series.beyond) + (beyond.empty() ? "" : " (" + NumberList(beyond) + ")") +
        ". IL CASO DA SOLO NE METTE OLTRE IN MEDIA " + PlainDecimal2(series.expectedBeyond) + " SU 90");
    return chart;
}

ChartData DelayHistoryChart(const DelayHistory& history, const PositionFlags& positions) {
    ChartData chart;
    chart.name = "grafico-ritardo-" + Plain(history.number);
    chart.title = "Ritardo del " + Plain(history.number) + " estrazione per estrazione";
    chart.xTitle = "ESTRAZIONE";
    chart.yTitle = "RITARDO";
    const int draws = static_cast<int>(history.delays.size());
    chart.xFirst = 0;
    chart.xLast = std::max(draws - 1, 1);
    chart.ticks =
        RoundTicks(0, draws - 1.0, 8, [&history](double x) { return history.dates[static_cast<std::size_t>(x)]; });
    ChartSeries delays = Series("Ritardo", "RITARDO", ChartSeriesKind::Line, ChartTone::Observed);
    for (int i = 0; i < draws; ++i) {
        delays.points.push_back(
            {static_cast<double>(i), static_cast<double>(history.delays[static_cast<std::size_t>(i)])});
    }
    ChartSeries peak = Series("Massimo", "RITARDO MASSIMO", ChartSeriesKind::Marker, ChartTone::Rare);
    for (const int at : history.maxAt)
        peak.points.push_back({static_cast<double>(at), static_cast<double>(history.maxDelay)});
    ChartSeries rare = Series("Soglia", kRareLabel, ChartSeriesKind::Line, ChartTone::Rare);
    rare.points = {{chart.xFirst, static_cast<double>(history.rareGap)},
                   {chart.xLast, static_cast<double>(history.rareGap)}};
    chart.series = {delays, peak, rare};
    const std::string from = draws > 0 ? history.dates.back() : "";
    const std::string to = draws > 0 ? history.dates.front() : "";
    chart.notes.push_back("NUMERO " + Plain(history.number) + ", " + RangeLine(draws, from, to, positions));
    chart.notes.push_back("RITARDO ATTUALE " + Plain(draws > 0 ? history.delays.back() : 0) + ", RITARDO MASSIMO " +
                          Plain(history.maxDelay) + " (SEGNATO)");
    chart.notes.push_back("SOGLIA DEL CASO " + Plain(history.rareGap) + ": IN " + Count(draws) +
                          " ESTRAZIONI IL RITARDO MASSIMO DI UN NUMERO LA SUPERA SOLO 1 VOLTA SU 100");
    return chart;
}

ChartData DistributionChart(const DistributionScan& scan, const std::vector<DistributionBar>& bars,
                            const PositionFlags& positions) {
    ChartData chart;
    switch (scan.table.kind) {
        case DistributionKind::Parity:
            chart.name = "grafico-pari";
            chart.title = "Pari e Dispari";
            chart.xTitle = "PARI - DISPARI";
            break;
        case DistributionKind::Sum:
            chart.name = "grafico-somma";
            chart.title = "Somma totale dei sei numeri";
            chart.xTitle = "SOMMA";
            break;
        case DistributionKind::Interruptions:
            chart.name = "grafico-interruzioni";
            chart.title = "Interruzioni";
            chart.xTitle = "INTERRUZIONI";
            break;
    }
    chart.yTitle = "ESTRAZIONI";
    chart.xFirst = -0.5;
    chart.xLast = static_cast<double>(bars.size()) - 0.5;
    ChartSeries frequencies = Series("Frequenze", "FREQUENZA", ChartSeriesKind::Bars, ChartTone::Observed);
    ChartSeries expected = Series("Caso", kChanceLabel, ChartSeriesKind::Line, ChartTone::Chance);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const double x = static_cast<double>(i);
        frequencies.points.push_back({x, static_cast<double>(bars[i].frequency)});
        expected.points.push_back({x, bars[i].expected});
    }
    chart.series = {frequencies, expected};
    if (scan.table.kind == DistributionKind::Sum && !bars.empty()) {
        const int first = bars.front().value;
        chart.ticks =
            RoundTicks(first, bars.back().value, 12, [](double v) { return Plain(static_cast<long long>(v)); });
        for (ChartTick& tick : chart.ticks) tick.x -= first;
    } else {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const int v = bars[i].value;
            const std::string label =
                scan.table.kind == DistributionKind::Parity ? Plain(v) + " - " + Plain(6 - v) : Plain(v);
            chart.ticks.push_back({static_cast<double>(i), label});
        }
    }
    chart.notes.push_back(RangeLine(scan.table.scanned, scan.dates.first, scan.dates.last, positions));
    chart.notes.emplace_back(
        "ATTESA DEL CASO: LE ESTRAZIONI PER LA PROBABILITA' ESATTA DI OGNI VALORE, CONTATA SU TUTTE LE SESTINE "
        "DI 90 NUMERI");
    return chart;
}

}  // namespace fortunara
