#include "systems/core/guarantee_texts.h"

#include <cctype>
#include <cmath>

#include "platform/text/number_text.h"

namespace fortunara {

std::string PromiseLine(const DrawnCases& cases, bool estimate) {
    const int category = CategoryOfHits(cases.guaranteedHits);
    const std::string when = " se escono " + Plain(cases.drawn) + " dei tuoi numeri";
    if (estimate) {
        if (category == 0) return "nei casi provati, a volte nessuna vincita" + when;
        return "nei casi provati, sempre almeno " + std::string(CategoryWithArticle(category)) + when;
    }
    if (category == 0) return "nessuna vincita sicura" + when;
    return "almeno " + std::string(CategoryWithArticle(category)) + when;
}

std::string SharePercent(double share, double margin) {
    std::string text = PlainDecimal2(share * 100);
    if (margin > 0) text += " +- " + PlainDecimal2(margin * 100);
    return text;
}

std::string AverageTickets(double average) {
    const long long thousandths = std::llround(average * 1000);
    std::string decimals = TwoDigits(thousandths % 1000);
    if (decimals.size() < 3) decimals.insert(0, "0");
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
    return Plain(thousandths / 1000) + (decimals.empty() ? "" : "," + decimals);
}

std::vector<CertificateRow> CertificateRows(const Certificate& certificate) {
    std::vector<CertificateRow> rows;
    for (const DrawnCases& cases : certificate.drawn) {
        for (int category = 0; category < kPrizeCategories; ++category) {
            if (HitsOfCategory(category) > cases.drawn) break;
            const double share = cases.ShareOfBest(category);
            rows.push_back({cases.drawn, cases.guaranteedHits, category, cases.best[static_cast<std::size_t>(category)],
                            SharePercent(share, certificate.Margin(cases.drawn, share)),
                            category == 0 ? std::string("0") : AverageTickets(cases.AverageWinning(category))});
        }
    }
    return rows;
}

std::string CostLine(int tickets, int ticketSize, long long centsPerTicket) {
    const long long combinations = static_cast<long long>(tickets) * PlayedCombinations(ticketSize);
    return Grouped(static_cast<double>(combinations)) + (combinations == 1 ? " BOLLETTA" : " BOLLETTE") + " DA " +
           Money(centsPerTicket) + ": " + Money(SystemCostCents(tickets, ticketSize, centsPerTicket));
}

long long ParsePriceCents(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    long long whole = 0;
    int digits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > 1'000'000) return -1;
    }
    long long cents = 0;
    int decimals = 0;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++decimals) {
            if (decimals == 2) return -1;
            cents = cents * 10 + (text[i] - '0');
        }
        if (decimals == 1) cents *= 10;
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size() || digits + decimals == 0) return -1;
    return whole * 100 + cents;
}

}  // namespace fortunara
