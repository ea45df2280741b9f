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

DistributionTable ComputeDistribution(DistributionKind kind, std::span<const DrawRecord> scanOrder,
                                      const PositionFlags& positions) {
    DistributionTable table;
    table.kind = kind;
    table.scanned = static_cast<int>(scanOrder.size());
    const auto size = static_cast<std::size_t>(ValueCount(kind));
    table.frequency.assign(size, 0);
    table.delay.assign(size, -1);
    for (int c = 0; c < table.scanned; ++c) {
        const int v = DistributionValue(kind, scanOrder[static_cast<std::size_t>(c)], positions);
        if (v < 0 || v >= static_cast<int>(size)) continue;  // only a hand-made draw with numbers above 99
        const auto at = static_cast<std::size_t>(v);
        if (table.delay[at] < 0) table.delay[at] = c;
        ++table.frequency[at];
    }
    return table;
}

DistributionTable ComputeDistribution(DistributionKind kind, const std::filesystem::path& programFolder,
                                      const ScanRange& range, const PositionFlags& positions) {
    const ArchiveScan scan = ReadScan(programFolder, range);
    DistributionTable table = ComputeDistribution(kind, scan.draws, positions);
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
