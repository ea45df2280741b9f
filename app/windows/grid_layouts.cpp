#include "app/windows/grid_layouts.h"

#include "app/core/archive_table.h"
#include "platform/text/number_text.h"
#include "app/widgets/data_grid.h"
#include "app/widgets/look.h"
#include "app/widgets/strip_painter.h"

namespace fortunara {

void LayOutWheelGrid(DataGrid& Grid4, const ProgramState& state) {
    Grid4.SetShape(8, 12);
    Grid4.SetColumnWidthTwips(0, 500);
    for (int c = 1; c <= 5; ++c) {
        Grid4.SetColumnWidthTwips(c, 600);
        Grid4.SetColumnRight(c);
        Grid4.SetText(0, c, Plain(c));
    }
    // Columns 6 and 7 are never filled.
    Grid4.setColumnHidden(6, true);
    Grid4.setColumnHidden(7, true);
    for (int wheel = 1; wheel <= 11; ++wheel) {
        Grid4.SetText(wheel, 0, state.WheelNames[static_cast<std::size_t>(wheel)].substr(0, 2));
        // The wheel names head their rows.
        QTableWidgetItem* name = Grid4.item(wheel - 1, 0);
        name->setFont(CaptionFont());
        name->setForeground(look::kGreen);
    }
}

void LayOutSingleDrawGrid(DataGrid& Grid5) {
    Grid5.SetShape(kArchiveTableColumns, 2);
    Grid5.SetColumnWidthTwips(0, 1200);
    for (int c = 1; c < kArchiveTableColumns; ++c) {
        Grid5.SetColumnWidthTwips(c, 450);
        Grid5.SetColumnRight(c);
    }
    Grid5.SetRowHeightTwips(1, 400);
    const ArchiveRow headers = ArchiveHeaders(ArchiveOrder::Ascending);
    for (int c = 0; c < kArchiveTableColumns; ++c) Grid5.SetText(0, c, headers[static_cast<std::size_t>(c)]);
}

void LayOutStatisticsGrid(DataGrid& grid2) {
    grid2.SetShape(6, 91);
    grid2.SetColumnWidthTwips(0, 500);
    for (int c = 1; c <= 5; ++c) {
        grid2.SetColumnWidthTwips(c, 1600);
        grid2.SetColumnRight(c);
    }
    grid2.SetText(0, 0, QString("Q. "));
    grid2.SetText(0, 1, QString("RITARDO"));
    grid2.SetText(0, 2, QString("FREQUENZA"));
}

void LayOutArchiveGrid(DataGrid& grid3) {
    grid3.SetShape(kArchiveTableColumns, kArchiveTableRows + 1);
    grid3.SetColumnWidthTwips(0, 1400);
    for (int c = 0; c < kArchiveTableColumns; ++c) {
        if (c > 0) grid3.SetColumnWidthTwips(c, 550);
        grid3.SetColumnRight(c);
    }
    const ArchiveRow headers = ArchiveHeaders(ArchiveOrder::Ascending);
    for (int c = 0; c < kArchiveTableColumns; ++c) grid3.SetText(0, c, headers[static_cast<std::size_t>(c)]);
}

}  // namespace fortunara
