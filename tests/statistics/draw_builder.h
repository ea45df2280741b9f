#pragma once

#include <array>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"
#include "tests/support/temp_folder.h"

namespace fortunara::test {

// A draw as the archive reader gives it, main numbers in stored order.
inline DrawRecord MakeDraw(const std::string& date, const std::array<int, 6>& main, int jolly = 0, int superstar = 0) {
    DrawRecord draw;
    draw.date = date;
    for (std::size_t i = 0; i < 6; ++i) draw.numbers[i + 1] = main[i];
    draw.numbers[7] = jolly;
    draw.numbers[8] = superstar;
    return draw;
}

// A draw without any of the numbers the tests look for (all above 80).
inline DrawRecord FillerDraw(const std::string& date = "01GEN2020") {
    return MakeDraw(date, {81, 82, 83, 84, 85, 86}, 87, 88);
}

// Writes the draws as the archive of the folder, the first draw as record 1.
inline void WriteDraws(const TempFolder& folder, const std::vector<DrawRecord>& draws) {
    std::string bytes;
    for (const DrawRecord& draw : draws) {
        bytes += FormatDrawRecord(draw.date, {draw.numbers[1], draw.numbers[2], draw.numbers[3], draw.numbers[4],
                                              draw.numbers[5], draw.numbers[6], draw.numbers[7], draw.numbers[8]});
    }
    folder.WriteArchive(bytes);
}

}  // namespace fortunara::test
