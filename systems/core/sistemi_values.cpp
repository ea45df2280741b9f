#include "systems/core/sistemi_values.h"

#include <cmath>
#include <limits>

namespace fortunara {

int NumericValue(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') sign = -1;
        ++i;
        skipBlanks();
    }
    double value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    const double rounded = std::nearbyint(sign * value);
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    if (!(rounded >= kLow)) return std::numeric_limits<int>::min();
    if (rounded > kHigh) return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

}  // namespace fortunara
