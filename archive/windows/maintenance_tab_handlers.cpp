// What the views of the upkeep tab show: the wheel grid and the single draw.
#include <QLineEdit>
#include <QScrollBar>

#include "app/core/archive_table.h"
#include "archive/windows/maintenance_tab.h"
#include "platform/text/number_text.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"
#include "ui/look.h"
#include "ui/range_selectors.h"
#include "ui/strip_painter.h"

namespace fortunara {

void MaintenanceTab::Load(int) {
    Grid4->SetShape(8, 12);
    Grid4->SetColumnWidthTwips(0, 500);
    for (int c = 1; c <= 5; ++c) {
        Grid4->SetColumnWidthTwips(c, 600);
        Grid4->SetColumnRight(c);
        Grid4->SetText(0, c, Plain(c));
    }
    // Columns 6 and 7 are never filled.
    Grid4->setColumnHidden(6, true);
    Grid4->setColumnHidden(7, true);
    for (int wheel = 1; wheel <= 11; ++wheel) {
        Grid4->SetText(wheel, 0, state_.WheelNames[static_cast<std::size_t>(wheel)].substr(0, 2));
        // The wheel names head their rows.
        QTableWidgetItem* name = Grid4->item(wheel - 1, 0);
        name->setFont(CaptionFont());
        name->setForeground(look::kGreen);
    }

    Grid5->SetShape(kArchiveTableColumns, 2);
    Grid5->SetColumnWidthTwips(0, 1200);
    for (int c = 1; c < kArchiveTableColumns; ++c) {
        Grid5->SetColumnWidthTwips(c, 450);
        Grid5->SetColumnRight(c);
    }
    Grid5->SetRowHeightTwips(1, 400);
    const ArchiveRow headers = ArchiveHeaders(ArchiveOrder::Ascending);
    for (int c = 0; c < kArchiveTableColumns; ++c) Grid5->SetText(0, c, headers[static_cast<std::size_t>(c)]);
}

void MaintenanceTab::Chosen() {
    Nuova->ShowRest();
    Salva->ShowRest();
}

void MaintenanceTab::ShowArchiveRecord(int recordCount, int record) {
    SetScrollPosition(*VScroll1, recordCount, record);
}

void MaintenanceTab::ShowDraw(int value) {
    const SingleDrawView view = ShowOneDraw(state_.programFolder, value);
    state_.RecordCount = view.recordCount;
    if (!view.shown) return;
    for (std::size_t i = 1; i <= 8; ++i) state_.DrawNumbers[i] = shown_[i] = view.numbers[i];
    textbox2->setText(QString::fromStdString(view.date));
    for (int c = 0; c < kArchiveTableColumns; ++c) Grid5->SetText(1, c, view.row[static_cast<std::size_t>(c)]);
}

}  // namespace fortunara
