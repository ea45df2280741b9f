#include "slips/core/slip_printing.h"

#include <algorithm>
#include <limits>

namespace fortunara {

CombinationSource TicketCombinations(const ProgramState& state) {
    return [&state](int combination) -> std::optional<SlipCombination> {
        const int size = state.TicketSize >= 1 && state.TicketSize <= kHighestNumber ? state.TicketSize : kPanelNumbers;
        const long long last = static_cast<long long>(combination) * size;
        if (combination < 1 || combination > state.TicketCount) return std::nullopt;
        if (last >= static_cast<long long>(state.TicketNumbers.size())) return std::nullopt;
        const auto from = state.TicketNumbers.begin() + (last - size + 1);
        return SlipCombination(from, from + size);
    };
}

long long SlipCount(int first, int last) {
    if (first > last) return 0;
    return (static_cast<long long>(last) - first) / kSlipPanels + 1;
}

long long SlipStart(int first, long long slip) {
    return first + slip * kSlipPanels;
}

SlipPanels FillSlip(long long start, const CombinationSource& source) {
    SlipPanels panels{};
    for (int p = 0; p < kSlipPanels; ++p) {
        const long long combination = start + p;
        if (combination < 1 || combination > std::numeric_limits<int>::max() || !source) continue;
        if (const std::optional<SlipCombination> numbers = source(static_cast<int>(combination))) {
            panels[static_cast<std::size_t>(p)] = *numbers;
        }
    }
    return panels;
}

std::vector<SlipMark> SlipMarks(const SlipLayout& layout, const SlipPanels& panels) {
    std::vector<SlipMark> marks;
    for (int p = 1; p <= kSlipPanels; ++p) {
        const SlipCombination& numbers = panels[static_cast<std::size_t>(p - 1)];
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            const auto times = std::count(numbers.begin(), numbers.end(), n);
            for (long long k = 0; k < times; ++k) marks.push_back({p, n, SquareMark(layout, p, n)});
        }
    }
    return marks;
}

}  // namespace fortunara
