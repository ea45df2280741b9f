#include <gtest/gtest.h>

#include "checks/core/check_report.h"
#include "checks/core/win_check.h"

namespace fortunara {
namespace {

// The draw 5 12 17 33 40 61, jolly 80, stored out of order as the archive keeps it.
const CheckDraw kDraw{{40, 5, 61, 17, 33, 12}, 80};

struct TicketCase {
    const char* name;
    std::vector<int> ticket;
    WinCounts counts;
    std::string line;  // empty: not listed
};

class WinCheckClassification : public testing::TestWithParam<TicketCase> {};

TEST_P(WinCheckClassification, CountsAndListsOneTicket) {
    const TicketCase& c = GetParam();
    const std::vector<int> numbers = c.ticket;
    const WinCheck check = CheckTickets(TicketsOf(numbers, static_cast<int>(numbers.size())), kDraw);
    EXPECT_EQ(check.counts, c.counts);
    ASSERT_EQ(check.winners.size(), c.line.empty() ? 0U : 1U);
    if (!c.line.empty()) {
        EXPECT_EQ(WinningLine(check.winners.front()), c.line);
    }
    EXPECT_EQ(CountWins(TicketsOf(numbers, static_cast<int>(numbers.size())), kDraw), c.counts);
}

INSTANTIATE_TEST_SUITE_P(
    Tickets, WinCheckClassification,
    testing::Values(
        TicketCase{"sestina", {12, 5, 17, 33, 40, 61}, {0, 0, 0, 0, 1}, "000001    12 5 17 33 40 61 "},
        TicketCase{"jollyLast", {5, 12, 17, 33, 40, 80}, {0, 0, 0, 1, 0}, "000001    5 12 17 33 40 80 Jolly "},
        TicketCase{"jollyFirst", {80, 5, 12, 17, 33, 40}, {0, 0, 0, 1, 0}, "000001    5 12 17 33 40 80 Jolly "},
        TicketCase{"jollyInTheMiddle", {5, 12, 80, 17, 33, 61}, {0, 0, 0, 1, 0}, "000001    5 12 17 33 61 80 Jolly "},
        TicketCase{"cinquina", {5, 12, 17, 33, 40, 90}, {0, 0, 1, 0, 0}, "000001    5 12 17 33 40 "},
        TicketCase{"quaterna", {1, 5, 12, 17, 33, 90}, {0, 1, 0, 0, 0}, "000001    5 12 17 33 "},
        TicketCase{"terno", {5, 17, 33, 1, 2, 3}, {1, 0, 0, 0, 0}, "000001    5 17 33 "},
        // The jolly counts only beside five main numbers.
        TicketCase{"ambo with the jolly", {5, 17, 80, 1, 2, 3}, {}, ""},
        TicketCase{"quaterna with the jolly", {5, 17, 33, 40, 80, 3}, {0, 1, 0, 0, 0}, "000001    5 17 33 40 "},
        // A ticket of ten numbers still counts only the six main numbers.
        TicketCase{
            "ten numbers", {1, 5, 12, 17, 33, 40, 61, 80, 88, 90}, {0, 0, 0, 0, 1}, "000001    5 12 17 33 40 61 "},
        TicketCase{"eight numbers with five and the jolly",
                   {1, 5, 12, 17, 33, 40, 80, 90},
                   {0, 0, 0, 1, 0},
                   "000001    5 12 17 33 40 80 Jolly "},
        // A number the ticket holds twice counts once: five numbers, not a sestina.
        TicketCase{"a number twice", {12, 12, 5, 17, 33, 40}, {0, 0, 1, 0, 0}, "000001    12 5 17 33 40 "},
        // Zeros are places without a number: a blank draw field never matches them.
        TicketCase{"empty places", {0, 0, 0, 5, 12, 1}, {}, ""}),
    [](const testing::TestParamInfo<TicketCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (ch == ' ') ch = '_';
        }
        return name;
    });

TEST(WinCheck, SystemOfManyTicketsInTicketOrder) {
    const std::vector<int> numbers = {1, 2, 3, 4, 5, 6,  5, 17, 33, 1,  2,  3,  5, 12, 17, 33, 40, 61,
                                      1, 2, 3, 4, 5, 12, 7, 8,  9,  10, 11, 17, 5, 17, 33, 40, 61, 80};
    // TicketCount beyond what the list holds reads only the whole tickets.
    ProgramState state;
    state.TicketNumbers = {0};
    state.TicketNumbers.insert(state.TicketNumbers.end(), numbers.begin(), numbers.end());
    state.TicketSize = 6;
    state.TicketCount = 9;
    state.DrawNumbers = {0, 5, 12, 17, 33, 40, 61, 80, 3};
    const WinCheck check = CheckTickets(CurrentTickets(state), CheckDrawOf(state));
    EXPECT_EQ(check.counts, (WinCounts{1, 0, 0, 1, 1}));
    std::vector<int> listed;
    for (const WinningTicket& winner : check.winners) listed.push_back(winner.ticket);
    EXPECT_EQ(listed, (std::vector<int>{2, 3, 6}));

    state.TicketSize = 0;
    EXPECT_EQ(CheckTickets(CurrentTickets(state), CheckDrawOf(state)).counts, WinCounts{});
}

TEST(CheckReport, EighteenLines) {
    const std::vector<std::string> expected = {
        "___________________________________________________",
        "| STAMPA CONTROLLO VINCITE ",
        "|__________________________________________________|",
        "|                                                  |",
        "|  DATA :  21AGO2026",
        "|  Numeri per bolletta :  6 ",
        "|  Quantita' bollette  :  210 ",
        "|__________________________________________________|",
        "",
        "  Terni    trovati : 12",
        "  Quaterne trovate : 3",
        "  Cinquine trovate : 1",
        "  Cinque+1 trovate : 0",
        "  Sestine  trovate : 0",
        "",
        "|--------------------------------------------------|",
        "|__________________________________________________|",
        "",
    };
    EXPECT_EQ(CheckReport("21AGO2026", 6, 210, {12, 3, 1, 0, 0}), expected);
}

}  // namespace
}  // namespace fortunara
