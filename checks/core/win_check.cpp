#include "checks/core/win_check.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// Which of the six main numbers a value is, by lookup: a check over the archive asks this for
// every number of every ticket of every draw. Each drawn number has a bit of its own (a number a
// damaged draw holds twice has one), so a ticket's matches are the bits its numbers set, and a
// number the ticket holds twice counts once: 12 12 25 27 28 39 has five numbers, not six. 0 is no
// number (a draw field left blank), so it never matches.
class DrawMatcher {
public:
    explicit DrawMatcher(const CheckDraw& draw) {
        for (std::size_t slot = 0; slot < draw.main.size(); ++slot) {
            const int d = draw.main[slot];
            if (d > 0 && d < kTable && bit_[static_cast<std::size_t>(d)] == 0) {
                bit_[static_cast<std::size_t>(d)] = static_cast<std::uint8_t>(1U << slot);
            }
        }
    }

    unsigned Bit(int x) const { return x > 0 && x < kTable ? bit_[static_cast<std::size_t>(x)] : 0U; }

private:
    static constexpr int kTable = 100;  // an archive field holds two digits
    std::array<std::uint8_t, kTable> bit_{};
};

// The bits set in each of the 64 masks of six drawn numbers, looked up rather than counted.
constexpr auto kBitsSet = [] {
    std::array<std::uint8_t, 64> bits{};
    for (unsigned mask = 0; mask < bits.size(); ++mask) bits[mask] = static_cast<std::uint8_t>(std::popcount(mask));
    return bits;
}();

struct TicketMatch {
    int matches = 0;
    bool withJolly = false;
};

TicketMatch MatchTicket(std::span<const int> ticket, const DrawMatcher& matcher, int jolly) {
    unsigned drawn = 0;
    for (const int x : ticket) drawn |= matcher.Bit(x);
    TicketMatch match;
    match.matches = kBitsSet[drawn];
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
        unsigned listed = 0;
        for (const int x : ticket) {
            const unsigned bit = matcher.Bit(x);
            if ((bit & ~listed) != 0) winner.matched.push_back(x);
            listed |= bit;
        }
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
