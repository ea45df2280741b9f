#include "ui/data_grid.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <algorithm>

#include "ui/grid_columns.h"
#include "ui/look.h"

namespace fortunara {

DataGrid::DataGrid(const QString& objectName, QWidget* parent) : QTableWidget(parent) {
    setObjectName(objectName);
    StyleGrid(*this);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void DataGrid::SetShape(int columns, int rows) {
    setColumnCount(columns);
    setRowCount(std::max(rows - 1, 0));
    widthsTwips_.resize(static_cast<std::size_t>(columns), 800);
    right_.resize(static_cast<std::size_t>(columns), false);
    for (int c = 0; c < columns; ++c) {
        if (horizontalHeaderItem(c) == nullptr) setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    }
    FitColumns();
}

void DataGrid::SetColumnWidthTwips(int column, int twips) {
    if (column < 0 || column >= columnCount()) return;
    widthsTwips_[static_cast<std::size_t>(column)] = twips;
    FitColumns();
}

void DataGrid::SetColumnRight(int column, bool right) {
    if (column < 0 || column >= columnCount()) return;
    right_[static_cast<std::size_t>(column)] = right;
    for (int r = 0; r < rowCount(); ++r) {
        if (QTableWidgetItem* cell = item(r, column)) cell->setTextAlignment(AlignmentOf(column));
    }
}

void DataGrid::SetRowHeightTwips(int row, int twips) {
    if (row == 0) {
        horizontalHeader()->setFixedHeight(std::max(TwipsToPixels(twips), 18));
    } else if (row >= 1 && row <= rowCount()) {
        setRowHeight(row - 1, std::max(TwipsToPixels(twips), 18));
    }
}

Qt::Alignment DataGrid::AlignmentOf(int column) const {
    const bool right =
        column >= 0 && column < static_cast<int>(right_.size()) && right_[static_cast<std::size_t>(column)];
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QTableWidgetItem* DataGrid::Cell(int row, int column) {
    QTableWidgetItem* cell = item(row - 1, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(AlignmentOf(column));
        setItem(row - 1, column, cell);
    }
    return cell;
}

void DataGrid::SetText(int row, int column, const QString& text) {
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount()) return;
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
        FitColumns();
        return;
    }
    Cell(row, column)->setText(text);
}

void DataGrid::SetTextColour(int row, int column, const QColor& colour) {
    if (column < 0 || column >= columnCount() || row < 1 || row > rowCount()) return;
    Cell(row, column)->setForeground(colour);
}

QColor DataGrid::TextColour(int row, int column) const {
    if (column < 0 || column >= columnCount() || row < 1 || row > rowCount()) return {};
    const QTableWidgetItem* cell = item(row - 1, column);
    return cell == nullptr ? QColor() : cell->foreground().color();
}

QString DataGrid::Text(int row, int column) const {
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount()) return {};
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell == nullptr ? QString() : cell->text();
}

std::vector<std::vector<std::string>> DataGrid::SelectedCells() const {
    std::vector<std::vector<std::string>> cells;
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) return cells;
    // The grid allows one contiguous selection; should there be more, their bounding box is taken.
    int top = ranges.front().topRow(), bottom = ranges.front().bottomRow();
    int left = ranges.front().leftColumn(), right = ranges.front().rightColumn();
    for (const QTableWidgetSelectionRange& range : ranges) {
        top = std::min(top, range.topRow());
        bottom = std::max(bottom, range.bottomRow());
        left = std::min(left, range.leftColumn());
        right = std::max(right, range.rightColumn());
    }
    for (int r = top; r <= bottom; ++r) {
        std::vector<std::string>& line = cells.emplace_back();
        for (int c = left; c <= right; ++c) line.push_back(Text(r + 1, c).toStdString());
    }
    return cells;
}

void DataGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitColumns();
}

void DataGrid::FitColumns() {
    FitColumnsTwips(*this, widthsTwips_);
}

}  // namespace fortunara
