#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "systems/core/play_odds.h"
#include "systems/core/system_certificate.h"

namespace fortunara {

// The texts of what a system guarantees, the same in the window and on the command line.

// "almeno un terno se escono 4 dei tuoi numeri"; "nessuna vincita sicura se escono 2 dei tuoi
// numeri" when the worst case wins nothing. An estimate cannot promise: "in nessun caso provato
// meno di un terno ..." says what the cases tried showed.
std::string PromiseLine(const DrawnCases& cases, bool estimate);

// The one plain sentence the page says about odds.
inline constexpr std::string_view kOddsSentence =
    "Nessun sistema cambia le probabilita' di una bolletta: ogni bolletta vince come qualsiasi altra di sei "
    "numeri; il sistema sceglie solo quante bollette paghi e come si dividono le vincite fra loro.";

// A share as a percentage with two decimals ("33,33"); for an estimate with its margin
// ("33,33 +- 0,41").
std::string SharePercent(double share, double margin);
// An average count of tickets with at most three decimals ("3,214").
std::string AverageTickets(double average);

// The rows of the certificate: for each count drawn and each category, the cases whose best ticket
// is in that category, their share and the average of winning tickets in that category.
struct CertificateRow {
    int drawn = 0;
    int guaranteedHits = 0;
    int category = 0;
    long long cases = 0;
    std::string share;
    std::string average;
};
std::vector<CertificateRow> CertificateRows(const Certificate& certificate);

// "4 BOLLETTE DA 1,00 euro: 4,00 euro" (tickets of more than six numbers count their sestine).
std::string CostLine(int tickets, int ticketSize, long long centsPerTicket);

// A price typed as "1,50", "1.50" or "2": cents, or -1 when it is no price (negative, letters,
// more than two decimals, more than 1.000.000,00).
long long ParsePriceCents(std::string_view text);

}  // namespace fortunara
