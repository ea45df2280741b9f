#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/program_state.h"

namespace fortunara {

// The method kinds: 9 the vertible method, 5 the twin method.
inline constexpr int kVertibleMethod = 9;
inline constexpr int kTwinMethod = 5;

// The method kind from the text of the method box: 9 for exactly "VERTIBILI", 5 for anything else.
int MethodKindOf(std::string_view methodText);
// MethodPosition from the text of the position box ("CALCOLO SUL N°3" gives 3): its last character,
// when that is a digit 1 to 5. The box also takes typing, so anything else is refused.
std::optional<int> MethodPositionOf(std::string_view positionText);
// What the window says when it refuses a position.
inline constexpr std::string_view kPositionMessage = "LA POSIZIONE DEVE FINIRE CON UNA CIFRA DA 1 A 5";

// The values a method derives from one draw: g, its vertible V and its diametral D.
struct MethodValues {
    int g = 0;
    int vertible = 0;
    int diametral = 0;
};
// The draw's numbers by place: 1 to 6 the main numbers as stored, 7 the jolly, 8 the superstar,
// 9 and 10 zero. A method starting at position p reads from place p on.
using MethodNumbers = std::array<int, 11>;
MethodNumbers MethodNumbersOf(const std::array<int, 9>& drawNumbers);

// Six numbers from place p reduced to g through a triangle of differences.
MethodValues VertibleMethod(const MethodNumbers& n, int position);
// The twins of the units digits of the numbers at places p and p + 1.
MethodValues TwinMethod(const MethodNumbers& n, int position);

enum class ForecastKind { Superstar, Slip };

// One row of the forecast grid: the superstar forecast ("S.star", one number) or a play slip
// ("Schedina", six numbers), with the draw it was made from. The superstar line starts the group
// of its draw.
struct ForecastLine {
    int record = 0;
    std::string date;  // the draw's date text
    ForecastKind kind = ForecastKind::Superstar;
    std::vector<int> numbers;
};

// The group of one draw: the superstar line, then the two play slips.
std::array<ForecastLine, 3> ForecastGroup(const MethodValues& values, int record, const std::string& date);

struct MethodRun {
    std::vector<ForecastLine> lines;  // three per draw, in the order of the walk
    std::string error;                // the archive could not be opened
};

// The draws a run takes, as record numbers: from `from` to `to`, both included.
struct MethodRange {
    int from = 0;
    int to = 0;
};

// Applies the method (kind 9 or 5, position 1 to 5) to every draw of the range, newest first when
// `from` is the larger. Range ends beyond the newest draw are cut at it, ends below 1 count as 1.
// Writes RecordCount and ForecastRowCount. A position outside 1 to 5
// runs nothing and changes nothing: the error is kPositionMessage.
MethodRun RunMethod(ProgramState& state, int kind, int position, MethodRange range);

}  // namespace fortunara
