#include "archive/core/draw_record.h"

#include <algorithm>

namespace fortunara {

int ParseNumberField(std::string_view field) {
    int value = 0;
    for (char c : field) {
        if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
    }
    return value;
}

DrawRecord ParseDrawRecord(std::string_view text) {
    DrawRecord draw;
    draw.date = std::string(text.substr(0, std::min<std::size_t>(text.size(), kDateLength)));
    for (std::size_t i = 1; i <= 8; ++i) {
        const std::size_t start = kDateLength + 2 * (i - 1);
        if (start < text.size()) draw.numbers[i] = ParseNumberField(text.substr(start, 2));
    }
    return draw;
}

std::array<int, 6> SortedMain(const DrawRecord& draw) {
    std::array<int, 6> main{};
    std::copy(draw.numbers.begin() + 1, draw.numbers.begin() + 7, main.begin());
    std::sort(main.begin(), main.end());
    return main;
}

std::string FormatDrawRecord(std::string_view date, const std::array<int, 8>& numbers) {
    std::string text(date.substr(0, std::min<std::size_t>(date.size(), kDateLength)));
    text.resize(kDateLength, ' ');
    for (int n : numbers) {
        n = std::clamp(n, 0, 99);
        text += static_cast<char>('0' + n / 10);
        text += static_cast<char>('0' + n % 10);
    }
    return text;
}

}  // namespace fortunara
