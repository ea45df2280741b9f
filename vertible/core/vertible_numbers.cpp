#include "vertible/core/vertible_numbers.h"

namespace fortunara {

int VertibleNumber(int g) {
    const int tens = g / 10;
    const int units = g % 10;
    if (g == 9) return 90;
    if (units == 9) return TwinNumber(tens);
    if (tens == units) return 10 * tens + 9;
    return 10 * units + tens;
}

int TwinNumber(int u) {
    return 11 * u;
}

int DiametralNumber(int g) {
    return IntoRange(g + 45);
}

int IntoRange(int x) {
    return x > 90 ? x - 90 : x;
}

}  // namespace fortunara
