#include "state/money.h"

#include <cstdlib>

#include "platform/text/number_text.h"

namespace fortunara {

std::string MoneyFigure(long long cents) {
    const long long whole = cents / 100;
    const std::string wholeText =
        whole == 0 ? std::string(cents < 0 ? "-0" : "0") : Grouped(static_cast<double>(whole));
    return wholeText + "," + TwoDigits(std::llabs(cents % 100));
}

std::string Money(long long cents) {
    return MoneyFigure(cents) + " " + std::string(kCurrency);
}

}  // namespace fortunara
