#include "app/core/combination_table.h"

#include "platform/text/number_text.h"

namespace fortunara {

double CombinationCount(int q, int k) {
    double product = 1;
    double factorial = 1;
    for (int i = 0; i < k; ++i) {
        product *= static_cast<double>(q - i);
        factorial *= static_cast<double>(i + 1);
    }
    // For q < k one of the factors is 0, so the count is 0 and the cell stays empty.
    return product / factorial;
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
