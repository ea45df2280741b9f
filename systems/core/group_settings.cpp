#include "systems/core/conditions.h"

namespace fortunara {

bool GroupSettings::Enter(int row, int column, int value) {
    if (value < 0 || value > 90) return false;
    if (row < 1 || row >= kGroupRows || column < 1 || column >= kGroupColumns) return false;
    GroupGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = value;
    if (row > GroupRowCount && row < 31) GroupRowCount = row;
    if (column > GroupColumnCount) GroupColumnCount = column;
    return true;
}

}  // namespace fortunara
