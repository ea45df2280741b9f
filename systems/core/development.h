#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "systems/core/conditions.h"

namespace fortunara {

inline constexpr int kSystemCapacity = 30000;
// EnteredNumbers keeps positions 1 to 90: a position beyond has no number.
inline constexpr int kHighestPosition = 90;

// What "SVILUPPO" develops, read from the window's controls and the shared state.
struct SystemRequest {
    int quantity = 0;  // N, the numeric value of Textbox1
    // numbers[p - 1] = EnteredNumbers(p): at most 90 of them, each 0..90 (others are refused with
    // std::invalid_argument). A position beyond the last one has no number: a combination that
    // reaches it stops the run, as a quantity above 90 does.
    std::vector<int> numbers;
    int guaranteeMode = 1;                        // 1 integral (possibly reduced), 2..5 "AMBO".."CINQUINA"
    int reductionOption = 0;                      // the selected OptionButton1 (0..3), -1 when none is selected
    bool print = false;                           // "  STAMPA" ticked: build the report lines
    std::optional<ConditionSettings> conditions;  // set when "  ATTIVA CONDIZIONI" is ticked
    int capacity = kSystemCapacity;               // the program always uses 30000
};

enum class RunEnd {
    Completed,
    TooFewNumbers,          // N < 6: "NUMERI NON SUFFICENTI ! "
    CapacityReached,        // one more accepted combination than the capacity
    PositionWithoutNumber,  // a combination reached a position above 90 (N above 90)
    Cancelled,
    Failed,  // the run broke off for another reason, told in `failure`
};

struct SystemRun {
    RunEnd end = RunEnd::Completed;
    std::vector<std::array<int, 6>> positions;  // recorded combinations, positions ascending
    std::vector<std::array<int, 6>> numbers;    // the same, as EnteredNumbers of each position
    bool conditioned = false;                   // List1 shows "condizionati"
    // The report as printed lines (only when printing). A run that stops keeps its last line
    // even when it holds fewer than three combinations.
    std::vector<std::string> report;
    std::string failure;  // why a Failed run broke off, for the user

    int Count() const { return static_cast<int>(positions.size()); }
    bool Completed() const { return end == RunEnd::Completed; }
    // Stopped by the capacity or a position without number: the window shows the message box.
    bool Overflowed() const { return end == RunEnd::CapacityReached || end == RunEnd::PositionWithoutNumber; }
    // The text for Label1 (too few numbers) or the message box (overflow, failure); empty otherwise.
    std::string_view Message() const;
};

// How a window follows and stops a long run. Both are used from the thread that runs the
// development: progress gets the share done (0 to 1) a few hundred times per run at most.
struct RunControl {
    std::function<void(double)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

// The development: integral (optionally reduced) or a guarantee scheme, filtered by the
// conditions, recorded up to the capacity. The combinations come in exactly the order of the
// step-by-step algorithm that compares each candidate with every recorded combination.
SystemRun RunDevelopment(const SystemRequest& request, const RunControl& control = {});

// Combinations the guarantee scheme yields without conditions: C(N - 6 + g, g), saturating.
unsigned long long GuaranteeComboCount(int quantity, int guaranteeMode);

}  // namespace fortunara
