#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

namespace fortunara {

// The result grid Grid1 of the system window: column 0 the combination number ("bol."), columns
// 1 to 10 its numbers ("A" to "L"). It holds up to 30000 rows and shows a whole development at
// once: the rows are kept as numbers and turned into text only when the view asks.
class SystemGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumns = 11;
    static constexpr int kNumberColumns = 10;

    // A developed combination shows its numbers as whole numbers ("5"); a loaded file shows each
    // number in its text form (" 5").
    enum class CellForm { Plain, TextForm };

    struct Row {
        std::array<int, kNumberColumns> numbers{};
        int filled = 0;  // cells 1..filled hold a number
    };

    explicit SystemGridModel(QObject* parent = nullptr);

    void Clear();
    void SetRows(std::vector<Row> rows, CellForm form);
    // Rows of the given numbers, at most kNumberColumns of each shown.
    void SetCombinations(const std::vector<std::vector<int>>& combinations, CellForm form);
    int Rows() const { return static_cast<int>(rows_.size()); }
    // Cell text as shown; row from 1 (row 0 is the header row), "" outside the filled cells.
    QString CellText(int row, int column) const;
    // The numbers of a row (from 1) as they were put in; none outside the rows.
    std::vector<int> Numbers(int row) const;
    // Every row's numbers, the first row first.
    std::vector<std::vector<int>> Combinations() const;
    // The longest text the column shows, "" when it shows none: what its width must make room for.
    QString WidestText(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<Row> rows_;
    CellForm form_ = CellForm::Plain;
};

}  // namespace fortunara
