// The handlers of Presenti: a matrix applied to typed or forecast numbers, a played system loaded
// and saved, printing while listing, and the windows it opens.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "checks/core/played_system.h"
#include "checks/core/win_check.h"
#include "checks/windows/presenti.h"
#include "platform/text/number_text.h"
#include "state/click_sound.h"
#include "systems/core/sistemi_output.h"

namespace fortunara {

namespace {

constexpr const char* kWarningTitle = "ATTENZIONE !!!";

// A label's text as the screen shows it: the line break the program keeps as CR LF is one break.
QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

}  // namespace

void Presenti::Click() {
    PlayClickSound(state_, platform_.sounds);
}

void Presenti::Warn(const std::string& text) {
    platform_.dialogs.Message(text, kWarningTitle, DialogButtons::Ok, DialogIcon::Warning);
}

void Presenti::AddToNumbers(const std::string& text) {
    Label1->setText(Label1->text() + Shown(text));
}

std::optional<MatrixData> Presenti::OpenMatrix() {
    const MatrixRead read = ReadMatrixFile(state_.programFolder, state_.SelectedMatrixFile);
    if (!read.ok()) {
        Warn(read.error);
        return std::nullopt;
    }
    if (!read.Notice().empty()) Warn(read.Notice());
    // A matrix that is not the system it says it is, or not read whole, is not applied.
    if (!read.Sound()) return std::nullopt;
    Label22->setText(QString::fromStdString(NumbersPrompt(read.data.numberCount)));
    return read.data;
}

void Presenti::ListCombinations(const std::vector<std::vector<int>>& combinations, bool emptyLineAfterEach) {
    const bool print = state_.PrintMode == 1;
    QStringList lines;
    for (const std::vector<int>& combination : combinations) {
        lines << QString::fromStdString(CombinationLine(combination));
        if (emptyLineAfterEach) lines << QString();
        if (print) platform_.printer.Print(CombinationText(combination));
    }
    List1->addItems(lines);
}

void Presenti::ListComments() {
    List1->addItem(QString());
    for (std::size_t i = 1; i <= 10; ++i) List1->addItem(QString::fromStdString(state_.CommentLines[i]));
}

void Presenti::SwitchPrintingOff() {
    state_.PrintMode = 0;
    CheckBox1->setChecked(false);
}

void Presenti::ForecastSystem() {
    const std::optional<MatrixData> matrix = OpenMatrix();
    if (!matrix) return;
    systemNumbers_ = ForecastMarks(state_);
    for (const int n : systemNumbers_) AddToNumbers(TextForm(n) + " - ");
    const int needed = std::max(matrix->numberCount, 0);
    if (static_cast<int>(systemNumbers_.size()) < needed) {
        // No combination with empty places: the matrix is not applied.
        TakeMatrixShape(state_, *matrix);
        Warn(TooFewNumbersMessage(state_.SelectedMatrixFile, needed, static_cast<int>(systemNumbers_.size())));
        return;
    }
    const AppliedMatrix applied = ApplyMatrix(*matrix, systemNumbers_);
    TakeAppliedMatrix(state_, *matrix, applied);
    List1->addItem(QString());
    List1->addItem(QString());
    ListCombinations(applied.combinations, false);
    ListComments();
}

void Presenti::TypedSystem() {
    Click();
    List1->clear();
    state_.CurrentMatrixName = "\r\n";
    Label1->setText(Shown(" NUMERI DEL SISTEMA" + state_.CurrentMatrixName));
    state_.TicketNumbers.assign(1, 0);
    systemNumbers_.clear();

    const std::optional<MatrixData> matrix = OpenMatrix();
    if (!matrix) return;
    TakeMatrixShape(state_, *matrix);
    for (int p = 1; p <= matrix->numberCount; ++p) {
        for (;;) {
            const std::string answer = platform_.dialogs.Input("IMMETTI I NUMERI ", "", "", 20, 20);
            // An empty answer ends the whole operation: nothing is listed, nothing printed.
            if (answer.empty()) return;
            const TypedSystemNumber typed = ReadSystemNumber(answer, systemNumbers_);
            if (typed.refusal.empty()) {
                AddToNumbers(Plain(typed.value) + " - ");
                systemNumbers_.push_back(typed.value);
                break;
            }
            Warn(typed.refusal);
        }
    }
    const bool print = state_.PrintMode == 1;
    if (print) platform_.printer.EndLine();
    const AppliedMatrix applied = ApplyMatrix(*matrix, systemNumbers_);
    TakeAppliedMatrix(state_, *matrix, applied);
    List1->addItem(QString());
    ListCombinations(applied.combinations, false);
    ListComments();
    if (print) platform_.printer.EndJob();
    SwitchPrintingOff();
}

void Presenti::LoadFile() {
    Click();
    const std::string initial = PlayedSystemDialogName(state_);
    const std::string file = platform_.dialogs.OpenFile("CARICA SISTEMA", initial, kPlayedSystemFilter);
    if (!PlayedSystemChosen(file, initial)) return;
    List1->clear();
    systemNumbers_.clear();
    const LoadedSystem loaded = LoadPlayedSystem(state_, file);
    if (!loaded.error.empty()) {
        Warn(loaded.error);
        return;
    }
    const bool print = state_.PrintMode == 1;
    if (print) platform_.printer.EndLine();
    // The prompt and the numbers label show the system loaded, not what was there before.
    Label22->setText(QString::fromStdString(NumbersPrompt(state_.SystemNumberCount)));
    Label1->setText(Shown(" NUMERI DEL SISTEMA\r\n"));
    for (const int n : NumbersOfSystem(loaded.rows)) AddToNumbers(Plain(n) + " - ");
    List1->addItem(QString());
    List1->addItem(QString());
    ListCombinations(loaded.rows, true);
    ListComments();
    // Each load that prints is a job of its own: the listing comes out of the printer now.
    if (print) platform_.printer.EndJob();
    if (!loaded.notice.empty()) Warn(loaded.notice);
}

void Presenti::SaveFile() {
    Click();
    const std::string initial = PlayedSystemDialogName(state_);
    const std::string file = platform_.dialogs.SaveFile("SALVA SISTEMA", initial, kPlayedSystemFilter);
    if (!PlayedSystemChosen(file, initial)) return;
    const FileOutcome outcome = SaveAsPlayedSystem(state_, CurrentSystemData(state_), file);
    if (!outcome.ok()) Warn(outcome.error);
}

void Presenti::OpenCheck() {
    Click();
    RunModalWindow(platform_.modal, openers_.Controllo, this);
}

void Presenti::OpenGuarantees() {
    Click();
    const int before = state_.TicketCount;
    RunModalWindow(platform_.modal, openers_.Garanzie, this);
    if (state_.TicketCount == before) return;
    // "COMPLETA" added tickets to the current system: the list shows it whole.
    const Tickets tickets = CurrentTickets(state_);
    std::vector<std::vector<int>> combinations;
    for (int t = 0; t < tickets.count; ++t) {
        const auto first = tickets.numbers.begin() + static_cast<std::ptrdiff_t>(t) * tickets.size;
        combinations.emplace_back(first, first + tickets.size);
    }
    List1->clear();
    ListCombinations(combinations, true);
    ListComments();
}

void Presenti::OpenSlips() {
    Click();
    // The slips take their numbers from TicketNumbers, the system this window holds.
    state_.SlipSource = 0;
    RunModalWindow(platform_.modal, openers_.Schedine, this);
}

void Presenti::PrintingSwitched(bool on) {
    state_.PrintMode = on ? 1 : 0;
}

}  // namespace fortunara
