#pragma once

#include <string>
#include <string_view>

namespace fortunara {

// Money as the program shows it, and what a ticket costs until the user says otherwise: written
// once here for every window and command.
inline constexpr long long kDefaultTicketPriceCents = 100;  // a ticket of six numbers
inline constexpr std::string_view kCurrency = "euro";

// "1.234,50" for 123450 cents.
std::string MoneyFigure(long long cents);
// "1.234,50 euro".
std::string Money(long long cents);

}  // namespace fortunara
