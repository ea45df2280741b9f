#include "statistics/core/number_delays.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

DelayCounter::DelayCounter(const PositionFlags& positions) : positions_(positions) {
    lastSeen_.fill(-1);
    for (NumberDelay& number : table_.numbers) number = {0, -1, -1};
}

void DelayCounter::Add(std::span<const DrawRecord> block) {
    for (const DrawRecord& draw : block) Add(draw);
}

DelayTable DelayCounter::Finish() {
    for (NumberDelay& number : table_.numbers) {
        if (number.delay < 0) number.delay = table_.scanned;
        if (number.maxDelay < 0) number.maxDelay = table_.scanned;
    }
    return table_;
}

void DelayCounter::Add(const DrawRecord& draw) {
    const int c = table_.scanned++;
    const std::array<int, 9> values = PositionValues(draw, positions_);
    for (std::size_t k = 1; k <= 8; ++k) {
        const int n = values[k];
        if (!positions_[k] || n < 1 || n > 90) continue;
        NumberDelay& number = table_.numbers[static_cast<std::size_t>(n)];
        ++number.frequency;
        if (!seen_[static_cast<std::size_t>(n)]) number.delay = c;
        seen_[static_cast<std::size_t>(n)] = true;
        // A number included twice in one draw (superstar equal to a main number) runs 0 the second time.
        const int run = c - lastSeen_[static_cast<std::size_t>(n)] - 1;
        number.maxDelay = std::max(number.maxDelay, run);
        lastSeen_[static_cast<std::size_t>(n)] = c;
    }
}

DelayTable ComputeDelays(std::span<const DrawRecord> scanOrder, const PositionFlags& positions) {
    DelayCounter counter(positions);
    counter.Add(scanOrder);
    return counter.Finish();
}

DelayTable ComputeDelays(const std::filesystem::path& programFolder, const ScanRange& range,
                         const PositionFlags& positions) {
    DelayCounter counter(positions);
    const ScanOutcome scan = VisitScan(programFolder, range, [&counter](std::span<const DrawRecord> block) {
        counter.Add(block);
        return true;
    });
    DelayTable table = counter.Finish();
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
