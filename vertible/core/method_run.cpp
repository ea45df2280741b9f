#include "vertible/core/method_run.h"

#include <algorithm>
#include <cstdlib>

#include "vertible/core/method_walk.h"
#include "vertible/core/vertible_numbers.h"

namespace fortunara {

namespace {

// The units digit as the twin method uses it: 0 and 9 have no twin and count as 1.
int TwinDigit(int number) {
    const int units = number % 10;
    return units == 0 || units == 9 ? 1 : units;
}

// One play slip: G, V, D and three more numbers, each moved on by one while it equals a number
// before it, in two passes; then D and the three are brought into range. Being compared before
// they are brought into range, two numbers of a slip can still end up equal.
std::vector<int> PlaySlip(int shown, int vertible, int diametral, int a, int b, int c) {
    for (int pass = 0; pass < 2; ++pass) {
        if (a == shown || a == vertible || a == diametral) ++a;
        if (b == shown || b == vertible || b == diametral || b == a) ++b;
        if (c == shown || c == vertible || c == diametral || c == b || c == a) ++c;
    }
    return {shown, vertible, IntoRange(diametral), IntoRange(a), IntoRange(b), IntoRange(c)};
}

}  // namespace

int MethodKindOf(std::string_view methodText) {
    return methodText == "VERTIBILI" ? kVertibleMethod : kTwinMethod;
}

std::optional<int> MethodPositionOf(std::string_view positionText) {
    if (positionText.empty()) return std::nullopt;
    const char last = positionText.back();
    if (last < '1' || last > '5') return std::nullopt;
    return last - '0';
}

MethodNumbers MethodNumbersOf(const std::array<int, 9>& drawNumbers) {
    MethodNumbers n{};
    std::copy(drawNumbers.begin(), drawNumbers.end(), n.begin());
    return n;
}

MethodValues VertibleMethod(const MethodNumbers& n, int position) {
    const auto at = [&n, position](int offset) {
        return n[static_cast<std::size_t>(position) + static_cast<std::size_t>(offset)];
    };
    // The difference of the second and third number is left out.
    const int d1 = std::abs(at(0) - at(1));
    const int d2 = std::abs(at(2) - at(3));
    const int d3 = std::abs(at(3) - at(4));
    const int d4 = std::abs(at(4) - at(5));
    const int e1 = std::abs(d1 - d2);
    const int e2 = std::abs(d2 - d3);
    const int e3 = std::abs(d3 - d4);
    const int f1 = std::abs(e1 - e2);
    const int f2 = std::abs(e2 - e3);
    MethodValues values;
    values.g = std::abs(f1 - f2);
    values.vertible = VertibleNumber(values.g);
    values.diametral = DiametralNumber(values.g);
    if (values.diametral == values.vertible) ++values.diametral;
    if (values.diametral == values.g) ++values.diametral;
    return values;
}

MethodValues TwinMethod(const MethodNumbers& n, int position) {
    const auto p = static_cast<std::size_t>(position);
    MethodValues values;
    values.g = TwinNumber(TwinDigit(n[p]));
    values.vertible = TwinNumber(TwinDigit(n[p + 1]));
    // Two equal digits take the next twin; after 88 that is 99, brought into range as 9.
    if (values.vertible == values.g) values.vertible = IntoRange(values.vertible + 11);
    values.diametral = values.g + 1;
    if (values.diametral == values.vertible) ++values.diametral;
    return values;
}

std::array<ForecastLine, 3> ForecastGroup(const MethodValues& values, int record, const std::string& date) {
    const int g = values.g;
    const int v = values.vertible;
    const int d = values.diametral;
    const int shown = g == 0 ? 90 : g;
    return {ForecastLine{record, date, ForecastKind::Superstar, {shown}},
            ForecastLine{record, date, ForecastKind::Slip, PlaySlip(shown, v, d, d + 1, g + 1, v + 1)},
            ForecastLine{record, date, ForecastKind::Slip, PlaySlip(shown, v, d + 1, d + 2, g + 2, v + 2)}};
}

MethodRun RunMethod(ProgramState& state, int kind, int position, MethodRange range) {
    MethodRun run;
    // Beyond position 5 the method would read past the ten places of a draw.
    if (position < 1 || position > 5) {
        run.error = kPositionMessage;
        return run;
    }
    state.ForecastRowCount = 0;
    const MethodWalk walk =
        WalkMethod(state.programFolder, range.from, range.to, kind, position, false,
                   [&run](const ForecastLine& line, const LineOutcome*) { run.lines.push_back(line); });
    if (!walk.error.empty()) {
        run.error = walk.error;
        return run;
    }
    state.RecordCount = walk.recordCount;
    state.ForecastRowCount = static_cast<int>(run.lines.size());
    return run;
}

}  // namespace fortunara
