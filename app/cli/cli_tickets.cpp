#include "app/cli/cli_tickets.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "app/cli/cli_output.h"
#include "checks/core/played_system.h"
#include "matrices/core/matrix_files.h"
#include "platform/text/number_text.h"
#include "systems/core/guarantee_subject.h"

namespace fortunara {

namespace {

// A file not read whole, or not the system it says it is, is not used: a partial answer would pass
// for the system's. A combination holding a number twice is said and used, the number counting
// once.
void CheckSound(const MatrixRead& read, const CliContext& context) {
    if (!read.ok()) throw CliError(read.error);
    if (!read.Sound()) throw CliError(read.Notice());
    if (!read.repeat.empty()) WriteMessage(context.err, read.repeat);
}

// --numeri for a matrix of N numbers: N different numbers from 1 to 90, position p taking the p-th.
std::vector<int> MatrixNumbers(const CliArguments& arguments, const std::string& matrix, int needed) {
    std::vector<int> numbers = ParseList(arguments.Required("--numeri"), "--numeri");
    std::set<int> seen;
    for (const int n : numbers) {
        if (n < 1 || n > 90) throw CliError("NUMERO NON VALIDO PER --numeri: " + Plain(n) + " (1 - 90)");
        if (!seen.insert(n).second) throw CliError("IL NUMERO " + Plain(n) + " C'E' DUE VOLTE IN --numeri");
    }
    if (static_cast<int>(numbers.size()) != needed) {
        throw CliError("LA MATRICE " + matrix + " VUOLE " + Plain(needed) + " NUMERI: --numeri NE HA " +
                       Plain(static_cast<long long>(numbers.size())));
    }
    return numbers;
}

}  // namespace

SystemTickets ReadSystemTickets(const CliContext& context, bool numbersOptional) {
    const CliArguments& arguments = context.arguments;
    SystemTickets tickets;
    if (arguments.Has("--sistema")) {
        if (arguments.Has("--numeri")) throw CliError("--numeri VA CON --matrice, NON CON --sistema");
        const MatrixRead read = ReadSystemFile(arguments.Required("--sistema"));
        if (!read.ok()) throw CliError(read.error);
        tickets.size = read.data.comboSize;
        tickets.count = std::clamp(read.data.comboCount, 0, TicketsOf(read.data.numbers, tickets.size).count);
        // A file that is no played system reads as one without tickets: an answer of five zeros
        // would look like a real check.
        if (tickets.count == 0) {
            throw CliError("IL FILE " + arguments.Required("--sistema") + " NON HA BOLLETTE DA CONTROLLARE");
        }
        CheckSound(read, context);
        tickets.numbers.assign(read.data.numbers.begin(),
                               read.data.numbers.begin() + static_cast<std::ptrdiff_t>(tickets.count) * tickets.size);
        tickets.chosen = NumbersOfTickets(tickets.numbers, read.data.numberCount);
        return tickets;
    }
    const std::string& name = arguments.Required("--matrice");
    const MatrixRead read = ReadMatrixFile(context.folder, name);
    CheckSound(read, context);
    std::vector<int> numbers(static_cast<std::size_t>(std::max(read.data.numberCount, 0)));
    if (!numbersOptional || arguments.Has("--numeri")) {
        numbers = MatrixNumbers(arguments, name, read.data.numberCount);
    } else {
        std::iota(numbers.begin(), numbers.end(), 1);
    }
    const AppliedMatrix applied = ApplyMatrix(read.data, numbers);
    tickets.numbers = applied.Flat();
    tickets.size = read.data.comboSize;
    tickets.count = static_cast<int>(applied.combinations.size());
    tickets.chosen = numbers;
    return tickets;
}

}  // namespace fortunara
