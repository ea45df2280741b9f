#include "checks/core/check_report.h"

#include "platform/text/number_text.h"

namespace fortunara {

std::vector<std::string> CheckReport(const std::string& drawDate, int ticketSize, int ticketCount,
                                     const WinCounts& shown) {
    const std::string bottom = "|" + std::string(50, '_') + "|";
    return {
        std::string(51, '_'),
        "| STAMPA CONTROLLO VINCITE ",
        bottom,
        "|" + std::string(50, ' ') + "|",
        "|  DATA :  " + drawDate,
        "|  Numeri per bolletta : " + PrintedNumber(ticketSize),
        "|  Quantita' bollette  : " + PrintedNumber(ticketCount),
        bottom,
        "",
        "  Terni    trovati : " + Plain(shown.terni),
        "  Quaterne trovate : " + Plain(shown.quaterne),
        "  Cinquine trovate : " + Plain(shown.cinquine),
        "  Cinque+1 trovate : " + Plain(shown.cinquePiuUno),
        "  Sestine  trovate : " + Plain(shown.sestine),
        "",
        "|" + std::string(50, '-') + "|",
        bottom,
        "",
    };
}

}  // namespace fortunara
