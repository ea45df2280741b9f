#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "platform/api/printer.h"
#include "slips/core/slip_layout.h"
#include "state/program_state.h"

namespace fortunara {

// What "STAMPA" prints: five combinations per slip, one per panel, combinations first to first + 4
// on the first slip, the next five on the next, as long as a slip starts at or before last. A panel
// holds the numbers of its combination: six, or as many as the system's tickets have.
inline constexpr int kPanelNumbers = 6;
using SlipCombination = std::vector<int>;
using SlipPanels = std::array<SlipCombination, kSlipPanels>;

// Combination c (from 1) of where the slips take their numbers; nullopt where there is none.
using CombinationSource = std::function<std::optional<SlipCombination>(int combination)>;

// The current system of the shared state: combination c at TicketNumbers s * (c - 1) + 1 to s * c,
// s = TicketSize (six when it is not 1 to 90), so a system of seven-number tickets puts each ticket
// whole on its panel instead of mixing neighbouring tickets. There are TicketCount combinations,
// fewer when the list ends before.
CombinationSource TicketCombinations(const ProgramState& state);

// How many slips the range asks for: none when first > last.
long long SlipCount(int first, int last);
// The first combination of slip k (from 0).
long long SlipStart(int first, long long slip);

// The five panels of the slip that starts at combination `start`. A panel past the end of the
// source, or before combination 1, stays empty and is left unmarked.
SlipPanels FillSlip(long long start, const CombinationSource& source);

// The marks of a slip, panel by panel in the order of the squares: every square whose number is
// one of its panel's numbers (a number twice in a panel is marked twice; 0 marks nothing).
std::vector<SlipMark> SlipMarks(const SlipLayout& layout, const SlipPanels& panels);

}  // namespace fortunara
