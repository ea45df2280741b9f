#include "checks/core/play_returns.h"

#include <algorithm>

#include "platform/text/number_text.h"
#include "state/money.h"

namespace fortunara {

bool Prizes::Any() const {
    return std::any_of(cents.begin(), cents.end(), [](long long c) { return c > 0; });
}

long long ReturnsCents(const WinCounts& counts, const Prizes& prizes) {
    return counts.terni * prizes.cents[0] + counts.quaterne * prizes.cents[1] + counts.cinquine * prizes.cents[2] +
           counts.cinquePiuUno * prizes.cents[3] + counts.sestine * prizes.cents[4];
}

std::string LedgerLine(const SystemRecord& record, long long costPerDrawCents, const Prizes& prizes) {
    std::string line = "ESTRAZIONI " + Grouped(record.checked) + "  VINCENTI " +
                       Grouped(static_cast<double>(record.draws.size())) + "  COSTO " +
                       Money(costPerDrawCents * record.checked);
    if (prizes.Any()) line += "  VINCITE " + Money(ReturnsCents(record.total, prizes));
    return line;
}

}  // namespace fortunara
