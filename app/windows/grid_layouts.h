#pragma once

#include "app/state/program_state.h"

namespace fortunara {

class DataGrid;

// The shapes, widths and header rows the load step gives the main window's grids.
void LayOutWheelGrid(DataGrid& Grid4, const ProgramState& state);
void LayOutSingleDrawGrid(DataGrid& Grid5);
void LayOutStatisticsGrid(DataGrid& grid2);
void LayOutArchiveGrid(DataGrid& grid3);

}  // namespace fortunara
