#pragma once

#include <array>
#include <string>

#include "checks/core/system_record.h"

namespace fortunara {

// What playing a system on every draw of a range would have cost and returned.

// The prize the user set for each category of the check, in cents (0 where none is set): terno,
// quaterna, cinquina, cinque + 1, sestina.
struct Prizes {
    std::array<long long, 5> cents{};
    bool Any() const;
};

long long ReturnsCents(const WinCounts& counts, const Prizes& prizes);

// "ESTRAZIONI 4.253  VINCENTI 12  COSTO 25.518,00 euro  VINCITE 1.200,00 euro": the draws checked,
// those with a win, the cost of playing the system on each (`costPerDrawCents`) and, where prizes
// are set, the returns.
std::string LedgerLine(const SystemRecord& record, long long costPerDrawCents, const Prizes& prizes);

}  // namespace fortunara
