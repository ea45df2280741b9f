#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "statistics/core/number_chance.h"
#include "statistics/core/number_delays.h"

namespace fortunara {

// The series of the charts of the 90 numbers, each beside what chance alone gives, over the same
// range and positions as the table "90 NUMERI".

// The table of the 90 numbers, with what the chance lines need to know of each draw.
struct NumberScan {
    DelayTable table;
    std::vector<DrawKind> kinds;  // of each draw, in scan order
    ScanDates dates;
    KindCounts Counts() const;
};
NumberScan ScanNumbers(const std::filesystem::path& programFolder, const ScanRange& range,
                       const PositionFlags& positions);

// The frequency of each number beside its chance band.
struct FrequencyBar {
    int number = 0;
    int frequency = 0;
    FrequencyChance chance;
    bool Outside() const;
};
struct FrequencySeries {
    std::vector<FrequencyBar> bars;  // numbers 1 to 90
    int outside = 0;                 // numbers outside their band
    double expectedOutside = 0;      // how many chance alone puts there, on average
};
FrequencySeries FrequenciesAgainstChance(const NumberScan& scan, const PositionFlags& positions);

// The current delays (RIT) of the 90 numbers, largest first, each beside its mean under chance and
// the delay it passes only once in a hundred.
struct CurrentDelayBar {
    int number = 0;
    int delay = 0;
    CurrentDelayChance chance;
};
struct CurrentDelaySeries {
    std::vector<CurrentDelayBar> bars;
    int beyond = 0;             // numbers whose delay passes their 99 % line
    double expectedBeyond = 0;  // how many chance alone puts there, on average
};
CurrentDelaySeries CurrentDelaysAgainstChance(const NumberScan& scan, const PositionFlags& positions);

// The delay of one number draw by draw, from the "AL" end of the range to the "DAL" end: 0 in a
// draw that includes it, one more in each draw after; before its first appearance in that order the
// draws walked so far. Its last value is RIT, its largest over the stretches that count is RIT MAX.
struct DelayHistory {
    int number = 0;
    int recordCount = 0;
    std::vector<int> records;        // the record of each draw, in that order
    std::vector<std::string> dates;  // its date
    std::vector<int> delays;         // the delay after it
    int maxDelay = 0;                // RIT MAX
    std::vector<int> maxAt;          // where the delay reaches RIT MAX on a stretch that counts
    int rareGap = 0;                 // the RIT MAX that chance alone passes once in a hundred
    std::string error;               // the archive could not be opened
};
DelayHistory ComputeDelayHistory(const std::filesystem::path& programFolder, const ScanRange& range,
                                 const PositionFlags& positions, int number);

}  // namespace fortunara
