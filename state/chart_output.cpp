#include "state/chart_output.h"

#include <algorithm>
#include <cctype>

#include "platform/text/file_replacement.h"

namespace fortunara {

namespace {

constexpr int kPrintableWidthTwips = 10200;  // 180 mm: A4 less the printer's 15 mm margins
constexpr int kLineTwips = 280;              // a little more than a line of 10 pt text

}  // namespace

void PrintChart(Printer& printer, const ChartData& chart, std::string png, int pixelsWide, int pixelsHigh) {
    printer.Print(chart.title);
    for (const std::string& note : chart.notes) printer.Print(note);
    const int top = (static_cast<int>(chart.notes.size()) + 2) * kLineTwips;
    const int height = pixelsWide > 0 ? kPrintableWidthTwips * pixelsHigh / pixelsWide : 0;
    printer.Picture({{0, top, kPrintableWidthTwips, top + height}, std::move(png)});
    printer.EndJob();
}

std::string ChartDialogName(const std::filesystem::path& programFolder) {
    return (programFolder / "*.png").string();
}

std::optional<std::filesystem::path> ChosenChartFile(const std::string& answer, const std::string& dialogName) {
    std::filesystem::path file(answer);
    if (answer.empty() || answer == dialogName || file.filename() == "*.png") return std::nullopt;
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension != ".png") file += ".png";
    return file;
}

std::string SaveChartFile(const std::filesystem::path& file, const std::string& png) {
    FileReplacement replacement(file);
    if (replacement.Write(png) && replacement.Commit()) return "";
    return "IMPOSSIBILE SCRIVERE IL FILE " + file.string() + ": IL GRAFICO NON E' STATO SALVATO";
}

}  // namespace fortunara
