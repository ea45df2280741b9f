// What the writers of the upkeep tab do: the entry of a new draw, its save, the conversion.
#include <QLineEdit>

#include "app/core/archive_table.h"
#include "archive/core/archive_conversion.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_entry.h"
#include "archive/core/draw_save.h"
#include "archive/core/record_checks.h"
#include "archive/windows/append_question.h"
#include "archive/windows/form18.h"
#include "archive/windows/maintenance_tab.h"
#include "state/click_sound.h"
#include "ui/data_grid.h"
#include "ui/read_error.h"
#include "ui/window_display.h"

namespace fortunara {

void MaintenanceTab::Warn(const std::string& text) {
    platform_.dialogs.Message(text, "ATTENZIONE !", DialogButtons::Ok, DialogIcon::Warning);
}

void MaintenanceTab::EnterNewDraw() {
    PlayClickSound(state_, platform_.sounds);
    if (form18_ == nullptr) form18_ = new FORM18(this);
    DrawEntry entry;
    for (;;) {
        form18_->Ask();
        RunModal(platform_.modal, *form18_);
        const DrawEntry::Step step = entry.Take(form18_->Answer());
        if (const std::optional<int> taken = entry.Taken()) {
            const int k = entry.TakenPosition();
            state_.DrawNumbers[static_cast<std::size_t>(k)] = shown_[static_cast<std::size_t>(k)] = *taken;
            Grid5->SetText(1, k, DrawCell(*taken));
        }
        if (step == DrawEntry::Step::Stop || step == DrawEntry::Step::Done) break;
    }
    emit modalWindowClosed();
}

void MaintenanceTab::SaveDraw() {
    const std::string date = textbox2->text().toStdString();
    if (const std::string fault = DateFault(date); !fault.empty()) return Warn(fault);
    state_.CurrentDrawDate = date;
    // The draw on show here: the archive table or another window may have read a draw of its own
    // into DrawNumbers since, and that one the user never saw beside this date.
    for (std::size_t i = 1; i <= 8; ++i) state_.DrawNumbers[i] = shown_[i];
    const std::string record = EnteredDrawRecord(date, shown_);
    if (const std::string fault = RecordFault(record); !fault.empty()) {
        return Warn("L'ESTRAZIONE NON SI PUO' SALVARE: " + fault + ". NON E' STATO SALVATO NIENTE.");
    }
    DrawWrite written;
    {
        // Held from the search for the date to the write, so no other writer comes in between.
        const ArchiveLock lock(state_.programFolder);
        if (!lock.ok()) return Warn(lock.Error());
        const DateMatches matches = FindDateAmongNewest(state_.programFolder, date);
        if (!matches.error.empty()) return ReportReadError(platform_.dialogs, matches.error);
        const int target = ChooseSaveTarget(matches.records, [this](int) {
            return platform_.dialogs.Message(kReplaceQuestion, kReplaceTitle, DialogButtons::YesNo,
                                             DialogIcon::Question) == DialogAnswer::Yes;
        });
        if (target == 0 && !AppendInOrder(platform_.dialogs, state_.programFolder, date)) return;
        written = WriteDraw(state_.programFolder, record, target, lock);
    }
    if (!written.ok()) return ReportReadError(platform_.dialogs, written.error);
    state_.RecordCount = written.recordCount;
    emit drawWritten(written.record);
}

void MaintenanceTab::RunConversion() {
    state_.CurrentDrawDate = textbox2->text().toStdString();
    const ConversionResult result = [this] {
        const ArchiveLock lock(state_.programFolder);
        return ConvertTextArchive(state_.programFolder, state_.programFolder / "archivio.txt", lock);
    }();
    if (!result.ok()) return ReportReadError(platform_.dialogs, result.error);
    state_.RecordCount = result.recordCount;
    if (result.more) {
        platform_.dialogs.Message(LeftOutMessage(result), "ATTENZIONE !", DialogButtons::Ok, DialogIcon::Information);
    }
}

}  // namespace fortunara
