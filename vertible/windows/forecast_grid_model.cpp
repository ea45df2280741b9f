#include "vertible/windows/forecast_grid_model.h"

#include <algorithm>

#include "vertible/core/forecast_grid.h"

namespace fortunara {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 180, 0);
const QColor kRed(255, 0, 0);

}  // namespace

ForecastGridModel::ForecastGridModel(Grid grid, int columns, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      columns_(columns),
      headers_(static_cast<std::size_t>(columns)),
      headerAlignments_(static_cast<std::size_t>(columns), Qt::AlignCenter),
      lines_(std::make_shared<const std::vector<ForecastLine>>()) {}

void ForecastGridModel::SetHeader(int column, const QString& text, Qt::Alignment alignment) {
    if (column < 0 || column >= columns_) return;
    headers_[static_cast<std::size_t>(column)] = text;
    headerAlignments_[static_cast<std::size_t>(column)] = alignment;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void ForecastGridModel::SetLines(std::shared_ptr<const std::vector<ForecastLine>> lines, int rows) {
    // Rows are inserted and removed rather than the model reset: a reset would lose the view's
    // column widths and hidden columns.
    const int wanted = std::max(rows - 1, 0);
    if (wanted > rows_) {
        beginInsertRows({}, rows_, wanted - 1);
        rows_ = wanted;
        endInsertRows();
    } else if (wanted < rows_) {
        beginRemoveRows({}, wanted, rows_ - 1);
        rows_ = wanted;
        endRemoveRows();
    }
    lines_ = lines ? std::move(lines) : std::make_shared<const std::vector<ForecastLine>>();
    outcomes_.clear();
    cachedRow_ = -1;
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

void ForecastGridModel::SetOutcomes(std::vector<LineOutcome> outcomes) {
    outcomes_ = std::move(outcomes);
    cachedRow_ = -1;
    if (rows_ > 0) emit dataChanged(index(0, kWaitedColumn), index(rows_ - 1, columns_ - 1));
}

const std::vector<std::string>& ForecastGridModel::RowCells(int row) const {
    if (row == cachedRow_) return cachedCells_;
    cachedRow_ = row;
    cachedCells_.clear();
    const long long line = row - (grid_ == Grid::Forecasts ? 2 : 1);
    if (line < 0 || line >= static_cast<long long>(lines_->size())) return cachedCells_;
    const ForecastLine& forecast = (*lines_)[static_cast<std::size_t>(line)];
    cachedCells_ = grid_ == Grid::Forecasts ? ForecastCells(forecast) : CheckGridCells(forecast);
    if (line < static_cast<long long>(outcomes_.size())) {
        cachedCells_.resize(kWaitedColumn);
        for (std::string& cell : OutcomeCells(outcomes_[static_cast<std::size_t>(line)])) {
            cachedCells_.push_back(std::move(cell));
        }
    }
    return cachedCells_;
}

QString ForecastGridModel::Text(int row, int column) const {
    if (row == 0) return column >= 0 && column < columns_ ? headers_[static_cast<std::size_t>(column)] : QString();
    if (row < 1 || row > rows_ || column < 0 || column >= columns_) return {};
    const std::vector<std::string>& cells = RowCells(row);
    return static_cast<std::size_t>(column) < cells.size()
               ? QString::fromStdString(cells[static_cast<std::size_t>(column)])
               : QString();
}

QColor ForecastGridModel::TextColour(int row, int column) const {
    if (Text(row, column).isEmpty() || row == 0) return {};
    if (column >= kWaitedColumn) return kRed;
    return column == kDateColumn ? kBlue : kGreen;
}

int ForecastGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ForecastGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant ForecastGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + 1;
    switch (role) {
        case Qt::DisplayRole: {
            const QString text = Text(row, index.column());
            return text.isEmpty() ? QVariant() : QVariant(text);
        }
        case Qt::ForegroundRole: {
            const QColor colour = TextColour(row, index.column());
            return colour.isValid() ? QVariant(colour) : QVariant();
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ForecastGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_) return {};
    if (role == Qt::DisplayRole) return headers_[static_cast<std::size_t>(section)];
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(headerAlignments_[static_cast<std::size_t>(section)] | Qt::AlignVCenter);
    }
    return {};
}

}  // namespace fortunara
