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
// the moves drawn from the failing cases, their effect counted incrementally); whenever no case
// fails, the result is checked case by case, kept, and the count lowered by one.
struct OptimizerRequest {
    int positions = 0;
    int drawn = 0;
    int atLeast = 0;
    std::uint64_t seed = 1;
    long long steps = 0;  // moves at most; 0 for no bound (then the caller stops it)
};

struct OptimizerResult {
    std::vector<std::vector<int>> tickets;  // the best checked result: ascending positions 0..N-1
    long long steps = 0;                    // moves made
    bool stopped = false;                   // the caller stopped it before its steps were done
};

// What the caller hears now and then: the size of the best checked result and the moves made;
// it returns false to stop. The result is the best found until then.
using OptimizerProgress = std::function<bool(int bestTickets, long long steps)>;

// Whether the request can be searched: 1 <= atLeast <= drawn <= min(6, N), N <= 90.
bool OptimizerAccepts(const OptimizerRequest& request);

OptimizerResult OptimizeSystem(const OptimizerRequest& request, const OptimizerProgress& progress = {});

}  // namespace fortunara
