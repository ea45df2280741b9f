#pragma once

#include <string>
#include <vector>

#include "checks/core/win_check.h"

namespace fortunara {

// The printed report of the win check, line by line: the frame with the draw's date, the numbers
// per ticket and the tickets, then the five counts as the window shows them. The winning tickets
// themselves are not printed.
std::vector<std::string> CheckReport(const std::string& drawDate, int ticketSize, int ticketCount,
                                     const WinCounts& shown);

}  // namespace fortunara
