// The tab "Link AND": groups of numbers and how many of each a combination must hold.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/text/number_text.h"
#include "systems/windows/sistemi.h"
#include "ui/cell_width.h"
#include "ui/controls.h"
#include "ui/look.h"

namespace fortunara {

namespace {

constexpr int kGrid2Rows = 35;
constexpr int kGrid2Columns = 50;
constexpr int kLabelledRows = 30;  // column 0 numbers rows 0 to 30
constexpr int kCellTwips = 270;
constexpr int kRowTwips = 250;

QFont HeadingFont() {
    return CaptionFont(7);
}

QTableWidgetItem* Cell(const QString& text, bool heading) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    if (heading) {
        item->setFont(HeadingFont());
        item->setBackground(QColor(0xe4, 0xdd, 0xc4));
    }
    return item;
}

// Every column as wide as the widest text any of them can show: a typed number up to 90, or a
// heading (the column numbers, "Da", "A").
int ColumnWidth(const QTableWidget& grid) {
    int width = std::max(TwipsToPixels(kCellTwips), CellWidthFor(grid, grid.font(), "88"));
    QStringList headings = {"Da", "A"};
    for (int c = 0; c < kGrid2Columns; ++c) headings << QString::number(c);
    for (const QString& heading : headings) width = std::max(width, CellWidthFor(grid, HeadingFont(), heading));
    return width;
}

}  // namespace

QWidget* Sistemi::BuildLinkTab() {
    auto* page = new QWidget;
    page->setObjectName("TabLinkAnd");
    Frame12 = new QGroupBox(page);
    Frame12->setObjectName("Frame12");
    CheckBox6 = MakeCheckBox(Frame12, "CheckBox6", "  ATTIVA GRUPPI", false);
    CheckBox6->setToolTip(
        "Scarta le combinazioni che non prendono da ogni gruppo (colonna) un numero di elementi "
        "compreso fra \"Da\" e \"A\"");
    grid2 = new QTableWidget(Frame12);
    grid2->setObjectName("grid2");
    QFont font = GridFont();
    font.setPointSize(8);
    grid2->setFont(font);
    // Fifty narrow columns: two digits need every pixel of their cell.
    grid2->setStyleSheet("QTableWidget#grid2::item { padding: 0px; }");
    grid2->horizontalHeader()->setVisible(false);
    grid2->verticalHeader()->setVisible(false);
    grid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid2->setSelectionMode(QAbstractItemView::SingleSelection);
    grid2->horizontalHeader()->setMinimumSectionSize(10);
    grid2->verticalHeader()->setMinimumSectionSize(10);
    auto* frame = new QVBoxLayout(Frame12);
    frame->addWidget(CheckBox6);
    frame->addWidget(grid2, 1);
    (new QVBoxLayout(page))->addWidget(Frame12);

    connect(grid2, &QTableWidget::cellClicked, this, &Sistemi::EnterGroupCell);
    connect(CheckBox6, &QCheckBox::clicked, this, &Sistemi::GroupSwitchClicked);
    return page;
}

void Sistemi::SetUpGrid2() {
    // A fresh window shows an empty grid, so the filter starts from what the user sees: off,
    // no groups, no counts.
    memory_.groups = GroupSettings{};
    CheckBox6->setChecked(false);
    grid2->clear();
    grid2->setRowCount(kGrid2Rows);
    grid2->setColumnCount(kGrid2Columns);
    const int width = ColumnWidth(*grid2);
    for (int c = 0; c < kGrid2Columns; ++c) {
        grid2->setColumnWidth(c, width);
        grid2->setItem(0, c, Cell(QString::number(c), true));
    }
    for (int r = 0; r < kGrid2Rows; ++r) {
        grid2->setRowHeight(r, TwipsToPixels(kRowTwips) + 1);
        if (r >= 1 && r <= kLabelledRows) grid2->setItem(r, 0, Cell(QString::number(r), true));
        if (r > kLabelledRows) grid2->setItem(r, 0, Cell(QString(), true));
    }
    grid2->setItem(kGroupLowerRow, 0, Cell("Da", true));
    grid2->setItem(kGroupUpperRow, 0, Cell("A", true));
}

void Sistemi::EnterGroupCell(int row, int column) {
    const std::string answer = platform_.dialogs.Input("", "IMMETTI IL NUMERO ", "", 10, 10);
    const int value = NumericValue(answer);
    // Row 0 and column 0 hold the captions, row 34 has no storage: the core refuses them.
    if (!memory_.groups.Enter(row, column, value)) return;
    QTableWidgetItem* item = grid2->item(row, column);
    if (item == nullptr) {
        item = Cell(QString(), false);
        grid2->setItem(row, column, item);
    }
    item->setText(QString::fromStdString(Plain(value)));
    grid2->setCurrentCell(row, column);
}

void Sistemi::GroupSwitchClicked(bool on) {
    Click();
    if (memory_.groups.On() != on) memory_.groups.Toggle();
}

}  // namespace fortunara
