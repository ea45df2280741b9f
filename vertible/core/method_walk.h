#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "vertible/core/forecast_check.h"
#include "vertible/core/method_run.h"

namespace fortunara {

struct MethodWalk {
    int recordCount = 0;  // the archive's
    int lines = 0;        // lines made, three per draw
    ForecastCheck check;  // the figures, when the lines were checked (no outcomes)
    std::string error;    // the archive could not be opened
};

// A line as it is made, with its outcome when the walk checks (nullptr otherwise).
using ForecastLineVisitor = std::function<void(const ForecastLine& line, const LineOutcome* outcome)>;

// Applies the method (kind 9 or 5, position 1 to 5) to every draw from `from` to `to`, both included,
// newest first when `from` is the larger; ends beyond the newest draw are cut at it, ends below 1
// count as 1. The archive is read a block at a time (with the 18 draws after the block when the lines
// are checked) and each line goes to onLine as it is made: nothing is kept, so the walk holds the
// same memory however long the range.
MethodWalk WalkMethod(const std::filesystem::path& programFolder, int from, int to, int kind, int position, bool check,
                      const ForecastLineVisitor& onLine);

}  // namespace fortunara
