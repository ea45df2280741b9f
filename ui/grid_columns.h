#pragma once

#include <vector>

class QTableView;

namespace fortunara {

// Sets the widths of the shown columns of `view` from their design widths in twips (one entry per
// column): grown in proportion when the view is wider than they need, the last column taking the
// pixels rounding leaves so the grid ends flush, and never narrower than the column's header text.
void FitColumnsTwips(QTableView& view, const std::vector<int>& twips);

}  // namespace fortunara
