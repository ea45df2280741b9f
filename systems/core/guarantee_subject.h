#pragma once

#include <functional>
#include <span>
#include <vector>

#include "state/program_state.h"

namespace fortunara {

// The system the guarantees page looks at: its N numbers and its tickets of `ticketSize` numbers,
// one after the other.
struct GuaranteeSubject {
    std::vector<int> chosen;
    std::vector<int> ticketNumbers;
    int ticketSize = 0;

    // Some of the N numbers are not known (a played system whose tickets leave some out): the
    // certificate can be worked out, but no ticket can be added.
    bool HasStandIns() const;
};

// What the window holding the page gives it: the current system, and the way a completed system
// becomes the current one (the tickets to add, as numbers, six a ticket).
struct GuaranteeHooks {
    std::function<GuaranteeSubject()> subject;
    std::function<void(const std::vector<int>& addedTickets)> adopt;
};

// The N numbers of tickets whose numbers alone are known: those the tickets hold, ascending, then
// stand-ins (0, -1, ...) up to `numberCount`, never beyond 90.
std::vector<int> NumbersOfTickets(std::span<const int> ticketNumbers, int numberCount);

// The current system of the shared state: TicketCount tickets of TicketSize numbers from
// TicketNumbers(1), over SystemNumberCount numbers.
GuaranteeSubject CurrentSystemSubject(const ProgramState& state);
// Appends tickets of six to the current system (TicketNumbers, TicketCount); false, changing
// nothing, when its tickets are not of six or the 30000 tickets of a system would be exceeded.
bool AppendToCurrentSystem(ProgramState& state, const std::vector<int>& addedTickets);

// The system window's grid: over the numbers entered in it (EnteredNumbers 1 to `quantity`) when
// every number of the grid is among them (a development), else over the numbers of the grid.
GuaranteeSubject GridSubject(const ProgramState& state, int quantity, const std::vector<std::vector<int>>& rows);
// The tickets added to a development become developed combinations: their positions among the
// entered numbers go after the `developed` combinations of SystemCombos, and SystemComboCount and
// TicketCount count them. Returns the new count, or -1, changing nothing, when a number is not
// among the entered ones or the capacity would be exceeded.
int AppendDevelopedTickets(ProgramState& state, int quantity, int developed, const std::vector<int>& addedTickets);

}  // namespace fortunara
