#include "checks/core/played_system.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

std::string CombinationText(std::span<const int> numbers) {
    std::string text;
    for (const int n : numbers) text += ListedNumber(n);
    return text;
}

std::string CombinationLine(std::span<const int> numbers) {
    return CombinationText(numbers) + "    ";
}

std::vector<int> ForecastMarks(const ProgramState& state) {
    std::vector<int> marked;
    for (int n = 1; n <= 90; ++n) {
        if (state.ForecastFlags[static_cast<std::size_t>(n)] == 1) marked.push_back(n);
    }
    return marked;
}

std::vector<int> NumbersOfSystem(const std::vector<std::vector<int>>& combinations) {
    std::vector<int> numbers;
    for (const std::vector<int>& combination : combinations)
        numbers.insert(numbers.end(), combination.begin(), combination.end());
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

std::string NumbersPrompt(int quantity) {
    return "IMMETTI " + TextForm(quantity) + " NUMERI DA GIOCARE";
}

TypedSystemNumber ReadSystemNumber(std::string_view answer, std::span<const int> given) {
    const std::optional<int> value = WholeNumber(answer, 90);
    if (!value || *value == 0) return {0, "I NUMERI DEVONO ESSERE DA 1 A 90"};
    if (std::find(given.begin(), given.end(), *value) != given.end()) {
        return {0, "IL NUMERO " + Plain(*value) + " C'E' GIA' NEL SISTEMA"};
    }
    return {*value, {}};
}

std::string TooFewNumbersMessage(const std::string& matrixFile, int needed, int supplied) {
    return "LA MATRICE " + matrixFile + " VUOLE " + Plain(needed) + " NUMERI: LA PREVISIONE NE HA " + Plain(supplied);
}

std::vector<int> AppliedMatrix::Flat() const {
    std::vector<int> flat;
    for (const std::vector<int>& combination : combinations)
        flat.insert(flat.end(), combination.begin(), combination.end());
    return flat;
}

AppliedMatrix ApplyMatrix(const MatrixData& matrix, std::span<const int> numbers) {
    AppliedMatrix applied;
    const std::size_t size = static_cast<std::size_t>(std::max(matrix.comboSize, 0));
    if (size == 0) return applied;
    const std::size_t whole =
        std::min(static_cast<std::size_t>(std::max(matrix.comboCount, 0)), matrix.numbers.size() / size);
    applied.combinations.reserve(whole);
    for (std::size_t c = 0; c < whole; ++c) {
        std::vector<int>& combination = applied.combinations.emplace_back();
        for (std::size_t k = c * size; k < (c + 1) * size; ++k) {
            const int p = matrix.numbers[k];
            const bool held = p >= 1 && static_cast<std::size_t>(p) <= numbers.size();
            combination.push_back(held ? numbers[static_cast<std::size_t>(p - 1)] : 0);
        }
    }
    return applied;
}

void TakeMatrixShape(ProgramState& state, const MatrixData& matrix) {
    state.SystemNumberCount = matrix.numberCount;
    state.SystemComboCount = matrix.comboCount;
    state.SystemComboSize = matrix.comboSize;
    state.TicketSize = matrix.comboSize;
    state.TicketCount = 0;
    state.TicketNumbers.assign(1, 0);
}

void TakeAppliedMatrix(ProgramState& state, const MatrixData& matrix, const AppliedMatrix& applied) {
    TakeMatrixShape(state, matrix);
    state.TicketCount = static_cast<int>(applied.combinations.size());
    for (const std::vector<int>& combination : applied.combinations) {
        state.TicketNumbers.insert(state.TicketNumbers.end(), combination.begin(), combination.end());
    }
    for (std::size_t i = 0; i < matrix.comments.size(); ++i) state.CommentLines[i + 1] = matrix.comments[i];
}

MatrixData CurrentSystemData(const ProgramState& state) {
    MatrixData data;
    data.numberCount = state.SystemNumberCount;
    data.comboSize = state.SystemComboSize;
    const std::size_t size = static_cast<std::size_t>(std::max(state.SystemComboSize, 0));
    const std::size_t held = state.TicketNumbers.empty() ? 0 : state.TicketNumbers.size() - 1;
    const int whole = size == 0 ? 0 : static_cast<int>(held / size);
    data.comboCount = std::clamp(state.SystemComboCount, 0, whole);
    const auto first = state.TicketNumbers.begin() + (state.TicketNumbers.empty() ? 0 : 1);
    data.numbers.assign(first, first + static_cast<std::ptrdiff_t>(size * static_cast<std::size_t>(data.comboCount)));
    for (std::size_t i = 0; i < data.comments.size(); ++i) data.comments[i] = state.CommentLines[i + 1];
    return data;
}

}  // namespace fortunara
