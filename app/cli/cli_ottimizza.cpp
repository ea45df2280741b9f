// ottimizza: the fewest tickets of six the optimizer finds for a guarantee over N numbers.
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "platform/text/number_text.h"
#include "systems/core/covering_table.h"
#include "systems/core/optimized_system.h"
#include "systems/core/system_optimizer.h"

namespace fortunara {

namespace {

constexpr int kDefaultSeconds = 10;
constexpr int kMostSeconds = 24 * 60 * 60;

int ReadInRange(const CliArguments& arguments, const std::string& option, int least, int most, int fallback) {
    if (!arguments.Has(option)) return fallback;
    const int value = ParseWhole(arguments.Required(option), option);
    if (value < least || value > most) {
        throw CliError(option + " VUOLE UN NUMERO DA " + Plain(least) + " A " + Plain(most));
    }
    return value;
}

}  // namespace

// ottimizza --quantita N --escono m --almeno t [--secondi S] [--passi P] [--seme X] [--salva FILE]
int RunOttimizza(const CliContext& context) {
    const CliArguments& arguments = context.arguments;
    const int numbers = ReadInRange(arguments, "--quantita", 7, 90, 0);
    const int drawn = ReadInRange(arguments, "--escono", 2, 6, 0);
    const int atLeast = ReadInRange(arguments, "--almeno", 2, drawn, 0);
    OptimizerRequest request;
    request.positions = numbers;
    request.drawn = drawn;
    request.atLeast = atLeast;
    request.seed = static_cast<std::uint64_t>(ReadInRange(arguments, "--seme", 0, 2'000'000'000, 1));
    request.steps = ReadInRange(arguments, "--passi", 1, 2'000'000'000, 0);
    request.seconds = request.steps > 0 && !arguments.Has("--secondi")
                          ? 0
                          : ReadInRange(arguments, "--secondi", 1, kMostSeconds, kDefaultSeconds);
    if (!OptimizerAccepts(request)) {
        throw CliError("TROPPI CASI DA TENERE IN MEMORIA PER " + Plain(drawn) + " ESTRATTI SU " + Plain(numbers) +
                       " NUMERI: SCEGLI MENO NUMERI O MENO ESTRATTI");
    }
    const OptimizerResult result = OptimizeSystem(request);
    if (result.tickets.empty()) throw CliError("NESSUN SISTEMA TROVATO NEL TEMPO DATO");

    std::vector<BestCovering> table = ReadCoveringTable(context.folder);
    if (table.empty() && !context.bundle.empty()) table = ReadCoveringTable(context.bundle);
    const std::optional<BestCovering> best = BestFor(table, numbers, drawn, atLeast);
    const MatrixData matrix = OptimizedMatrix(numbers, drawn, atLeast, result.tickets, {}, best);
    if (arguments.Has("--salva")) {
        const FileOutcome written = WriteSystemFile(arguments.Required("--salva"), matrix);
        if (!written.ok()) throw CliError(written.error);
    }

    const std::string count = Plain(static_cast<long long>(result.tickets.size()));
    const std::string bestKnown = best ? Plain(best->bestKnown) : "-";
    const std::string bound = drawn == atLeast ? Plain(SchonheimBound(numbers, atLeast)) : "-";
    RecordWriter writer(context.out, context.Csv(),
                        {"riga", "numeri", "bollette", "migliore_nota", "limite_inferiore"});
    for (std::size_t i = 0; i < result.tickets.size(); ++i) {
        std::string line;
        for (std::size_t j = 0; j < 6; ++j) {
            line += (j == 0 ? "" : " ") + Plain(matrix.numbers[i * 6 + j]);
        }
        writer.Row(context.Csv() ? std::vector<std::string>{"bolletta", line, "", "", ""}
                                 : std::vector<std::string>{line});
    }
    writer.Row(context.Csv() ? std::vector<std::string>{"totale", "", count, bestKnown, bound}
                             : std::vector<std::string>{count, bestKnown, bound});
    return kCliOk;
}

}  // namespace fortunara
