#include "statistics/core/number_delays.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

DelayTable ComputeDelays(std::span<const DrawRecord> scanOrder, const PositionFlags& positions) {
    DelayTable table;
    table.scanned = static_cast<int>(scanOrder.size());
    // Scan index of each number's last appearance, -1 before the first: the run of draws without
    // the number is then the distance to it, which saves sweeping 90 counters per draw.
    std::array<int, 91> lastSeen;
    lastSeen.fill(-1);
    std::array<bool, 91> seen{};
    for (NumberDelay& number : table.numbers) number = {0, -1, -1};
    for (int c = 0; c < table.scanned; ++c) {
        const std::array<int, 9> values = PositionValues(scanOrder[static_cast<std::size_t>(c)], positions);
        for (std::size_t k = 1; k <= 8; ++k) {
            const int n = values[k];
            if (!positions[k] || n < 1 || n > 90) continue;
            NumberDelay& number = table.numbers[static_cast<std::size_t>(n)];
            ++number.frequency;
            if (!seen[static_cast<std::size_t>(n)]) number.delay = c;
            seen[static_cast<std::size_t>(n)] = true;
            // A number included twice in one draw (superstar equal to a main number) runs 0 the second time.
            const int run = c - lastSeen[static_cast<std::size_t>(n)] - 1;
            number.maxDelay = std::max(number.maxDelay, run);
            lastSeen[static_cast<std::size_t>(n)] = c;
        }
    }
    for (NumberDelay& number : table.numbers) {
        if (number.delay < 0) number.delay = table.scanned;
        if (number.maxDelay < 0) number.maxDelay = table.scanned;
    }
    return table;
}

DelayTable ComputeDelays(const std::filesystem::path& programFolder, const ScanRange& range,
                         const PositionFlags& positions) {
    const ArchiveScan scan = ReadScan(programFolder, range);
    DelayTable table = ComputeDelays(scan.draws, positions);
    table.recordCount = scan.recordCount;
    table.error = scan.error;
    return table;
}

StatisticsGrid DelayGrid(const DelayTable& table) {
    StatisticsGrid grid;
    grid.title = "Ritardi e frequenze dei 90 numeri";
    grid.columnWidths = {600, 900, 900, 900, 900};
    grid.headers = {"N°", "FREQ", "RIT", "RIT MAX", "CMAX"};
    grid.rows.reserve(90);
    for (int n = 1; n <= 90; ++n) {
        const NumberDelay& number = table.numbers[static_cast<std::size_t>(n)];
        // The CMAX column has no value of its own: its cells stay empty.
        grid.rows.push_back(
            {Plain(n), TextForm(number.frequency), TextForm(number.delay), TextForm(number.maxDelay), ""});
    }
    return grid;
}

}  // namespace fortunara
