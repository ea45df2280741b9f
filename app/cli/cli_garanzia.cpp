// garanzia, buchi, completa: what a system guarantees, the cases it misses, the tickets that mend them.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "app/cli/cli_tickets.h"
#include "matrices/core/matrix_files.h"
#include "platform/text/number_text.h"
#include "systems/core/guarantee_texts.h"
#include "systems/core/play_odds.h"
#include "systems/core/system_certificate.h"
#include "systems/core/system_completion.h"

namespace fortunara {

namespace {

constexpr std::uint64_t kSeed = 1;

// --escono m and --almeno t: 2 <= t <= m <= min(6, N).
std::pair<int, int> ReadGuarantee(const CliArguments& arguments, int numberCount) {
    const int drawn = ParseWhole(arguments.Required("--escono"), "--escono");
    const int atLeast = ParseWhole(arguments.Required("--almeno"), "--almeno");
    const int most = std::min(6, numberCount);
    if (drawn < 2 || drawn > most) {
        throw CliError("--escono VUOLE UN NUMERO DA 2 A " + Plain(most) + " (I NUMERI DEL SISTEMA SONO " +
                       Plain(numberCount) + ")");
    }
    if (atLeast < 2 || atLeast > drawn) throw CliError("--almeno VUOLE UN NUMERO DA 2 A " + Plain(drawn));
    return {drawn, atLeast};
}

std::string OneInFigure(double chance) {
    return chance > 0 ? Plain(std::llround(1.0 / chance)) : "0";
}

}  // namespace

// garanzia (--sistema FILE | --matrice FILE [--numeri LIST]) [--prezzo P]
int RunGaranzia(const CliContext& context) {
    const SystemTickets tickets = ReadSystemTickets(context, true);
    const PositionSystem system = SystemOverNumbers(tickets.chosen, tickets.numbers, tickets.size);
    long long price = kDefaultTicketPriceCents;
    if (context.arguments.Has("--prezzo")) {
        price = ParsePriceCents(context.arguments.Required("--prezzo"));
        if (price < 0)
            throw CliError("PREZZO NON VALIDO PER --prezzo: " + Printable(context.arguments.Required("--prezzo")));
    }
    Certificate certificate;
    if (CertificateSteps(system) <= kExactCertificateSteps) {
        certificate = ExactCertificate(system);
    } else {
        const long long samples = EstimateSamples(system);
        WriteMessage(context.err, "IL CALCOLO ESATTO RICHIEDEREBBE PIU' DI UN MINUTO: STIMA SU " +
                                      Grouped(static_cast<double>(samples)) +
                                      " CASI A CASO PER OGNI QUANTITA' DI ESTRATTI");
        certificate = EstimatedCertificate(system, samples, kSeed);
    }
    const DrawChances chances = ChancesPerDraw(certificate);
    const std::vector<std::string> header = {"sezione", "estratti", "garanzia", "categoria", "casi", "quota",
                                             "media",   "sistema",  "caso",     "bollette",  "costo"};
    RecordWriter writer(context.out, context.Csv(), header);
    const auto row = [&](std::vector<std::string> fields) {
        if (context.Csv()) {
            fields.resize(header.size());
        } else {
            std::erase(fields, std::string());
        }
        writer.Row(fields);
    };
    for (const CertificateRow& r : CertificateRows(certificate)) {
        row({"certificato", Plain(r.drawn), std::string(CategoryName(CategoryOfHits(r.guaranteedHits))),
             std::string(CategoryName(r.category)), Plain(r.cases), r.share, r.average});
    }
    for (int category = 1; category < kPrizeCategories; ++category) {
        const auto c = static_cast<std::size_t>(category);
        row({"estrazione", "", "", std::string(CategoryName(category)), "", "", "", OneInFigure(chances.system[c]),
             OneInFigure(chances.random[c])});
    }
    const long long combinations = static_cast<long long>(certificate.tickets) * PlayedCombinations(tickets.size);
    row({"costo", "", "", "", "", "", "", "", "", Plain(combinations),
         MoneyFigure(SystemCostCents(certificate.tickets, tickets.size, price))});
    return kCliOk;
}

// buchi (--sistema FILE | --matrice FILE [--numeri LIST]) --escono m --almeno t
int RunBuchi(const CliContext& context) {
    const SystemTickets tickets = ReadSystemTickets(context, true);
    const PositionSystem system = SystemOverNumbers(tickets.chosen, tickets.numbers, tickets.size);
    const auto [drawn, atLeast] = ReadGuarantee(context.arguments, system.positions);
    if (HoleSteps(system, drawn) > kExactCertificateSteps) {
        throw CliError("CONTARE I BUCHI DI QUESTO SISTEMA RICHIEDEREBBE PIU' DI UN MINUTO: SCEGLI MENO ESTRATTI");
    }
    const Holes holes = FindHoles(system, drawn, atLeast);
    HeadedWriter writer(
        context.out, context.Csv(), {"buchi", "casi", "non_elencati"},
        {Plain(holes.count), Plain(holes.cases), Plain(holes.count - static_cast<long long>(holes.first.size()))},
        {"numeri"});
    for (const std::vector<int>& hole : holes.first) {
        std::string numbers;
        for (const int p : hole)
            numbers += (numbers.empty() ? "" : " ") + Plain(tickets.chosen[static_cast<std::size_t>(p)]);
        writer.Detail({numbers});
    }
    writer.End();
    return kCliOk;
}

// completa (--sistema FILE | --matrice FILE [--numeri LIST]) --escono m --almeno t --salva FILE
int RunCompleta(const CliContext& context) {
    const SystemTickets tickets = ReadSystemTickets(context, true);
    if (tickets.size != 6) throw CliError("COMPLETA VALE PER SISTEMI DI BOLLETTE DA SEI NUMERI");
    // A played system whose tickets leave some of its N numbers out does not say which they are.
    if (std::any_of(tickets.chosen.begin(), tickets.chosen.end(), [](int n) { return n < 1; })) {
        throw CliError("IL SISTEMA " + context.arguments.Required("--sistema") +
                       " NON DICE QUALI SONO TUTTI I SUOI NUMERI: LE BOLLETTE NE HANNO MENO DI " +
                       Plain(static_cast<long long>(tickets.chosen.size())));
    }
    const PositionSystem system = SystemOverNumbers(tickets.chosen, tickets.numbers, tickets.size);
    const auto [drawn, atLeast] = ReadGuarantee(context.arguments, system.positions);
    if (HoleSteps(system, drawn) > kExactCertificateSteps) {
        throw CliError("CONTARE I BUCHI DI QUESTO SISTEMA RICHIEDEREBBE PIU' DI UN MINUTO: SCEGLI MENO ESTRATTI");
    }
    const Completion completion = CompleteSystem(system, drawn, atLeast, kSeed);
    MatrixData data;
    data.numberCount = system.positions;
    data.comboSize = 6;
    data.numbers = tickets.numbers;
    for (const std::vector<int>& ticket : completion.added) {
        for (const int p : ticket) data.numbers.push_back(tickets.chosen[static_cast<std::size_t>(p)]);
    }
    data.comboCount = tickets.count + static_cast<int>(completion.added.size());
    data.comments[0] = "SISTEMA COMPLETATO: " + Plain(data.comboCount) + " BOLLETTE";
    data.comments[1] = "ALMENO " + std::string(CategoryName(CategoryOfHits(atLeast))) + " SE ESCONO " + Plain(drawn) +
                       " DEI " + Plain(system.positions) + " NUMERI";
    for (char& c : data.comments[1]) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string& file = context.arguments.Required("--salva");
    const FileOutcome written = WriteSystemFile(file, data);
    if (!written.ok()) throw CliError(written.error);
    RecordWriter writer(context.out, context.Csv(), {"bollette", "aggiunte", "buchi_prima", "file"});
    writer.Row({Plain(tickets.count), Plain(static_cast<long long>(completion.added.size())),
                Plain(completion.holesBefore), file});
    return kCliOk;
}

}  // namespace fortunara
