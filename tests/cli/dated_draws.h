#pragma once

#include <string>

#include "archive/core/draw_record.h"

namespace fortunara::test {

// count good draws of different dates in order, one a day from 1 January 1990 (28 days a month),
// each with numbers of its own.
inline std::string DatedDraws(int count) {
    std::string bytes;
    for (int k = 1; k <= count; ++k) {
        const int day = (k - 1) % 28 + 1;
        const std::string date = (day < 10 ? "0" : "") + std::to_string(day) +
                                 std::string(kMonthCodes[((k - 1) / 28) % 12]) + std::to_string(1990 + (k - 1) / 336);
        const int base = k % 79;
        bytes +=
            FormatDrawRecord(date, {base + 11, base + 1, base + 9, base + 3, base + 7, base + 5, base + 2, base + 4});
    }
    return bytes;
}

}  // namespace fortunara::test
