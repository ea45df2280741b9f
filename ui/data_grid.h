#pragma once

#include <QColor>
#include <QTableWidget>
#include <string>
#include <vector>

namespace fortunara {

// A grid of texts counted the way the program counts them: row 0 is the header row (shown as
// the table's header), rows 1 and on hold the data. Column widths are given in twips and grow in
// proportion when the window is wider than they need; a column is never narrower than its header
// text needs.
class DataGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit DataGrid(const QString& objectName, QWidget* parent = nullptr);

    // Columns and rows including the header row.
    void SetShape(int columns, int rows);
    int Rows() const { return rowCount() + 1; }
    int Columns() const { return columnCount(); }

    void SetColumnWidthTwips(int column, int twips);
    void SetColumnRight(int column, bool right = true);
    void SetRowHeightTwips(int row, int twips);

    void SetText(int row, int column, const QString& text);
    void SetText(int row, int column, const std::string& text) { SetText(row, column, QString::fromStdString(text)); }
    QString Text(int row, int column) const;
    // Each data cell has its own text colour; an empty cell gets one too, ready for its text.
    void SetTextColour(int row, int column, const QColor& colour);
    QColor TextColour(int row, int column) const;

    // The selected rectangle of data cells, row by row; empty when nothing is selected.
    std::vector<std::vector<std::string>> SelectedCells() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The item of a data cell, made when it has none yet.
    QTableWidgetItem* Cell(int row, int column);
    void FitColumns();
    Qt::Alignment AlignmentOf(int column) const;

    std::vector<int> widthsTwips_;
    std::vector<bool> right_;
};

}  // namespace fortunara
