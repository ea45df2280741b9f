#include "systems/core/sistemi_run.h"

#include <algorithm>

#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"

namespace fortunara {

SystemRequest SistemiRequest(const ProgramState& state, int quantity, int reductionOption, bool print,
                             const std::optional<ConditionSettings>& conditions) {
    SystemRequest request;
    request.quantity = quantity;
    const int known = std::clamp(quantity, 0, kHighestPosition);
    request.numbers.assign(state.EnteredNumbers.begin() + 1, state.EnteredNumbers.begin() + 1 + known);
    request.guaranteeMode = state.GuaranteeMode;
    request.reductionOption = reductionOption;
    request.print = print;
    request.conditions = conditions;
    return request;
}

HandedNumbers TakeForecastNumbers(ProgramState& state, int quantity) {
    const int n = std::clamp(quantity, 0, kHighestPosition);
    HandedNumbers handed{Plain(n), Plain(n) + state.CurrentMatrixName + " NUMERI    :   "};
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
        state.EnteredNumbers[i] = state.ForecastNumbers[i];
        handed.label += TwoDigits(state.EnteredNumbers[i]) + "   ";
    }
    return handed;
}

std::string ChooseCheckDraw(ProgramState& state, int record) {
    const std::vector<DrawRecord> draws = LoadDraws(state.programFolder, record, record);
    const DrawRecord draw = draws.empty() ? DrawRecord{} : draws.front();
    const std::array<int, 6> sorted = SortedMain(draw);
    for (int i = 1; i <= 6; ++i)
        state.DrawNumbers[static_cast<std::size_t>(i)] = sorted[static_cast<std::size_t>(i - 1)];
    state.DrawNumbers[7] = draw.Jolly();
    state.DrawNumbers[8] = draw.Superstar();
    state.CurrentDrawDate = draw.date;
    return draw.date;
}

}  // namespace fortunara
