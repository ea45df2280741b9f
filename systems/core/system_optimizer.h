#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "systems/core/system_certificate.h"

namespace fortunara {

// The search for the fewest tickets of six positions that keep a guarantee: whenever `drawn` of the
// N numbers are among the six drawn, some ticket holds at least `atLeast` of them (drawn = atLeast
// is a covering, drawn > atLeast a weaker guarantee).
//
// It starts from the greedy completion of an empty system, then, for a fixed count of tickets,
// moves one position of one ticket at a time to lower the cases left failing (simulated annealing,
// each move bringing a failing case into a ticket that holds all of it but one position, its effect
// counted incrementally); whenever no case fails, the system is kept and the count lowered. A
// system is offered only once FindHoles has found no case failing.
struct OptimizerRequest {
    int positions = 0;
    int drawn = 0;
    int atLeast = 0;
    std::uint64_t seed = 1;
    long long steps = 0;  // moves at most; 0 for no bound
    // Seconds at most (0 for no bound): for the user, since the result then depends on the machine;
    // a result meant to be the same everywhere is bounded by steps.
    double seconds = 0;
};

struct OptimizerResult {
    std::vector<std::vector<int>> tickets;  // the best checked result: ascending positions 0..N-1
    long long steps = 0;                    // moves made
    bool stopped = false;                   // the caller stopped it before its steps were done
};

// With neither bound the search goes on until the caller stops it, or until a covering (drawn =
// atLeast) is as small as SchonheimBound.
//
// What the caller hears now and then: the size of the best checked result and the moves made;
// it returns false to stop. The result is then the best found until then, checked.
using OptimizerProgress = std::function<bool(int bestTickets, long long steps)>;

// The cases (sets of `drawn` positions) a search may keep in memory; beyond them it is refused.
inline constexpr long long kMostOptimizerCases = 4'000'000;

// Whether the request can be searched: 1 <= atLeast <= drawn <= min(6, N), N <= 90, and no more
// than kMostOptimizerCases cases.
bool OptimizerAccepts(const OptimizerRequest& request);

// The Schönheim lower bound: no system of tickets of six over `positions` numbers that holds every
// set of `atLeast` of them has fewer tickets.
long long SchonheimBound(int positions, int atLeast);

OptimizerResult OptimizeSystem(const OptimizerRequest& request, const OptimizerProgress& progress = {});

}  // namespace fortunara
