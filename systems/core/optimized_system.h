#pragma once

#include <optional>
#include <string>
#include <vector>

#include "matrices/core/matrix_files.h"
#include "systems/core/covering_table.h"

namespace fortunara {

// The texts of a system the optimizer made, the same in the window, on the command line and in
// the matrices of the library.

// "ALMENO UN TERNO SE ESCONO 4, 5 O 6 DEI 20 NUMERI": a system that keeps the guarantee when
// `drawn` are drawn keeps it when more are.
std::string OptimizedGuarantee(int numbers, int drawn, int atLeast);

// "MIGLIORE NOTA 71 BOLLETTE, LIMITE INFERIORE 64": for a covering (drawn = atLeast) that the table
// holds; empty otherwise.
std::string BestKnownLine(const std::optional<BestCovering>& best);

// The best known cell for a guarantee: only coverings are in the table.
std::optional<BestCovering> BestFor(const std::vector<BestCovering>& table, int numbers, int drawn, int atLeast);

// The system as a matrix over `chosen` (the number of each position; positions 1..N when empty),
// its comment lines saying what it guarantees, the best known size and the table's source for a
// covering, and `origin` (how it was made) when given.
MatrixData OptimizedMatrix(int numbers, int drawn, int atLeast, const std::vector<std::vector<int>>& tickets,
                           const std::vector<int>& chosen, const std::optional<BestCovering>& best,
                           const std::string& origin = {});

}  // namespace fortunara
