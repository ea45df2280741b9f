#include "app/core/combination_table.h"

#include "platform/text/number_text.h"
#include "state/binomial.h"

namespace fortunara {

double CombinationCount(int q, int k) {
    // For q < k the count is 0 and the cell stays empty.
    return static_cast<double>(Binomial(q, k));
}

std::string JollyCell(const std::string& sestineCell) {
    return Grouped(ParseItalianNumber(sestineCell) / 6.0);
}

std::vector<CombinationRow> CombinationTable() {
    std::vector<CombinationRow> rows(kCombinationTableRows);
    rows[0] = {"Q. ", "TERNI", "QUATERNE", "CINQUINE", "SESTINE", "+JOLLY", ""};
    for (int q = 1; q < kCombinationTableRows; ++q) {
        CombinationRow& row = rows[static_cast<std::size_t>(q)];
        row[0] = Plain(q);
        for (int k = 3; k <= 6; ++k) row[static_cast<std::size_t>(k - 2)] = Grouped(CombinationCount(q, k));
        if (q >= 6) row[kJollyColumn] = JollyCell(row[kSestineColumn]);
    }
    return rows;
}

}  // namespace fortunara
