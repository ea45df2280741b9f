#include "systems/core/optimized_system.h"

#include <cctype>

#include "platform/text/number_text.h"
#include "systems/core/system_certificate.h"

namespace fortunara {

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

}  // namespace

std::string OptimizedGuarantee(int numbers, int drawn, int atLeast) {
    const int most = std::min(6, numbers);
    std::string counts = Plain(drawn);
    for (int m = drawn + 1; m <= most; ++m) counts += (m == most ? " O " : ", ") + Plain(m);
    return "ALMENO " + Upper(CategoryWithArticle(CategoryOfHits(atLeast))) + " SE ESCONO " + counts + " DEI " +
           Plain(numbers) + " NUMERI";
}

std::string BestKnownLine(const std::optional<BestCovering>& best) {
    if (!best) return {};
    return "MIGLIORE NOTA " + Plain(best->bestKnown) + " BOLLETTE, LIMITE INFERIORE " + Plain(best->lowerBound);
}

std::optional<BestCovering> BestFor(const std::vector<BestCovering>& table, int numbers, int drawn, int atLeast) {
    if (drawn != atLeast) return std::nullopt;
    return FindCovering(table, numbers, atLeast);
}

MatrixData OptimizedMatrix(int numbers, int drawn, int atLeast, const std::vector<std::vector<int>>& tickets,
                           const std::vector<int>& chosen, const std::optional<BestCovering>& best,
                           const std::string& origin) {
    MatrixData data;
    data.numberCount = numbers;
    data.comboCount = static_cast<int>(tickets.size());
    data.comboSize = 6;
    for (const std::vector<int>& ticket : tickets) {
        for (const int p : ticket) {
            data.numbers.push_back(chosen.empty() ? p + 1 : chosen[static_cast<std::size_t>(p)]);
        }
    }
    std::size_t line = 0;
    const auto add = [&](std::string text) {
        if (!text.empty()) data.comments[line++] = std::move(text);
    };
    add("SISTEMA OTTIMIZZATO DI " + Plain(numbers) + " NUMERI IN " + Plain(data.comboCount) + " BOLLETTE");
    add(OptimizedGuarantee(numbers, drawn, atLeast));
    add("GARANZIA VERIFICATA SU OGNI CASO");
    add(BestKnownLine(best));
    if (best) add("FONTE: " + std::string(kCoveringTableSource));
    add(origin);
    return data;
}

}  // namespace fortunara
