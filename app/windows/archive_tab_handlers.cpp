// What the controls of the archive tab do: the table of draws, its print and its copy.
#include <QRadioButton>
#include <QScrollBar>

#include "app/core/archive_table.h"
#include "app/windows/archive_tab.h"
#include "state/click_sound.h"
#include "state/clip_text.h"
#include "statistics/core/archive_reports.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"
#include "ui/range_pair_box.h"
#include "ui/range_selectors.h"
#include "ui/read_error.h"

namespace fortunara {

void ArchiveTab::Load(int recordCount) {
    grid3->SetShape(kArchiveTableColumns, kArchiveTableRows + 1);
    grid3->SetColumnWidthTwips(0, 1400);
    for (int c = 0; c < kArchiveTableColumns; ++c) {
        if (c > 0) grid3->SetColumnWidthTwips(c, 550);
        grid3->SetColumnRight(c);
    }
    const ArchiveRow headers = ArchiveHeaders(ArchiveOrder::Ascending);
    for (int c = 0; c < kArchiveTableColumns; ++c) grid3->SetText(0, c, headers[static_cast<std::size_t>(c)]);
    print->Load(recordCount);
}

void ArchiveTab::Chosen() {
    Stampante->ShowRest();
    Copia->ShowRest();
}

void ArchiveTab::ShowArchiveRecord(int recordCount, int record) {
    SetScrollPosition(*VScroll3, recordCount, record);
}

void ArchiveTab::ShowTable(int value) {
    const ArchiveOrder order = SSOption1_0->isChecked() ? ArchiveOrder::Wheels : ArchiveOrder::Ascending;
    const ArchiveRow headers = ArchiveHeaders(order);
    for (int c = 1; c < kArchiveTableColumns; ++c) grid3->SetText(0, c, headers[static_cast<std::size_t>(c)]);
    const ArchiveTableFill fill = FillArchiveTable(state_.programFolder, value, order);
    state_.RecordCount = fill.recordCount;
    // Rows below the last draw shown keep what they showed before.
    for (std::size_t r = 0; r < fill.rows.size(); ++r) {
        for (int c = 0; c < kArchiveTableColumns; ++c) {
            grid3->SetText(static_cast<int>(r) + 1, c, fill.rows[r][static_cast<std::size_t>(c)]);
        }
    }
    if (fill.anyDrawRead) {
        for (std::size_t i = 1; i <= 8; ++i) state_.DrawNumbers[i] = fill.lastDrawShown[i];
    }
}

void ArchiveTab::PrintArchiveTable() {
    PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPlaySound);
    const ScanRange range{print->From(), print->To()};
    const ArchivePrintResult result =
        PrintArchive(platform_.printer, state_.programFolder, range, SSOption1_0->isChecked());
    StoreArchivePrint(result, state_);
    ReportReadError(platform_.dialogs, result.error);
}

void ArchiveTab::CopyCells() {
    PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPlay);
    platform_.clipboard.SetText(GridClipText(grid3->SelectedCells()));
}

}  // namespace fortunara
