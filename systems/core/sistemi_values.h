#pragma once

#include <string_view>

namespace fortunara {

// The numeric value the system window reads from a typed text: blanks are skipped, then an
// optional sign, digits and an optional decimal part; reading stops at the first other character
// ("12abc" is 12, "abc" and "" are 0). The value is rounded to a whole number (halves to even) and
// kept within the range of an int.
int NumericValue(std::string_view text);

}  // namespace fortunara
