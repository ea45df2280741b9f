// What the controls of the forecast tab do: the forecast itself, its print, the matrix list and the
// hand-overs to the system and check windows.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "matrices/core/matrix_list.h"
#include "state/click_sound.h"
#include "statistics/core/forecast.h"
#include "statistics/core/forecast_outputs.h"
#include "statistics/core/statistics_state.h"
#include "statistics/windows/forecast_tab.h"
#include "ui/range_selectors.h"
#include "ui/read_error.h"

namespace fortunara {

namespace {

// TicketNumbers starts empty, indices 0 to 6000, for the matrix the check window loads.
constexpr std::size_t kTicketNumbersSize = 6001;

// Each item keeps the file name of its matrix.
constexpr int kFileNameRole = Qt::UserRole;

}  // namespace

void ForecastTab::Load(int recordCount) {
    SetScrollPosition(*HScroll5, recordCount, InitialFromPosition(recordCount));
}

// The outcome list in view, the matrix list and its two buttons put away.
void ForecastTab::ShowOutcomeList() {
    List3->show();
    List6->hide();
    CommandButton7->setEnabled(false);
    CommandButton8->setEnabled(false);
}

void ForecastTab::RefuseQuantity() {
    platform_.dialogs.Message(std::string(kQuantityMessage), std::string(kQuantityTitle), DialogButtons::Ok,
                              DialogIcon::Warning);
}

void ForecastTab::MakeForecast() {
    PlayClickSound(state_, platform_.sounds);
    ShowOutcomeList();
    const Quantity quantity = ReadQuantity(Textbox1->text().toStdString());
    // A quantity the forecast lists cannot hold changes nothing.
    if (!quantity.valid) return RefuseQuantity();
    const int base = HScroll5->value();
    List3->clear();
    Label1_0->setText(QString());

    const ForecastResult result = ComputeForecast(state_.programFolder, base, quantity.value);
    StoreForecast(result, state_);
    Label1_0->setText(QString::fromStdString(ForecastCaption(result)));
    for (const std::string& line : OutcomeLines(result)) List3->addItem(QString::fromStdString(line));
    ReportReadError(platform_.dialogs, result.error);
    // The box then says what the print, "SISTEMI" and "RIDOTTI" work with: the numbers found.
    if (result.shortened) {
        Textbox1->setText(QString::number(result.numbers.size()));
        platform_.dialogs.Message(ShortForecastMessage(result), "Fortunara", DialogButtons::Ok,
                                  DialogIcon::Information);
    }
}

void ForecastTab::PrintForecastReport() {
    PlayClickSound(state_, platform_.sounds);
    ForecastPrintInput input;
    input.baseCaption = Label55->text().toStdString();
    input.quantityText = Textbox1->text().toStdString();
    input.forecastFlags = state_.ForecastFlags;
    for (int i = 0; i < List3->count(); ++i) input.outcomeLines.push_back(List3->item(i)->text().toStdString());
    PrintForecast(platform_.printer, input);
}

void ForecastTab::HandOverToSystems() {
    PlayClickSound(state_, platform_.sounds);
    const Quantity quantity = ReadQuantity(Textbox1->text().toStdString());
    if (!quantity.valid) return RefuseQuantity();
    if (!openers_.ridotti) return;
    openers_.ridotti(window(), quantity.value);
    emit modalWindowClosed();
}

void ForecastTab::BackToOutcomes() {
    ShowOutcomeList();
    PlayClickSound(state_, platform_.sounds);
}

void ForecastTab::ListMatrixFiles() {
    List6->show();
    List3->hide();
    PlayClickSound(state_, platform_.sounds);
    CommandButton7->setEnabled(true);
    CommandButton8->setEnabled(true);
    List6->clear();
    state_.TicketNumbers.assign(kTicketNumbersSize, 0);

    // A quantity no list can hold has no matrices.
    const Quantity quantity = ReadQuantity(Textbox1->text().toStdString());
    const MatrixList list = ListMatrices(state_.programFolder, quantity.valid ? quantity.value : 0);
    for (const MatrixListEntry& entry : list.entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.listText), List6);
        item->setData(kFileNameRole, QString::fromStdString(entry.fileName));
    }
    ReportReadError(platform_.dialogs, list.error);
    ReportReadError(platform_.dialogs, list.cut);
}

void ForecastTab::OpenCheckWindow(const QListWidgetItem& item) {
    state_.SelectedMatrixFile = item.data(kFileNameRole).toString().toStdString();
    state_.OpenedFromList = 1;
    RunModalWindow(platform_.modal, openers_.presenti, window());
    state_.SelectedMatrixFile.clear();
    state_.OpenedFromList = 0;
    emit modalWindowClosed();
}

}  // namespace fortunara
