#pragma once

#include <QObject>
#include <functional>

#include "statistics/core/forecast_outputs.h"
#include "statistics/core/statistics_state.h"

class QWidget;

namespace fortunara {

class Sestine;

// Opens the system window with the forecast numbers entered ("RIDOTTI") and returns when it closes.
using RidottiOpener = std::function<void(QWidget* parent, const RidottiHandOver& handOver)>;

// The handlers of the main window's statistics: the number search (tab 1), the statistics table
// (tab 2), the forecast (tab 5) and the two printer pictures. It keeps the one thing they share
// beyond the program state, the results of the last number search, and lives as long as the window.
class StatisticsHandlers : public QObject {
    Q_OBJECT

public:
    // Connects every handler; an empty opener leaves "RIDOTTI" to the main window's launcher.
    StatisticsHandlers(Sestine& window, RidottiOpener ridotti);

    const SearchSummary& Summary() const { return summary_; }

private:
    SearchSummary summary_;
};

// What the program's hooks call once the main window's controls exist.
void ConnectStatisticsTabs(Sestine& window, RidottiOpener ridotti = {});

}  // namespace fortunara
