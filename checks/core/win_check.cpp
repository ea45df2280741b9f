#include "checks/core/win_check.h"

#include <algorithm>
#include <cstdint>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// How many of the six main numbers equal a value, by lookup: a check over the archive asks this
// for every number of every ticket of every draw. 0 is no number (a draw field left blank), so
// it never matches.
class DrawMatcher {
public:
    explicit DrawMatcher(const CheckDraw& draw) {
        for (const int d : draw.main) {
            if (d > 0 && d < kTable) ++count_[static_cast<std::size_t>(d)];
        }
    }

    int Matches(int x) const { return x > 0 && x < kTable ? count_[static_cast<std::size_t>(x)] : 0; }

private:
    static constexpr int kTable = 100;  // an archive field holds two digits
    std::array<std::uint8_t, kTable> count_{};
};

struct TicketMatch {
    int matches = 0;
    bool withJolly = false;
};

TicketMatch MatchTicket(std::span<const int> ticket, const DrawMatcher& matcher, int jolly) {
    TicketMatch match;
    for (const int x : ticket) match.matches += matcher.Matches(x);
    match.withJolly = match.matches == 5 && jolly > 0 && std::find(ticket.begin(), ticket.end(), jolly) != ticket.end();
    return match;
}

void Count(const TicketMatch& match, WinCounts& counts) {
    switch (match.matches) {
        case 3:
            ++counts.terni;
            break;
        case 4:
            ++counts.quaterne;
            break;
        case 5:
            ++(match.withJolly ? counts.cinquePiuUno : counts.cinquine);
            break;
        case 6:
            ++counts.sestine;
            break;
        default:
            break;
    }
}

std::span<const int> Ticket(const Tickets& tickets, int t) {
    const std::size_t size = static_cast<std::size_t>(tickets.size);
    return tickets.numbers.subspan(static_cast<std::size_t>(t) * size, size);
}

}  // namespace

WinCounts& WinCounts::operator+=(const WinCounts& other) {
    terni += other.terni;
    quaterne += other.quaterne;
    cinquine += other.cinquine;
    cinquePiuUno += other.cinquePiuUno;
    sestine += other.sestine;
    return *this;
}

CheckDraw CheckDrawOf(const ProgramState& state) {
    CheckDraw draw;
    std::copy_n(state.DrawNumbers.begin() + 1, 6, draw.main.begin());
    draw.jolly = state.DrawNumbers[7];
    return draw;
}

CheckDraw CheckDrawOf(const DrawRecord& record) {
    CheckDraw draw;
    std::copy_n(record.numbers.begin() + 1, 6, draw.main.begin());
    draw.jolly = record.Jolly();
    return draw;
}

Tickets TicketsOf(std::span<const int> numbers, int size) {
    if (size <= 0) return {numbers, 0, 0};
    return {numbers, size, static_cast<int>(numbers.size() / static_cast<std::size_t>(size))};
}

Tickets CurrentTickets(const ProgramState& state) {
    const std::span<const int> list(state.TicketNumbers);
    Tickets tickets = TicketsOf(list.empty() ? list : list.subspan(1), state.TicketSize);
    tickets.count = std::clamp(state.TicketCount, 0, tickets.count);
    return tickets;
}

WinCheck CheckTickets(const Tickets& tickets, const CheckDraw& draw) {
    WinCheck check;
    const DrawMatcher matcher(draw);
    for (int t = 0; t < tickets.count; ++t) {
        const std::span<const int> ticket = Ticket(tickets, t);
        const TicketMatch match = MatchTicket(ticket, matcher, draw.jolly);
        Count(match, check.counts);
        if (match.matches < 3) continue;
        WinningTicket& winner = check.winners.emplace_back();
        winner.ticket = t + 1;
        for (const int x : ticket)
            winner.matched.insert(winner.matched.end(), static_cast<std::size_t>(matcher.Matches(x)), x);
        winner.withJolly = match.withJolly;
        winner.jolly = match.withJolly ? draw.jolly : 0;
    }
    return check;
}

WinCounts CountWins(const Tickets& tickets, const CheckDraw& draw) {
    WinCounts counts;
    const DrawMatcher matcher(draw);
    for (int t = 0; t < tickets.count; ++t) Count(MatchTicket(Ticket(tickets, t), matcher, draw.jolly), counts);
    return counts;
}

std::string WinningLine(const WinningTicket& winner) {
    std::string line = SixDigitsPadded(winner.ticket);
    for (const int n : winner.matched) line += DigitsOrEmpty(n) + " ";
    if (winner.withJolly) line += DigitsOrEmpty(winner.jolly) + " Jolly ";
    return line;
}

}  // namespace fortunara
