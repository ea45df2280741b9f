#include <QComboBox>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <functional>

#include "platform/text/number_text.h"
#include "state/range_selector.h"
#include "ui/busy_pointer.h"
#include "ui/data_grid.h"
#include "ui/range_selectors.h"
#include "ui/read_error.h"
#include "vertible/core/forecast_grid.h"
#include "vertible/windows/metodovertibili.h"

namespace fortunara {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 180, 0);
const QColor kRed(255, 0, 0);

// The default range: the newest draw and the 104 before it, or as many as there are.
constexpr int kDefaultSpan = 104;

// Writes a row's cells from column `first` on, each with its colour.
void WriteRow(DataGrid& grid, int row, int first, const std::vector<std::string>& cells,
              const std::function<QColor(int column)>& colour) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int column = first + static_cast<int>(i);
        if (cells[i].empty()) continue;
        grid.SetText(row, column, cells[i]);
        grid.SetTextColour(row, column, colour(column));
    }
}

QColor ForecastColour(int column) {
    return column == kDateColumn ? kBlue : kGreen;
}

}  // namespace

void METODOVERTIBILI::Load() {
    const int records = ReadSelectorDate(state_.programFolder, 0).recordCount;
    state_.RecordCount = records;
    const int from = records;
    const int to = records >= 1 ? std::max(records - kDefaultSpan, 1) : 0;
    // Each bar runs its change step: the dates of both ends.
    SetScrollPosition(*HScroll1, records, from);
    SetScrollPosition(*HScroll2, records, to);
    SetUpGrids(std::abs(from - to));
    state_.FillWheelNames();
    state_.WheelNames[11] = "NAZIONALE";
}

void METODOVERTIBILI::RunChosenMethod() {
    const int kind = MethodKindOf(Combo2->currentText().toStdString());
    const std::optional<int> position = MethodPositionOf(Combo3->currentText().toStdString());
    if (!position) {
        platform_.dialogs.Message(std::string(kPositionMessage), "ATTENZIONE !!!", DialogButtons::Ok,
                                  DialogIcon::Warning);
        return;
    }
    const BusyPointer busy(*Command1);
    // The range the window's own bars show, whatever the main window's selectors show meanwhile.
    const MethodRun run = RunMethod(state_, kind, *position, {HScroll1->value(), HScroll2->value()});
    ReportReadError(platform_.dialogs, run.error);
    ShowForecasts(run.lines);
}

void METODOVERTIBILI::ShowForecasts(const std::vector<ForecastLine>& lines) {
    lines_ = lines;
    const int rows = ForecastGridRows(static_cast<int>(lines.size()));
    grid2->setUpdatesEnabled(false);
    grid3->setUpdatesEnabled(false);
    SetUpGrids(rows);
    // Row 1 of grid2 stays empty; grid3 starts at row 1.
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        WriteRow(*grid2, row + 1, 0, ForecastCells(lines[k]), ForecastColour);
        WriteRow(*grid3, row, 0, CheckGridCells(lines[k]), ForecastColour);
    }
    grid2->setUpdatesEnabled(true);
    grid3->setUpdatesEnabled(true);
}

void METODOVERTIBILI::CheckForecastsClicked() {
    if (state_.ClickSoundOn == 1) platform_.sounds.PlayWave(state_.programFolder / "SUONI" / "pop.WAV");
    const BusyPointer busy(*Command1);
    const std::size_t count = std::min(lines_.size(), static_cast<std::size_t>(std::max(state_.ForecastRowCount, 0)));
    const ForecastCheck check =
        CheckForecasts(state_.programFolder, std::vector<ForecastLine>(lines_.begin(), lines_.begin() + count));
    if (!check.error.empty()) {
        ReportReadError(platform_.dialogs, check.error);
        return;
    }
    ShowOutcomes(check);
    SlidePanel(true);
}

void METODOVERTIBILI::ShowOutcomes(const ForecastCheck& check) {
    for (std::size_t k = 0; k < check.outcomes.size(); ++k) {
        WriteRow(*grid3, static_cast<int>(k) + 1, kWaitedColumn, OutcomeCells(check.outcomes[k]),
                 [](int) { return kRed; });
    }
    Label10->setText(QString::fromStdString(TextForm(check.played)));
    Label8->setText(QString::fromStdString(TextForm(check.won)));
    Label11->setText(QString::fromStdString(PercentText(check.percent)));
    Caso->setText(QString::fromStdString("CASO: " + PercentText(check.chance.percent)));
    Attese->setText(QString::fromStdString("VINTE DAL CASO: " + Decimal2(check.chance.expected)));
}

void METODOVERTIBILI::SlidePanel(bool intoView) {
    panelInView_ = intoView;
    slide_->stop();
    SSPanel1->resize(size());
    SSPanel1->show();
    SSPanel1->raise();
    slide_->setStartValue(SSPanel1->pos());
    slide_->setEndValue(QPoint(intoView ? 0 : width(), 0));
    slide_->start();
}

}  // namespace fortunara
