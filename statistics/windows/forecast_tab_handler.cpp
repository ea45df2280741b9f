#include "statistics/windows/forecast_tab_handler.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "app/state/click_sound.h"
#include "app/windows/sestine.h"
#include "app/windows/tab_forecast.h"
#include "statistics/core/forecast.h"
#include "statistics/core/forecast_outputs.h"
#include "statistics/core/statistics_state.h"
#include "statistics/windows/statistics_messages.h"

namespace fortunara {

namespace {

// The outcome list in view, the matrix list and its two buttons put away.
void ShowOutcomeList(ForecastTab& tab) {
    tab.List3->show();
    tab.List6->hide();
    tab.CommandButton7->setEnabled(false);
    tab.CommandButton8->setEnabled(false);
}

void RefuseQuantity(Dialogs& dialogs) {
    dialogs.Message(std::string(kQuantityMessage), std::string(kQuantityTitle), DialogButtons::Ok, DialogIcon::Warning);
}

void MakeForecast(Sestine& window, SearchSummary& summary) {
    ForecastTab& tab = window.Forecast();
    ProgramState& state = window.State();
    Platform& platform = window.PlatformBundle();
    PlayClickSound(state, platform.sounds);
    ShowOutcomeList(tab);
    const Quantity quantity = ReadQuantity(tab.Textbox1->text().toStdString());
    // A quantity the forecast lists cannot hold changes nothing.
    if (!quantity.valid) return RefuseQuantity(platform.dialogs);
    const int base = tab.HScroll5->value();
    tab.List3->clear();
    tab.Label1_0->setText(QString());

    const ForecastResult result = ComputeForecast(state.programFolder, base, quantity.value);
    StoreForecast(result, state, summary);
    tab.Label1_0->setText(QString::fromStdString(ForecastCaption(result)));
    for (const std::string& line : OutcomeLines(result)) tab.List3->addItem(QString::fromStdString(line));
    ReportReadError(platform.dialogs, result.error);
}

void PrintForecastReport(Sestine& window) {
    const ForecastTab& tab = window.Forecast();
    const ProgramState& state = window.State();
    Platform& platform = window.PlatformBundle();
    PlayClickSound(state, platform.sounds);
    ForecastPrintInput input;
    input.baseCaption = tab.Label55->text().toStdString();
    input.quantityText = tab.Textbox1->text().toStdString();
    input.searchNumbers = state.SearchNumbers;
    for (int i = 0; i < tab.List3->count(); ++i) input.outcomeLines.push_back(tab.List3->item(i)->text().toStdString());
    PrintForecast(platform.printer, input);
}

void HandOverToSystems(Sestine& window, const RidottiOpener& ridotti) {
    const ForecastTab& tab = window.Forecast();
    ProgramState& state = window.State();
    Platform& platform = window.PlatformBundle();
    const RidottiHandOver handOver = MakeRidottiHandOver(tab.Textbox1->text().toStdString(), state);
    if (!handOver.valid) {
        PlayClickSound(state, platform.sounds);
        return RefuseQuantity(platform.dialogs);
    }
    if (!ridotti) {
        // Without a hand-over of its own the system window finds the numbers in NumberSelected;
        // the launcher plays the click.
        StoreRidottiHandOver(handOver, state);
        window.OpenWindow(LaunchedWindow::Sistemi);
        return;
    }
    PlayClickSound(state, platform.sounds);
    ridotti(&window, handOver);
    window.Activate();
}

void BackToOutcomes(Sestine& window) {
    ShowOutcomeList(window.Forecast());
    PlayClickSound(window.State(), window.PlatformBundle().sounds);
}

}  // namespace

void ConnectForecastTab(Sestine& window, SearchSummary& summary, RidottiOpener ridotti) {
    ForecastTab& tab = window.Forecast();
    QObject::connect(tab.CommandButton10, &QPushButton::clicked, &tab,
                     [&window, &summary] { MakeForecast(window, summary); });
    QObject::connect(tab.CommandButton9, &QPushButton::clicked, &tab, [&window] { PrintForecastReport(window); });
    QObject::connect(tab.CommandButton8, &QPushButton::clicked, &tab,
                     [&window, ridotti = std::move(ridotti)] { HandOverToSystems(window, ridotti); });
    QObject::connect(tab.CommandButton7, &QPushButton::clicked, &tab, [&window] { BackToOutcomes(window); });
}

}  // namespace fortunara
