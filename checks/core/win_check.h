#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"
#include "state/program_state.h"

namespace fortunara {

// The winning tickets of a check by category: terno (3 of the six main numbers), quaterna (4),
// cinquina (5), cinque + 1 (5 and the jolly) and sestina (6).
struct WinCounts {
    int terni = 0;
    int quaterne = 0;
    int cinquine = 0;
    int cinquePiuUno = 0;
    int sestine = 0;

    bool Any() const { return terni + quaterne + cinquine + cinquePiuUno + sestine > 0; }
    WinCounts& operator+=(const WinCounts& other);
    bool operator==(const WinCounts&) const = default;
};

// The draw a system is checked against: its six main numbers, in any order, and the jolly.
struct CheckDraw {
    std::array<int, 6> main{};
    int jolly = 0;
};
// DrawNumbers 1 to 6 and 7, as the draw selectors leave them.
CheckDraw CheckDrawOf(const ProgramState& state);
CheckDraw CheckDrawOf(const DrawRecord& draw);

// The tickets of a system: `count` tickets of `size` numbers each, ticket after ticket.
struct Tickets {
    std::span<const int> numbers;
    int size = 0;
    int count = 0;
};
// Every whole ticket the numbers hold.
Tickets TicketsOf(std::span<const int> numbers, int size);
// The current system: TicketCount tickets of TicketSize numbers from TicketNumbers(1), but never
// more than the list holds, so a count left by another window never reads numbers that are not there.
Tickets CurrentTickets(const ProgramState& state);

// A ticket with three matches or more.
struct WinningTicket {
    int ticket = 0;            // from 1
    std::vector<int> matched;  // the main numbers it holds, in the ticket's order
    bool withJolly = false;    // a cinque + 1
    int jolly = 0;
    bool operator==(const WinningTicket&) const = default;
};

struct WinCheck {
    WinCounts counts;
    std::vector<WinningTicket> winners;  // in ticket order
};

// One pass over the tickets: each number of a ticket that is a main number is a match, once however
// often the ticket holds it.
// Five matches count as cinque + 1 when any number of the ticket is the jolly, wherever it stands.
// Tickets of more than six numbers are checked the same way.
WinCheck CheckTickets(const Tickets& tickets, const CheckDraw& draw);
// The counts alone, for checks over many draws.
WinCounts CountWins(const Tickets& tickets, const CheckDraw& draw);

// The listed line of a winning ticket: its number as "000000    ", each matched number without
// leading zero and a blank, then for a cinque + 1 the jolly and " Jolly ": "000012    5 17 33 ".
std::string WinningLine(const WinningTicket& winner);

}  // namespace fortunara
