#include "ui/cell_width.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QTableView>
#include <cmath>

namespace fortunara {

int CellWidthFor(const QTableView& view, const QFont& font, const QString& text) {
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const int gridLine = view.showGrid() ? 1 : 0;
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text))) + 2 * margin + gridLine;
}

}  // namespace fortunara
