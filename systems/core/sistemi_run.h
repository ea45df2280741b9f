#pragma once

#include <optional>
#include <string>

#include "state/program_state.h"
#include "systems/core/development.h"

namespace fortunara {

// What "SVILUPPO" develops: N from Textbox1, the numbers EnteredNumbers(1..N) (positions above
// 90 have none), GuaranteeMode from the shared state.
SystemRequest SistemiRequest(const ProgramState& state, int quantity, int reductionOption, bool print,
                             const std::optional<ConditionSettings>& conditions);

// The one hand-over of "RIDOTTI" (forecast tab) to the system window: n = quantity kept within
// 0..90, EnteredNumbers(i) = ForecastNumbers(i) for i = 1 to n, and the texts for the window.
struct HandedNumbers {
    std::string quantityText;  // Textbox1: n
    std::string label;         // Label1: n, CurrentMatrixName, " NUMERI    :   ", each number as "00" and three blanks
};
HandedNumbers TakeForecastNumbers(ProgramState& state, int quantity);

// The draw chosen with HScroll1: DrawNumbers (main numbers ascending, jolly and superstar as
// stored) and CurrentDrawDate. A record outside the archive reads as an empty date
// and zeros. Returns the date for Label2.
std::string ChooseCheckDraw(ProgramState& state, int record);

}  // namespace fortunara
