#pragma once

namespace fortunara {

class DataGrid;
class Sestine;
struct StatisticsGrid;

// Tab 2: "90 NUMERI", "PARI E DISPARI", "SOMMA" and "INTERRUZIONI" fill `grid2` and `Titolo` over
// the range `HScroll3`/`HScroll4` with the positions ticked in `Check3d3(0..8)`.
void ConnectStatisticsTab(Sestine& window);

// Puts a computed table into the grid: shape, column widths, header row, rows. Cells a table does
// not write are left empty, not showing what an earlier table put there.
void ShowStatisticsGrid(DataGrid& grid, const StatisticsGrid& table);

}  // namespace fortunara
