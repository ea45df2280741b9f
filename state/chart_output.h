#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/api/printer.h"
#include "state/chart_data.h"

namespace fortunara {

// A chart on paper and on disk, the picture already drawn as PNG bytes by the window.

// One print job: the title, the lines under the chart, then the picture across the printable width
// of an A4 sheet (180 mm), as high as its shape asks.
void PrintChart(Printer& printer, const ChartData& chart, std::string png, int pixelsWide, int pixelsHigh);

// The save dialog starts in the program folder on "*.png"; a dialog that gives that back, nothing,
// or the bare pattern was cancelled. A name without ".png" gets it.
inline constexpr const char* kChartFileFilter = "Immagini PNG (*.png)";
std::string ChartDialogName(const std::filesystem::path& programFolder);
std::optional<std::filesystem::path> ChosenChartFile(const std::string& answer, const std::string& dialogName);

// Writes the picture as a whole (temporary file and rename): "" when it is there, else why not, in
// Italian; a file that was there stays as it was.
std::string SaveChartFile(const std::filesystem::path& file, const std::string& png);

}  // namespace fortunara
