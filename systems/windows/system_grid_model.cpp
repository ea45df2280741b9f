#include "systems/windows/system_grid_model.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

const std::array<const char*, SystemGridModel::kColumns> kHeaders = {"bol.", "A", "B", "C", "D", "E",
                                                                     "F",    "G", "H", "I", "L"};

}  // namespace

SystemGridModel::SystemGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void SystemGridModel::Clear() {
    SetRows({}, CellForm::Plain);
}

void SystemGridModel::SetRows(std::vector<Row> rows, CellForm form) {
    beginResetModel();
    rows_ = std::move(rows);
    form_ = form;
    endResetModel();
}

QString SystemGridModel::CellText(int row, int column) const {
    if (row < 1 || row > Rows() || column < 0 || column >= kColumns) return {};
    if (column == 0) return QString::number(row);
    const Row& r = rows_[static_cast<std::size_t>(row - 1)];
    if (column > r.filled) return {};
    const int n = r.numbers[static_cast<std::size_t>(column - 1)];
    return QString::fromStdString(form_ == CellForm::Plain ? Plain(n) : TextForm(n));
}

std::vector<int> SystemGridModel::Numbers(int row) const {
    if (row < 1 || row > Rows()) return {};
    const Row& r = rows_[static_cast<std::size_t>(row - 1)];
    return std::vector<int>(r.numbers.begin(), r.numbers.begin() + r.filled);
}

void SystemGridModel::SetCombinations(const std::vector<std::vector<int>>& combinations, CellForm form) {
    std::vector<Row> rows(combinations.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t shown = std::min<std::size_t>(combinations[r].size(), kNumberColumns);
        std::copy_n(combinations[r].begin(), shown, rows[r].numbers.begin());
        rows[r].filled = static_cast<int>(shown);
    }
    SetRows(std::move(rows), form);
}

std::vector<std::vector<int>> SystemGridModel::Combinations() const {
    std::vector<std::vector<int>> combinations;
    combinations.reserve(rows_.size());
    for (int row = 1; row <= Rows(); ++row) combinations.push_back(Numbers(row));
    return combinations;
}

QString SystemGridModel::WidestText(int column) const {
    if (column < 0 || column >= kColumns || rows_.empty()) return {};
    if (column == 0) return CellText(Rows(), 0);
    // In either form a number with more characters (digits, and a minus) is never the narrower.
    const auto characters = [](int n) {
        int count = n < 0 ? 2 : 1;
        for (long long rest = n < 0 ? -static_cast<long long>(n) : n; rest >= 10; rest /= 10) ++count;
        return count;
    };
    int widestRow = 0;
    int widest = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (column > rows_[r].filled) continue;
        const int count = characters(rows_[r].numbers[static_cast<std::size_t>(column - 1)]);
        if (count > widest) {
            widest = count;
            widestRow = static_cast<int>(r) + 1;
        }
    }
    return widestRow == 0 ? QString() : CellText(widestRow, column);
}

int SystemGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Rows();
}

int SystemGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant SystemGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Rows() || index.column() >= kColumns) return {};
    if (role == Qt::DisplayRole) return CellText(index.row() + 1, index.column());
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal = index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight;
        return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    return {};
}

QVariant SystemGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    if (role == Qt::DisplayRole) return QString(kHeaders[static_cast<std::size_t>(section)]);
    return {};
}

}  // namespace fortunara
