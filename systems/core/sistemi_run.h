#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/state/program_state.h"
#include "systems/core/development.h"

namespace fortunara {

// What "SVILUPPO" develops: N from Textbox1, the numbers NumberSelected(1..N) (positions above
// 90 have none), GuaranteeMode and MethodKind from the shared state.
SystemRequest SistemiRequest(const ProgramState& state, int quantity, int reductionOption, bool print,
                             std::optional<ConditionSettings> conditions);

// Numbers handed over by "RIDOTTI" of the forecast tab: the quantity n (kept within 0..90) and
// NumberSelected(i) = numbers[i - 1] for i = 1 to n, missing numbers being 0.
struct HandedNumbers {
    std::string quantityText;  // Textbox1
    std::string label;         // Label1: n, CurrentMatrixName, " NUMERI    :   ", each number as "00" and three blanks
};
HandedNumbers TakeHandedNumbers(ProgramState& state, int quantity, const std::vector<int>& numbers);

// The draw chosen with HScroll1: CheckDrawRecord, DrawNumbers (main numbers ascending, jolly and
// superstar as stored) and CurrentDrawDate. A record outside the archive reads as an empty date
// and zeros. Returns the date for Label2.
std::string ChooseCheckDraw(ProgramState& state, int record);

}  // namespace fortunara
