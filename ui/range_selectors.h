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

// One range selector: its bar, its date label and which end it is; the selectors of tabs 1 and 2
// also show the span of their pair.
struct RangeSelectorWiring {
    QScrollBar* bar = nullptr;
    QLabel* dateLabel = nullptr;
    SelectorEnd end = SelectorEnd::From;
    QScrollBar* pairFrom = nullptr;
    QScrollBar* pairTo = nullptr;
    QLabel* spanLabel = nullptr;
    // The label shows the date alone ("01GEN2009"), for a bar whose caption stands beside it.
    bool dateOnly = false;
};

// Runs the change step on every change of the bar's value: RecordCount, the date label and, for a
// pair with a span label, the span label.
void ConnectRangeSelector(const RangeSelectorWiring& wiring, ProgramState& state);

}  // namespace fortunara
