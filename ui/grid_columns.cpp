#include "ui/grid_columns.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

#include "ui/look.h"

namespace fortunara {

namespace {

// What the header text of the column needs, 0 when it has none.
int HeaderWidth(const QTableView& view, int column) {
    if (view.model() == nullptr || view.model()->headerData(column, Qt::Horizontal).toString().isEmpty()) return 0;
    return view.horizontalHeader()->sectionSizeHint(column);
}

}  // namespace

void FitColumnsTwips(QTableView& view, const std::vector<int>& twips) {
    const int columns = std::min(static_cast<int>(twips.size()), view.model() ? view.model()->columnCount() : 0);
    int needed = 0;
    for (int c = 0; c < columns; ++c) {
        if (!view.isColumnHidden(c)) needed += TwipsToPixels(twips[static_cast<std::size_t>(c)]);
    }
    if (needed <= 0) return;
    const int room = view.viewport()->width();
    const double grow = std::max(1.0, static_cast<double>(room) / needed);
    int used = 0;
    int lastShown = -1;
    for (int c = 0; c < columns; ++c) {
        if (view.isColumnHidden(c)) continue;
        const int width =
            std::max(static_cast<int>(TwipsToPixels(twips[static_cast<std::size_t>(c)]) * grow), HeaderWidth(view, c));
        view.setColumnWidth(c, width);
        used += width;
        lastShown = c;
    }
    // Rounding leaves a few pixels: the last column takes them so the grid ends flush.
    if (grow > 1.0 && lastShown >= 0 && used < room) {
        view.setColumnWidth(lastShown, view.columnWidth(lastShown) + room - used);
    }
}

}  // namespace fortunara
