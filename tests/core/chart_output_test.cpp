// A chart on paper and on disk: the answer of the save dialog, the page, a file that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "state/chart_output.h"
#include "tests/fakes/fake_printer.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

TEST(ChartOutput, SaveDialogAnswerNamesAPngOrCancels) {
    const std::string initial = ChartDialogName("/cartella");
    EXPECT_EQ(initial, "/cartella/*.png");
    const struct {
        std::string answer;
        std::optional<std::filesystem::path> file;
    } rows[] = {
        {"", std::nullopt},                    // cancelled
        {initial, std::nullopt},               // given back untouched
        {"/altrove/*.png", std::nullopt},      // the bare pattern elsewhere
        {"frequenze", "frequenze.png"},        // the extension added
        {"/a/ritardi.PNG", "/a/ritardi.PNG"},  // kept, whatever its case
        {"/a/somma.txt", "/a/somma.txt.png"},  // another extension is part of the name
    };
    for (const auto& row : rows) EXPECT_EQ(ChosenChartFile(row.answer, initial), row.file) << row.answer;
}

TEST(ChartOutput, PrintedPageHasTitleNotesThenThePictureAcrossTheWidth) {
    ChartData chart;
    chart.title = "Frequenze dei 90 numeri";
    chart.notes = {"RIGA 1", "RIGA 2"};
    test::FakePrinter printer;
    PrintChart(printer, chart, "png", 1800, 1100);
    ASSERT_EQ(printer.jobs.size(), 1u);
    const PrintPage& page = printer.jobs[0].pages.at(0);
    EXPECT_EQ(page.lines, (std::vector<std::string>{"Frequenze dei 90 numeri", "RIGA 1", "RIGA 2"}));
    ASSERT_EQ(page.pictures.size(), 1u);
    // Under four lines of 280 twips; 180 mm (10200 twips) wide, 10200 * 1100 / 1800 high.
    EXPECT_EQ(page.pictures[0].box, (PrintMark{0, 1120, 10200, 1120 + 6233}));
    EXPECT_EQ(page.pictures[0].png, "png");
}

TEST(ChartOutput, FileThatCannotBeWrittenIsSaidAndLeavesNothing) {
    test::TempFolder folder;
    const std::filesystem::path file = folder.path() / "manca" / "grafico.png";
    EXPECT_EQ(SaveChartFile(file, "png"),
              "IMPOSSIBILE SCRIVERE IL FILE " + file.string() + ": IL GRAFICO NON E' STATO SALVATO");
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
    EXPECT_EQ(SaveChartFile(folder.path() / "grafico.png", "png"), "");
}

}  // namespace
}  // namespace fortunara
