// "SVILUPPO": the development runs on a worker thread; the window follows its progress and can
// stop it with "ANNULLA". The result is the same as a run on the window's own thread.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <exception>
#include <new>
#include <string_view>

#include "platform/text/number_text.h"
#include "systems/core/sistemi_run.h"
#include "systems/core/system_save.h"
#include "systems/core/system_texts.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"

namespace fortunara {

namespace {

std::vector<SystemGridModel::Row> GridRows(const SystemRun& run) {
    std::vector<SystemGridModel::Row> rows(run.numbers.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::copy(run.numbers[r].begin(), run.numbers[r].end(), rows[r].numbers.begin());
        rows[r].filled = 6;
    }
    return rows;
}

}  // namespace

void Sistemi::Develop() {
    if (running_) return;
    Click();
    model_->Clear();
    List1->clear();
    std::optional<ConditionSettings> conditions;
    if (CheckBox5->isChecked()) {
        List1->addItem(QString::fromUtf8(kConditionedItem.data(), static_cast<qsizetype>(kConditionedItem.size())));
        conditions = ReadConditionSettings();
    }
    const int quantity = NumericValue(Textbox1->text().toStdString());
    const SystemRequest request =
        SistemiRequest(state_, quantity, SelectedOption(), CheckBox1->isChecked(), conditions);

    cancel_ = false;
    SetRunning(true);
    QProgressBar* bar = Avanzamento;
    worker_ = std::thread([this, request, bar] {
        RunControl control;
        control.cancel = &cancel_;
        control.progress = [bar](double share) {
            QMetaObject::invokeMethod(
                bar, [bar, share] { bar->setValue(static_cast<int>(share * 1000)); }, Qt::QueuedConnection);
        };
        auto run = std::make_shared<SystemRun>();
        // What was recorded is lost with a failure; the message says what went wrong.
        const auto fail = [&run](std::string_view reason) {
            *run = SystemRun{};
            run->end = RunEnd::Failed;
            run->failure = std::string(kDevelopmentFailedMessage) + std::string(reason);
        };
        try {
            *run = RunDevelopment(request, control);
        } catch (const std::bad_alloc&) {
            fail(kOutOfMemoryReason);
        } catch (const std::exception& error) {
            fail(error.what());
        }
        QMetaObject::invokeMethod(
            this, [this, request, run] { FinishDevelopment(request, *run); }, Qt::QueuedConnection);
    });
}

void Sistemi::CancelDevelopment() {
    if (running_) cancel_ = true;
}

void Sistemi::FinishDevelopment(const SystemRequest& request, const SystemRun& run) {
    if (worker_.joinable()) worker_.join();
    SetRunning(false);
    // Only a completed run replaces the developed system (SystemCombos and the counts).
    StoreDevelopment(request, run, state_);
    if (run.Completed()) memory_.developedCount = run.Count();
    model_->SetRows(GridRows(run), SystemGridModel::CellForm::Plain);
    if (run.end == RunEnd::TooFewNumbers) Label1->setText(QString::fromUtf8(kTooFewNumbersMessage.data()));
    if (request.print) {
        for (const std::string& line : run.report) platform_.printer.Print(line);
        platform_.printer.EndJob();
    }
    if (run.Overflowed()) {
        platform_.dialogs.Message(std::string(kTooManyCombinationsMessage), "Fortunara");
    } else if (run.end == RunEnd::Failed) {
        platform_.dialogs.Message(run.failure, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
    }
}

void Sistemi::SetRunning(bool running) {
    running_ = running;
    Annulla->setEnabled(running);
    Avanzamento->setValue(0);
    setCursor(running ? Qt::BusyCursor : Qt::ArrowCursor);
    const std::array<QWidget*, 8> inputs = {Textbox1,  CommandButton1,  Combo1,         Frame1,
                                            CheckBox1, CommandButton11, CommandButton2, CommandButton3};
    for (QWidget* control : inputs) control->setEnabled(!running);
    for (int tab = 1; tab < SSTab1->count(); ++tab) SSTab1->widget(tab)->setEnabled(!running);
    CommandButton6->setEnabled(!running);
    CommandButton7->setEnabled(!running);
}

}  // namespace fortunara
