#include "ui/range_selectors.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdlib>

namespace fortunara {

void SetScrollPosition(QScrollBar& bar, int maximum, int value) {
    const SelectorLimits limits = SelectorLimitsFor(maximum);
    {
        // Narrowing the range may move the value; that move is not the change we mean to run.
        const QSignalBlocker quiet(&bar);
        bar.setRange(limits.minimum, limits.maximum);
    }
    bar.setEnabled(limits.maximum >= 1);
    const int wanted = std::clamp(value, limits.minimum, limits.maximum);
    if (bar.value() != wanted) {
        bar.setValue(wanted);
    } else {
        emit bar.valueChanged(wanted);
    }
}

void ConnectRangeSelector(const RangeSelectorWiring& wiring, ProgramState& state) {
    QObject::connect(wiring.bar, &QScrollBar::valueChanged, wiring.bar, [wiring, &state](int value) {
        const SelectorReading reading = ReadSelectorDate(state.programFolder, value);
        state.RecordCount = reading.recordCount;
        const std::string caption = wiring.dateOnly ? reading.dateText : SelectorCaption(wiring.end, reading.dateText);
        wiring.dateLabel->setText(QString::fromStdString(caption));
        if (wiring.spanLabel != nullptr) {
            wiring.spanLabel->setText(
                QString::fromStdString(SpanCaption(std::abs(wiring.pairFrom->value() - wiring.pairTo->value()))));
        }
    });
}

}  // namespace fortunara
