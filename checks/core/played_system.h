#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "matrices/core/matrix_files.h"
#include "state/program_state.h"

namespace fortunara {

// A combination as Presenti prints it: every number in five characters, right-aligned
// ("    5   12   33").
std::string CombinationText(std::span<const int> numbers);
// The same as List1 shows it, with four blanks after it.
std::string CombinationLine(std::span<const int> numbers);

// The numbers of the forecast, as the main window's matrix list hands them on: every n from 1 to
// 90 whose ForecastFlags element is 1, ascending.
std::vector<int> ForecastMarks(const ProgramState& state);

// The numbers a system's combinations hold, each once, ascending.
std::vector<int> NumbersOfSystem(const std::vector<std::vector<int>>& combinations);

// "IMMETTI  10 NUMERI DA GIOCARE".
std::string NumbersPrompt(int quantity);

// A number typed for "SISTEMA": a whole number from 1 to 90 that the system does not hold yet.
struct TypedSystemNumber {
    int value = 0;
    std::string refusal;  // Italian, what is wrong; empty when the number is taken
};
TypedSystemNumber ReadSystemNumber(std::string_view answer, std::span<const int> given);

// "LA MATRICE 10N03506.SIS VUOLE 10 NUMERI: LA PREVISIONE NE HA 8".
std::string TooFewNumbersMessage(const std::string& matrixFile, int needed, int supplied);

// A matrix with real numbers in place of its positions: position p is numbers(p - 1). A position
// without number (a damaged matrix) is 0. Only whole combinations are taken.
struct AppliedMatrix {
    std::vector<std::vector<int>> combinations;
    // The combinations one after the other.
    std::vector<int> Flat() const;
};
AppliedMatrix ApplyMatrix(const MatrixData& matrix, std::span<const int> numbers);

// The shape of the matrix becomes the current system's, still without combinations:
// SystemNumberCount, SystemComboCount, SystemComboSize and TicketSize from the matrix,
// TicketCount 0 and TicketNumbers empty.
void TakeMatrixShape(ProgramState& state, const MatrixData& matrix);

// The applied matrix becomes the current system: SystemNumberCount, SystemComboCount and
// SystemComboSize from the matrix, TicketSize, TicketCount and TicketNumbers from the
// combinations, CommentLines 1 to 10 from the matrix.
void TakeAppliedMatrix(ProgramState& state, const MatrixData& matrix, const AppliedMatrix& applied);

// What "SALVA" writes: N, B and T of the current system, its numbers and comment lines. B is never
// more than the whole combinations TicketNumbers holds, so nothing that is not there is written.
MatrixData CurrentSystemData(const ProgramState& state);

}  // namespace fortunara
