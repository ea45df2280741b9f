#pragma once

#include <array>
#include <string>

#include "state/money.h"
#include "systems/core/system_certificate.h"

namespace fortunara {

// What a system means for one draw: the certificate weighed by how likely each count of the chosen
// numbers is to be drawn, beside what the same number of tickets chosen at random would give.

// The chance that exactly `drawn` of `chosen` numbers are among the six drawn of 90:
// C(chosen, drawn) * C(90 - chosen, 6 - drawn) / C(90, 6).
double ChanceDrawnAmong(int chosen, int drawn);

// The chance that one ticket of six numbers chosen at random wins at least `category` in one draw.
double RandomTicketChance(int category);

struct DrawChances {
    // For ambo to sestina (categories 1 to 5): the chance that the system wins at least that much in
    // one draw, and the chance for as many tickets of six chosen independently at random.
    std::array<double, kPrizeCategories> system{};
    std::array<double, kPrizeCategories> random{};
};
DrawChances ChancesPerDraw(const Certificate& certificate);

// "1 su 1.234" for a chance of 1/1234 (rounded to a whole number), "mai" for no chance, "1 su 1" for
// certainty.
std::string OneIn(double chance);

// How many tickets of six a ticket of `size` numbers plays: C(size, 6) (1 for six numbers or fewer).
long long PlayedCombinations(int size);
// The cost of the system's tickets of `size` numbers at `centsPerTicket` for a ticket of six.
long long SystemCostCents(int tickets, int size, long long centsPerTicket);

}  // namespace fortunara
