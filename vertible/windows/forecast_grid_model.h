#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <memory>
#include <string>
#include <vector>

#include "vertible/core/forecast_check.h"
#include "vertible/core/method_run.h"

namespace fortunara {

// The forecast grid grid2 or the check grid grid3 of the method window over the lines of the last
// run. A cell's text and colour are made when the view asks for them, so a run over the whole
// archive (12,759 lines) shows at once. Rows are counted as the program counts them: row 0 is the
// header row, rows 1 and on the data.
class ForecastGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Grid {
        Forecasts,  // grid2: row 1 empty, the lines from row 2, the record on the superstar line
        Checks,     // grid3: the lines from row 1, the record on every line, the check's outcomes
    };

    ForecastGridModel(Grid grid, int columns, QObject* parent = nullptr);

    void SetHeader(int column, const QString& text, Qt::Alignment alignment = Qt::AlignCenter);
    // The lines shown and the grid's rows, header row included; any outcomes are cleared.
    void SetLines(std::shared_ptr<const std::vector<ForecastLine>> lines, int rows);
    // The check of the first outcomes.size() lines (grid3).
    void SetOutcomes(std::vector<LineOutcome> outcomes);

    int Rows() const { return rows_ + 1; }
    QString Text(int row, int column) const;
    QColor TextColour(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // The texts of a data row's written columns; empty outside the lines.
    const std::vector<std::string>& RowCells(int row) const;

    Grid grid_;
    int columns_;
    int rows_ = 0;  // data rows
    std::vector<QString> headers_;
    std::vector<Qt::Alignment> headerAlignments_;
    std::shared_ptr<const std::vector<ForecastLine>> lines_;
    std::vector<LineOutcome> outcomes_;
    // The view asks cell by cell along a row: the row's texts are made once.
    mutable int cachedRow_ = -1;
    mutable std::vector<std::string> cachedCells_;
};

}  // namespace fortunara
