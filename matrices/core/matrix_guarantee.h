#pragma once

#include <optional>

#include "matrices/core/matrix_files.h"

namespace fortunara {

// What a matrix over positions 1 to N guarantees: when `drawn` of its N numbers are among the
// numbers drawn, the best of its combinations holds at least this many of them, whichever they
// are. The least over every choice of `drawn` of the N positions of the most any combination
// shares with it. Positions outside 1 to N count for nothing. Defined for N from 1 to 63 and
// `drawn` from 0 to N; nullopt otherwise.
std::optional<int> GuaranteedHits(const MatrixData& matrix, int drawn);

}  // namespace fortunara
