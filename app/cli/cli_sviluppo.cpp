#include <algorithm>
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/cli_groups.h"
#include "app/cli/cli_output.h"
#include "platform/text/number_text.h"
#include "state/program_state.h"
#include "systems/core/development.h"
#include "systems/core/sistemi_run.h"
#include "systems/core/system_texts.h"

namespace fortunara {

namespace {

// --garanzia: an item of Combo1, in any case; returns GuaranteeMode.
int GuaranteeFromText(const std::string& text) {
    for (std::size_t i = 0; i < kGuaranteeNames.size(); ++i) {
        if (Lowered(text) == Lowered(std::string(kGuaranteeNames[i]))) return static_cast<int>(i) + 1;
    }
    throw CliError("GARANZIA NON VALIDA: " + text + " (integrale, ambo, terno, quaterna, cinquina)");
}

// --consecutivi, --interruzioni, --pari: the check boxes " - i" that are ticked.
void TickBoxes(const CliArguments& arguments, const std::string& option, std::array<bool, 11>& boxes) {
    if (!arguments.Has(option)) return;
    for (const int i : ParseList(arguments.Required(option), option)) {
        if (i < 0 || i > 10) throw CliError("VALORE NON VALIDO PER " + option + ": " + Plain(i) + " (0 - 10)");
        boxes[static_cast<std::size_t>(i)] = true;
    }
}

// --somme DA-A,DA,...: the rows "DA" / "A" of the frame "Somme", at most four; a row given as DA
// alone leaves its box "A" empty.
void FillSums(const std::string& text, ConditionSettings& settings) {
    std::size_t row = 0;
    for (const std::string& item : SplitCommas(text)) {
        if (row == 4) throw CliError("SOMME NON VALIDE: " + text + " (al piu' quattro righe DA-A o DA)");
        const std::size_t dash = item.find('-', 1);
        settings.sumFrom[row] = ParseWhole(item.substr(0, dash), "--somme");
        if (dash != std::string::npos) settings.sumTo[row] = ParseWhole(item.substr(dash + 1), "--somme");
        ++row;
    }
}

// The tab "Condizioni" and the grid "Link AND"; any of their options ticks "  ATTIVA CONDIZIONI".
std::optional<ConditionSettings> ConditionsFromArguments(const CliArguments& arguments) {
    const char* const conditionOptions[] = {"--consecutivi", "--interruzioni", "--pari",
                                            "--capigioco",   "--somme",        "--gruppi"};
    if (std::none_of(std::begin(conditionOptions), std::end(conditionOptions),
                     [&arguments](const char* option) { return arguments.Has(option); })) {
        return std::nullopt;
    }
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
    if (arguments.Has("--gruppi")) settings.groups = ReadGroupsFile(arguments.Required("--gruppi"));
    return settings;
}

// The request as the system window builds it, from a program just started: the numbers entered
// in order, Textbox1 = --quantita (else their count), the guarantee or the reduction option.
SystemRequest RequestFromArguments(const CliArguments& arguments) {
    const std::vector<int> numbers = ParseList(arguments.Required("--numeri"), "--numeri");
    for (const int n : numbers) {
        if (n < 0 || n > 90) throw CliError("NUMERO NON VALIDO: " + Plain(n) + " (0 - 90)");
    }
    if (numbers.size() > static_cast<std::size_t>(kHighestPosition)) throw CliError("AL MASSIMO 90 NUMERI");
    ProgramState state;
    std::copy(numbers.begin(), numbers.end(), state.EnteredNumbers.begin() + 1);
    const int quantity = arguments.Has("--quantita") ? ParseWhole(arguments.Required("--quantita"), "--quantita")
                                                     : static_cast<int>(numbers.size());

    state.GuaranteeMode = arguments.Has("--garanzia") ? GuaranteeFromText(arguments.Required("--garanzia")) : 1;
    if (state.GuaranteeMode != 1 && arguments.Has("--riduzione")) {
        throw CliError("--garanzia E --riduzione NON VANNO INSIEME");
    }
    // Choosing a guarantee clears the reduction options; "INTEGRALE" leaves them as they are.
    int reductionOption = state.GuaranteeMode == 1 ? 0 : -1;
    if (arguments.Has("--riduzione")) {
        reductionOption = ParseWhole(arguments.Required("--riduzione"), "--riduzione");
        if (reductionOption < 0 || reductionOption > 3) {
            throw CliError("RIDUZIONE NON VALIDA: " + arguments.Required("--riduzione") + " (0, 1, 2, 3)");
        }
    }
    return SistemiRequest(state, quantity, reductionOption, false, ConditionsFromArguments(arguments));
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
        WriteMessage(context.err, std::string(run.Message()) + "(" + Plain(run.Count()) + " COMBINAZIONI)");
        return kCliCapacityReached;
    }
    return kCliOk;
}

}  // namespace fortunara
