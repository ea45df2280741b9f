#include "app/windows/combination_tab.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/core/combination_table.h"
#include "ui/data_grid.h"

namespace fortunara {

CombinationTab::CombinationTab(QWidget* parent) : MainWindowTab(3, parent) {
    Grid1 = new DataGrid("Grid1", this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addWidget(MakeCaption(this, "COMBINAZIONI SVILUPPATE DA Q. NUMERI", 10));
    layout->addWidget(Grid1, 1);
}

void CombinationTab::Load(int) {
    Grid1->SetShape(kCombinationTableColumns, kCombinationTableRows);
    Grid1->SetColumnWidthTwips(0, 500);
    for (int c = 1; c <= 5; ++c) {
        Grid1->SetColumnWidthTwips(c, 1600);
        Grid1->SetColumnRight(c);
    }
    // The seventh column has no heading and nothing in it.
    Grid1->setColumnHidden(kCombinationTableColumns - 1, true);
    const std::vector<CombinationRow> rows = CombinationTable();
    for (int r = 0; r < kCombinationTableRows; ++r) {
        for (int c = 0; c < kCombinationTableColumns; ++c) {
            Grid1->SetText(r, c, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
}

void CombinationTab::Chosen() {
    const int last = kCombinationTableRows - 1;
    Grid1->SetText(last, kJollyColumn, JollyCell(Grid1->Text(last, kSestineColumn).toStdString()));
}

}  // namespace fortunara
