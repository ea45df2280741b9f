#include <algorithm>
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "platform/text/number_text.h"
#include "systems/core/development.h"

namespace fortunara {

namespace {

int GuaranteeFromText(const std::string& text) {
    const char* const names[] = {"ambo", "terno", "quaterna", "cinquina"};
    for (int i = 0; i < 4; ++i) {
        if (text == names[i]) return i + 2;
    }
    throw CliError("GARANZIA NON VALIDA: " + text + " (ambo, terno, quaterna, cinquina)");
}

// --consecutivi, --interruzioni, --pari: the check boxes " - i" that are ticked.
void TickBoxes(const CliArguments& arguments, const std::string& option, std::array<bool, 11>& boxes) {
    if (!arguments.Has(option)) return;
    for (const int i : ParseList(arguments.Required(option), option)) {
        if (i < 0 || i > 10) throw CliError("VALORE NON VALIDO PER " + option + ": " + Plain(i) + " (0 - 10)");
        boxes[static_cast<std::size_t>(i)] = true;
    }
}

// --somme A-B,C-D: the rows "DA" / "A" of the frame "Somme", at most four.
void FillSums(const std::string& text, ConditionSettings& settings) {
    std::size_t row = 0;
    for (const std::string& item : SplitCommas(text)) {
        const std::size_t dash = item.find('-', 1);
        if (dash == std::string::npos || row == 4) {
            throw CliError("SOMME NON VALIDE: " + text +
                           " (fino a quattro intervalli DA-A, per esempio 100-150,200-250)");
        }
        settings.sumFrom[row] = ParseWhole(item.substr(0, dash), "--somme");
        settings.sumTo[row] = ParseWhole(item.substr(dash + 1), "--somme");
        ++row;
    }
}

SystemRequest RequestFromArguments(const CliArguments& arguments) {
    SystemRequest request;
    request.numbers = ParseList(arguments.Required("--numeri"), "--numeri");
    for (const int n : request.numbers) {
        if (n < 0 || n > 90) throw CliError("NUMERO NON VALIDO: " + Plain(n) + " (0 - 90)");
    }
    if (request.numbers.size() > static_cast<std::size_t>(kHighestPosition)) throw CliError("AL MASSIMO 90 NUMERI");
    request.quantity = static_cast<int>(request.numbers.size());
    if (arguments.Has("--garanzia") && arguments.Has("--riduzione")) {
        throw CliError("--garanzia E --riduzione NON VANNO INSIEME");
    }
    if (arguments.Has("--garanzia")) {
        request.guaranteeMode = GuaranteeFromText(arguments.Required("--garanzia"));
        request.reductionOption = -1;
    }
    if (arguments.Has("--riduzione")) {
        request.reductionOption = ParseWhole(arguments.Required("--riduzione"), "--riduzione");
        if (request.reductionOption < 1 || request.reductionOption > 3) {
            throw CliError("RIDUZIONE NON VALIDA: " + arguments.Required("--riduzione") + " (1, 2, 3)");
        }
    }
    request.methodKind = std::max(request.reductionOption, 0);

    const char* const conditionOptions[] = {"--consecutivi", "--interruzioni", "--pari", "--capigioco", "--somme"};
    bool conditioned = false;
    for (const char* option : conditionOptions) conditioned = conditioned || arguments.Has(option);
    if (!conditioned) return request;
    ConditionSettings settings;
    TickBoxes(arguments, "--consecutivi", settings.consecutive);
    TickBoxes(arguments, "--interruzioni", settings.interruptions);
    TickBoxes(arguments, "--pari", settings.even);
    if (arguments.Has("--capigioco")) {
        const std::vector<int> heads = ParseList(arguments.Required("--capigioco"), "--capigioco");
        if (heads.size() > 4) throw CliError("AL MASSIMO QUATTRO CAPIGIOCO");
        for (std::size_t i = 0; i < heads.size(); ++i) settings.heads[i] = heads[i];
    }
    if (arguments.Has("--somme")) FillSums(arguments.Required("--somme"), settings);
    request.conditions = settings;
    return request;
}

}  // namespace

// sviluppo --numeri LIST [...]: the combinations of the development, one per line.
int RunSviluppo(const CliContext& context) {
    const SystemRequest request = RequestFromArguments(context.arguments);
    const SystemRun run = RunDevelopment(request);
    if (run.end == RunEnd::TooFewNumbers) throw CliError(std::string(run.Message()));
    RecordWriter writer(context.out, context.Csv(), {"n1", "n2", "n3", "n4", "n5", "n6"});
    for (const std::array<int, 6>& numbers : run.numbers) {
        std::vector<std::string> fields;
        for (const int n : numbers) fields.push_back(Plain(n));
        writer.Row(fields);
    }
    if (run.Overflowed()) {
        context.err << run.Message() << "(" << run.Count() << " COMBINAZIONI)\n";
        return kCliCapacityReached;
    }
    return kCliOk;
}

}  // namespace fortunara
