// "CARICA", "SALVA", "STAMPANTE", "TEST" and "STAMPA" of the slip window.
#include <QLineEdit>
#include <QPushButton>

#include "platform/text/number_text.h"
#include "slips/windows/schedine.h"
#include "state/click_sound.h"
#include "ui/busy_pointer.h"

namespace fortunara {

namespace {

constexpr int kAskBeforeEachSlip = 3;
constexpr const char* kFirstSlip = "   INSERISCI LA PRIMA SCHEDINA";
constexpr const char* kNextSlip = "   INSERISCI LA PROSSIMA SCHEDINA";
constexpr SlipValue kFileOrder[] = {SlipValue::VE, SlipValue::HO, SlipValue::T2, SlipValue::IX,
                                    SlipValue::DX, SlipValue::IY, SlipValue::DY};

}  // namespace

void Schedine::Load() {
    state_.PrintMode = kAskBeforeEachSlip;
    Text4->setText(QString::fromStdString(Plain(state_.TicketCount)));
    LoadLayout();
}

void Schedine::Click() {
    PlayClickSound(state_, platform_.sounds);
}

void Schedine::LoadLayout() {
    const SlipLayoutRead read = ReadSlipLayout(state_.programFolder);
    if (!read.error.empty()) {
        platform_.dialogs.Message(read.error, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
    }
    for (const SlipValue value : kFileOrder) {
        const std::optional<std::string>& text = read.texts[static_cast<std::size_t>(value)];
        if (text) ValueBox(value)->setText(QString::fromStdString(*text));
    }
}

void Schedine::SaveLayout() {
    Click();
    const FileOutcome saved = WriteSlipLayout(state_.programFolder, Texts());
    if (!saved.ok()) platform_.dialogs.Message(saved.error, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
}

void Schedine::ChoosePrinter() {
    Click();
    platform_.printer.ChoosePrinter();
}

SlipLayoutTexts Schedine::Texts() const {
    SlipLayoutTexts texts;
    for (const SlipValue value : kFileOrder) At(texts, value) = ValueBox(value)->text().toStdString();
    return texts;
}

void Schedine::PrintCalibration() {
    Click();
    PrintMarkedPage(platform_.printer, CalibrationMarks(LayoutOf(Texts())));
}

bool Schedine::Ask(const std::string& question) {
    return platform_.dialogs.Message(question, "RICHIESTA", DialogButtons::YesNo, DialogIcon::None) ==
           DialogAnswer::Yes;
}

void Schedine::PrintSlips() {
    Click();
    const BusyPointer busy(*CommandButton3);
    const SlipLayout layout = LayoutOf(Texts());
    const int first = NumericValue(Text3->text().toStdString());
    const int last = NumericValue(Text4->text().toStdString());
    if (state_.PrintMode == kAskBeforeEachSlip && !Ask(kFirstSlip)) return;
    // Only a window opened by the system window has its grid to read.
    const CombinationSource source = state_.SlipSource != 0 && resultGrid_ ? resultGrid_ : TicketCombinations(state_);
    const long long slips = SlipCount(first, last);
    for (long long slip = 0; slip < slips; ++slip) {
        PrintMarkedPage(platform_.printer, SlipMarks(layout, FillSlip(SlipStart(first, slip), source)));
        if (state_.PrintMode == kAskBeforeEachSlip && !Ask(kNextSlip)) return;
    }
}

}  // namespace fortunara
