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
#include "ui/range_selectors.h"
#include "ui/read_error.h"
#include "vertible/core/forecast_grid.h"
#include "vertible/windows/forecast_grid_model.h"
#include "vertible/windows/metodovertibili.h"

namespace fortunara {

namespace {

// The default range: the newest draw and the 104 before it, or as many as there are.
constexpr int kDefaultSpan = 104;

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
    MethodRun run = RunMethod(state_, kind, *position, {HScroll1->value(), HScroll2->value()});
    ReportReadError(platform_.dialogs, run.error);
    ShowForecasts(std::move(run.lines));
}

void METODOVERTIBILI::ShowForecasts(std::vector<ForecastLine> lines) {
    const int rows = ForecastGridRows(static_cast<int>(lines.size()));
    lines_ = std::make_shared<const std::vector<ForecastLine>>(std::move(lines));
    SetUpGrids(rows);
}

void METODOVERTIBILI::CheckForecastsClicked() {
    if (state_.ClickSoundOn == 1) platform_.sounds.PlayWave(state_.programFolder / "SUONI" / "pop.WAV");
    const BusyPointer busy(*Command1);
    const std::size_t count = std::min(lines_->size(), static_cast<std::size_t>(std::max(state_.ForecastRowCount, 0)));
    const ForecastCheck check =
        CheckForecasts(state_.programFolder, std::vector<ForecastLine>(lines_->begin(), lines_->begin() + count));
    if (!check.error.empty()) {
        ReportReadError(platform_.dialogs, check.error);
        return;
    }
    ShowOutcomes(check);
    SlidePanel(true);
}

void METODOVERTIBILI::ShowOutcomes(const ForecastCheck& check) {
    checks_->SetOutcomes(check.outcomes);
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
