#include "statistics/core/distributions.h"

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

int ValueCount(DistributionKind kind) {
    return kind == DistributionKind::Sum ? kLargestSum + 1 : 7;
}

}  // namespace

int DistributionValue(DistributionKind kind, const DrawRecord& draw, const PositionFlags& positions) {
    const std::array<int, 9> values = PositionValues(draw, positions);
    int result = 0;
    switch (kind) {
        case DistributionKind::Parity:
            for (std::size_t k = 1; k <= 6; ++k) result += values[k] % 2 == 0 ? 1 : 0;
            break;
        case DistributionKind::Sum:
            for (std::size_t k = 1; k <= 8; ++k) result += values[k];
            break;
        case DistributionKind::Interruptions:
            for (std::size_t k = 1; k <= 5; ++k) result += values[k + 1] != values[k] + 1 ? 1 : 0;
            break;
    }
    return result;
}

DistributionCounter::DistributionCounter(DistributionKind kind, const PositionFlags& positions)
    : positions_(positions) {
    table_.kind = kind;
    const auto size = static_cast<std::size_t>(ValueCount(kind));
    table_.frequency.assign(size, 0);
    table_.delay.assign(size, -1);
}

void DistributionCounter::Add(std::span<const DrawRecord> block) {
    for (const DrawRecord& draw : block) {
        const int c = table_.scanned++;
        const int v = DistributionValue(table_.kind, draw, positions_);
        // Only a hand-made draw with numbers above 99 falls outside.
        if (v < 0 || v >= static_cast<int>(table_.frequency.size())) continue;
        const auto at = static_cast<std::size_t>(v);
        if (table_.delay[at] < 0) table_.delay[at] = c;
        ++table_.frequency[at];
    }
}

DistributionTable ComputeDistribution(DistributionKind kind, std::span<const DrawRecord> scanOrder,
                                      const PositionFlags& positions) {
    DistributionCounter counter(kind, positions);
    counter.Add(scanOrder);
    return counter.Finish();
}

DistributionTable ComputeDistribution(DistributionKind kind, const std::filesystem::path& programFolder,
                                      const ScanRange& range, const PositionFlags& positions) {
    DistributionCounter counter(kind, positions);
    const ScanOutcome scan = VisitScan(programFolder, range, [&counter](std::span<const DrawRecord> block) {
        counter.Add(block);
        return true;
    });
    DistributionTable table = counter.Finish();
    table.recordCount = scan.recordCount;
    table.error = scan.error;
    return table;
}

std::vector<DistributionRow> DistributionRows(const DistributionTable& table) {
    std::vector<DistributionRow> rows;
    const bool sums = table.kind == DistributionKind::Sum;
    for (std::size_t v = sums ? 1 : 0; v < table.frequency.size(); ++v) {
        if (sums && table.frequency[v] == 0) continue;
        const int delay = table.delay[v] < 0 ? table.scanned : table.delay[v];
        rows.push_back({static_cast<int>(v), table.frequency[v], delay});
    }
    return rows;
}

StatisticsGrid DistributionGrid(const DistributionTable& table) {
    StatisticsGrid grid;
    switch (table.kind) {
        case DistributionKind::Parity:
            grid.title = "Pari e Dispari";
            grid.columnWidths = {750, 1400, 1400};
            grid.headers = {" P - D ", "FREQUENZA", "RITARDO"};
            break;
        case DistributionKind::Sum:
            grid.title = "Somma totale dei sei numeri";
            grid.columnWidths = {700, 1300, 1300};
            grid.headers = {"SOMMA", "FREQUENZA", "RITARDO"};
            break;
        case DistributionKind::Interruptions:
            grid.title = "Interruzioni";
            grid.columnWidths = {750, 1400, 1400};
            grid.headers = {" n° ", "FREQ", "RIT"};
            break;
    }
    for (const DistributionRow& row : DistributionRows(table)) {
        // Parity rows name the even count before the odd count: " 2 - 4".
        const std::string label = table.kind == DistributionKind::Parity
                                      ? TextForm(row.value) + " -" + TextForm(6 - row.value)
                                      : Plain(row.value);
        grid.rows.push_back({label, TextForm(row.frequency), TextForm(row.delay)});
    }
    return grid;
}

}  // namespace fortunara
