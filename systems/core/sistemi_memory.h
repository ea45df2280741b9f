#pragma once

#include "systems/core/conditions.h"

namespace fortunara {

// What the system window remembers for the whole program run beyond the shared state: the
// groups of "Link AND" with their counts and switch, and how many combinations the last
// completed development recorded in SystemCombos (what "SALVA" saves, even after "CARICA" or the
// check window changed SystemComboCount).
struct SistemiMemory {
    GroupSettings groups;
    int developedCount = 0;
};

}  // namespace fortunara
