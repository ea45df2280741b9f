#pragma once

#include <vector>

#include "app/cli/cli_command.h"
#include "checks/core/win_check.h"

namespace fortunara {

// The tickets of --sistema FILE, or of --matrice FILE applied to --numeri, one after the other, and
// the N numbers the system is made of.
struct SystemTickets {
    std::vector<int> numbers;
    int size = 0;
    int count = 0;
    // The N numbers: those of --numeri; for a matrix without them its positions 1 to N; for a
    // played system the numbers its tickets hold, ascending, and as many stand-ins (0, -1, ...)
    // as its N asks for beyond them.
    std::vector<int> chosen;
    Tickets View() const { return {numbers, size, count}; }
};

// Reads the system the options name; a file that cannot be read, or holds no tickets, is a
// CliError. With `numbersOptional` a matrix may come without --numeri.
SystemTickets ReadSystemTickets(const CliContext& context, bool numbersOptional = false);

}  // namespace fortunara
