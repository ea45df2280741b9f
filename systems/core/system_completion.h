#pragma once

#include <cstdint>
#include <vector>

#include "systems/core/system_certificate.h"

namespace fortunara {

// Tickets added to a system so that a guarantee holds: whenever `drawn` of its N numbers are among
// the six drawn, some ticket holds at least `atLeast` of them.
struct Completion {
    std::vector<std::vector<int>> added;  // tickets of six positions (all N when N < 6), ascending
    long long holesBefore = 0;
    bool complete = false;   // the guarantee holds with the added tickets
    bool cancelled = false;  // stopped by the user: nothing in it is to be used
};

// Few tickets, found greedily (each the one that mends the most cases still failing, among every
// ticket where that can be counted in reasonable time, else among tickets built from the failing
// cases), then thinned: an added ticket the others make unnecessary is dropped. The same for the
// same seed.
Completion CompleteSystem(const PositionSystem& system, int drawn, int atLeast, std::uint64_t seed = 1,
                          const CaseProgress& progress = {});

}  // namespace fortunara
