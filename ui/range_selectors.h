#pragma once

#include "state/program_state.h"
#include "state/range_selector.h"

class QLabel;
class QScrollBar;

namespace fortunara {

// Sets a bar's maximum, then its value (limits as SelectorLimitsFor gives them), and runs the
// bar's change step exactly once, also when the value stays where it was: a view refreshed
// after the archive changed must show the new data. An empty archive disables the bar.
void SetScrollPosition(QScrollBar& bar, int maximum, int value);

// One range selector of the main window: its bar, its date label, which end it is and the shared
// variable it writes; the selectors of tabs 1 and 2 also show the span of their pair.
struct RangeSelectorWiring {
    QScrollBar* bar = nullptr;
    QLabel* dateLabel = nullptr;
    SelectorEnd end = SelectorEnd::From;
    int ProgramState::*global = nullptr;
    QScrollBar* pairFrom = nullptr;
    QScrollBar* pairTo = nullptr;
    QLabel* spanLabel = nullptr;
    // The label shows the date alone ("01GEN2009"), for a bar whose caption stands beside it.
    bool dateOnly = false;
};

// Runs the change step on every change of the bar's value: the date label, the shared variable
// and, for a pair with a span label, RangeSpan and the span label.
void ConnectRangeSelector(const RangeSelectorWiring& wiring, ProgramState& state);

}  // namespace fortunara
