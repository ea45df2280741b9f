#pragma once

#include <array>
#include <string_view>

namespace fortunara {

// Texts of the system window that the development, its report and its saved files repeat.
inline constexpr std::string_view kTooFewNumbersMessage = "NUMERI NON SUFFICENTI ! ";
inline constexpr std::string_view kTooManyCombinationsMessage = "ATTENZIONE LE COMBINAZIONI CREATE SONO ECCESSIVE ";
inline constexpr std::string_view kConditionedItem = "condizionati";
// A development that broke off for anything but the capacity: this, then why.
inline constexpr std::string_view kDevelopmentFailedMessage = "LO SVILUPPO SI E' INTERROTTO: ";
inline constexpr std::string_view kOutOfMemoryReason = "MEMORIA INSUFFICIENTE";

// The items of Combo1: index + 1 is GuaranteeMode.
inline constexpr std::array<std::string_view, 5> kGuaranteeNames = {"INTEGRALE", "AMBO", "TERNO", "QUATERNA",
                                                                    "CINQUINA"};
// The captions of OptionButton1(0..3).
inline constexpr std::array<std::string_view, 4> kReductionCaptions = {"    n - 0", "    n - 1", "    n - 2",
                                                                       "    n - 3"};

}  // namespace fortunara
