#pragma once

#include <QFont>
#include <QString>

class QTableView;

namespace fortunara {

// The width in pixels a column of `view` needs to show `text` in `font` whole, without "…": the
// text, the margins the style keeps on both sides of a cell's text, and the grid line. For views
// whose cells have no padding of their own.
int CellWidthFor(const QTableView& view, const QFont& font, const QString& text);

}  // namespace fortunara
