// "SALVA", "CARICA", "CONTROLLO" and "SCHEDINE": the developed system leaves the window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <algorithm>

#include "platform/text/number_text.h"
#include "systems/core/sistemi_output.h"
#include "systems/core/system_save.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"
#include "ui/window_display.h"

namespace fortunara {

namespace {

constexpr int kSlipsFromResultGrid = 99;

}  // namespace

void Sistemi::Save() {
    Click();
    SaveChoice choice;
    choice.quantityText = Textbox1->text().toStdString();
    choice.quantity = NumericValue(choice.quantityText);
    choice.selectedReduction = SelectedOption();
    // What is saved is the last development, even when "CARICA" or the check window changed the
    // shared count since.
    state_.SystemComboCount = memory_.developedCount;

    if (EntryIsConsecutiveRun(state_, choice.quantity) &&
        platform_.dialogs.Message("PUOI SALVARLO COME MATRICE PREDEFINITA !!", "ATTENZIONE!!", DialogButtons::YesNo,
                                  DialogIcon::Warning) == DialogAnswer::Yes) {
        choice.kind = SavedSystemKind::Matrix;
        const MatrixData data = PrepareSystemSave(state_, choice);
        // The label counts the entries as they are written.
        const MatrixSave save =
            SaveSystemAsMatrix(state_, data, [this](std::size_t entry) { Label1->setText(QString::number(entry)); });
        if (save.ok()) return;
        platform_.dialogs.Message(save.error, "ATTENZIONE!!", DialogButtons::Ok, DialogIcon::Warning);
        // A system too large for a matrix name, or for an index without room, can still be kept as a
        // played system.
        if (!save.refused) return;
    }
    const std::string initial = PlayedSystemDialogName(state_);
    const std::string file = platform_.dialogs.SaveFile("SALVA SISTEMA", initial, kPlayedSystemFilter);
    if (!PlayedSystemChosen(file, initial)) return;
    choice.kind = SavedSystemKind::PlayedSystem;
    const FileOutcome outcome = SaveAsPlayedSystem(state_, PrepareSystemSave(state_, choice), file);
    if (!outcome.ok()) {
        platform_.dialogs.Message(outcome.error, "ATTENZIONE!!", DialogButtons::Ok, DialogIcon::Warning);
    }
}

void Sistemi::LoadFile() {
    Click();
    const std::string initial = PlayedSystemDialogName(state_);
    const std::string file = platform_.dialogs.OpenFile("CARICA SISTEMA", initial, kPlayedSystemFilter);
    if (!PlayedSystemChosen(file, initial)) return;
    const bool print = CheckBox1->isChecked();
    if (print) state_.PrintMode = 1;
    List1->clear();
    model_->Clear();

    const LoadedSystem loaded = LoadPlayedSystem(state_, file);
    if (!loaded.error.empty()) {
        state_.PrintMode = 0;
        platform_.dialogs.Message(loaded.error, "ATTENZIONE!!", DialogButtons::Ok, DialogIcon::Warning);
        return;
    }
    model_->SetCombinations(loaded.rows, SystemGridModel::CellForm::TextForm);

    List1->addItem(QString());
    for (int i = 1; i <= 10; ++i) {
        List1->addItem(QString::fromStdString(state_.CommentLines[static_cast<std::size_t>(i)]));
    }
    if (print) {
        for (const std::string& line : loaded.report) platform_.printer.Print(line);
        platform_.printer.EndJob();
    }
    state_.PrintMode = 0;
    if (!loaded.notice.empty()) {
        platform_.dialogs.Message(loaded.notice, "ATTENZIONE!!", DialogButtons::Ok, DialogIcon::Warning);
    }
}

void Sistemi::OpenCheck() {
    if (!openers_.Controllo) return;
    Click();
    TakeGridTickets(state_, model_->Combinations());
    ShowModalChild(openers_.Controllo);
}

void Sistemi::OpenSlips() {
    if (!openers_.Schedine) return;
    state_.SlipSource = kSlipsFromResultGrid;
    ShowModalChild([this](QWidget* parent) { return openers_.Schedine(parent, GridCombinations()); });
    Click();
}

CombinationSource Sistemi::GridCombinations() const {
    const QPointer<SystemGridModel> model = model_;
    return [model](int row) -> std::optional<SlipCombination> {
        if (!model || row < 1 || row > model->Rows()) return std::nullopt;
        return model->Numbers(row);
    };
}

void Sistemi::ShowModalChild(const WindowFactory& factory) {
    RunModalWindow(platform_.modal, factory, this);
}

}  // namespace fortunara
