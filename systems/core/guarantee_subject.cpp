#include "systems/core/guarantee_subject.h"

#include <algorithm>
#include <set>

#include "systems/core/development.h"
#include "systems/core/position_index.h"

namespace fortunara {

namespace {

constexpr int kTicket = 6;

std::vector<int> EnteredNumbers(const ProgramState& state, int quantity) {
    const int known = std::clamp(quantity, 0, 90);
    return {state.EnteredNumbers.begin() + 1, state.EnteredNumbers.begin() + 1 + known};
}

}  // namespace

bool GuaranteeSubject::HasStandIns() const {
    return std::any_of(chosen.begin(), chosen.end(), [](int n) { return n < 1; });
}

std::vector<int> NumbersOfTickets(std::span<const int> ticketNumbers, int numberCount) {
    const std::set<int> held(ticketNumbers.begin(), ticketNumbers.end());
    std::vector<int> chosen(held.begin(), held.end());
    // The N of a file is only what the file says: no system has more than the 90 numbers, and a
    // file saying two billion must not make as many stand-ins.
    const int wanted = std::min(numberCount, 90);
    for (int standIn = 0; static_cast<int>(chosen.size()) < wanted; --standIn) {
        if (held.count(standIn) == 0) chosen.push_back(standIn);
    }
    return chosen;
}

GuaranteeSubject CurrentSystemSubject(const ProgramState& state) {
    GuaranteeSubject subject;
    subject.ticketSize = state.TicketSize;
    const auto available = static_cast<long long>(state.TicketNumbers.size()) - 1;
    const long long wanted = static_cast<long long>(std::max(state.TicketCount, 0)) * std::max(state.TicketSize, 0);
    const long long taken = std::clamp(wanted, 0LL, std::max(available, 0LL));
    subject.ticketNumbers.assign(state.TicketNumbers.begin() + 1,
                                 state.TicketNumbers.begin() + 1 + static_cast<std::ptrdiff_t>(taken));
    subject.chosen = NumbersOfTickets(subject.ticketNumbers, state.SystemNumberCount);
    return subject;
}

bool AppendToCurrentSystem(ProgramState& state, const std::vector<int>& addedTickets) {
    const int added = static_cast<int>(addedTickets.size()) / kTicket;
    if (state.TicketSize != kTicket || state.TicketCount + added > kSystemCapacity) return false;
    state.TicketNumbers.resize(Index(1 + state.TicketCount * kTicket));
    state.TicketNumbers.insert(state.TicketNumbers.end(), addedTickets.begin(), addedTickets.end());
    state.TicketCount += added;
    return true;
}

GuaranteeSubject GridSubject(const ProgramState& state, int quantity, const std::vector<std::vector<int>>& rows) {
    GuaranteeSubject subject;
    subject.ticketSize = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    for (const std::vector<int>& row : rows) {
        if (static_cast<int>(row.size()) != subject.ticketSize) break;
        subject.ticketNumbers.insert(subject.ticketNumbers.end(), row.begin(), row.end());
    }
    const std::vector<int> entered = EnteredNumbers(state, quantity);
    const bool developed = std::all_of(subject.ticketNumbers.begin(), subject.ticketNumbers.end(), [&](int n) {
        return std::find(entered.begin(), entered.end(), n) != entered.end();
    });
    subject.chosen = developed && !entered.empty() ? entered : NumbersOfTickets(subject.ticketNumbers, 0);
    return subject;
}

int AppendDevelopedTickets(ProgramState& state, int quantity, int developed, const std::vector<int>& addedTickets) {
    const std::vector<int> entered = EnteredNumbers(state, quantity);
    const int added = static_cast<int>(addedTickets.size()) / kTicket;
    if (developed + added > kSystemCapacity) return -1;
    std::vector<int> positions;
    for (const int number : addedTickets) {
        const auto found = std::find(entered.begin(), entered.end(), number);
        if (found == entered.end()) return -1;
        positions.push_back(static_cast<int>(found - entered.begin()) + 1);
    }
    for (int t = 0; t < added; ++t) {
        std::array<int, 7>& row = state.SystemCombos[Index(developed + 1 + t)];
        for (int c = 0; c < kTicket; ++c) row[Index(c + 1)] = positions[Index(t * kTicket + c)];
    }
    state.SystemComboCount = developed + added;
    state.TicketCount = developed + added;
    return developed + added;
}

}  // namespace fortunara
