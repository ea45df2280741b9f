#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vertible/core/forecast_check.h"
#include "vertible/core/method_run.h"

namespace fortunara {

// The columns of the forecast grid (grid2) and of the check grid (grid3) that are written.
inline constexpr int kDateColumn = 0;
inline constexpr int kKindColumn = 1;
inline constexpr int kFirstNumberColumn = 2;
inline constexpr int kRecordColumn = 12;
inline constexpr int kWaitedColumn = 14;
inline constexpr int kWinDateColumn = 15;
inline constexpr int kFirstMatchColumn = 16;

// "S.star" or "Schedina".
std::string_view ForecastLabel(ForecastKind kind);

// The line's cells in columns 0 to 12 of the forecast grid: the date and the record number on the
// superstar line only; the superstar number with a leading blank, slip numbers plain.
std::vector<std::string> ForecastCells(const ForecastLine& line);
// The same cells as the check grid copies them: the record number on every line of the group.
std::vector<std::string> CheckGridCells(const ForecastLine& line);
// The check's cells from column 14 on: the draws waited, the date and the matched numbers; "/"
// alone without a win (the columns after it stay as they were).
std::vector<std::string> OutcomeCells(const LineOutcome& outcome);

// The forecast grid's row count, header row included, once `lines` rows are written from row 2
// on: 100, grown 10 rows at a time as a row beyond the last is written.
int ForecastGridRows(int lines);

}  // namespace fortunara
