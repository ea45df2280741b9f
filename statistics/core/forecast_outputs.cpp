#include "statistics/core/forecast_outputs.h"

#include "platform/text/number_text.h"
#include "statistics/core/forecast.h"

namespace fortunara {

namespace {

const std::string kRule(38, '_');
constexpr int kNumbersPerLine = 9;

}  // namespace

void PrintForecast(Printer& printer, const ForecastPrintInput& input) {
    printer.Print("\x1bM");  // ESC M: 12 characters per inch
    printer.EndLine();
    printer.Print("  STAMPA PREVISIONE SISTEMA SESTARIA");
    printer.Print(kRule);
    printer.Print(" PREVISIONE DEL " + input.baseCaption);
    printer.Print(" TOTALE NUMERI " + input.quantityText);
    printer.Print(kRule);
    printer.Print("NUMERI IN GIOCO :");
    int onLine = 0;
    for (int n = 1; n <= 90; ++n) {
        if (input.forecastFlags[static_cast<std::size_t>(n)] != 1) continue;
        printer.Print(ThreeWide(n) + " ", LineEnd::Open);
        if (++onLine == kNumbersPerLine) {
            printer.EndLine();
            onLine = 0;
        }
    }
    printer.EndLine();  // after a full line of nine this is an empty line
    printer.Print(kRule);
    printer.Print(" USCITE :");
    for (const std::string& line : input.outcomeLines) printer.Print(line);
    printer.EndLine();
    printer.Print(kRule);
    printer.EndJob();
}

}  // namespace fortunara
