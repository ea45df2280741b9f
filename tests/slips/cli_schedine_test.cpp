#include <gtest/gtest.h>

#include <algorithm>

#include "matrices/core/matrix_files.h"
#include "tests/cli/cli_in_process.h"

namespace fortunara {
namespace {

// VE, HO, T2, IX, DX, IY, DY.
constexpr const char* kLayout = "\"2000\"\r\n\"1000\"\r\n\"0\"\r\n\"300\"\r\n\"200\"\r\n\"250\"\r\n\"150\"\r\n";

TEST(CliSchedine, MarksOfTheSlipsOfAPlayedSystem) {
    test::TempFolder folder;
    folder.WriteFile("matrion/valori.tab", kLayout);
    MatrixData system;
    system.numberCount = 90;
    system.comboCount = 7;
    system.comboSize = 6;
    for (int c = 1; c <= 7; ++c) system.numbers.insert(system.numbers.end(), {c, 90, 90, 90, 90, 90});
    system.numbers[7] = 89;  // combination 2 ends with 89 instead of a fourth 90
    const std::string file = (folder.path() / "SETTE.SSI").string();
    ASSERT_TRUE(WriteSystemFile(file, system).ok());

    const test::CliRun run = test::RunIn(folder, {"schedine", "--sistema", file, "--dal", "2", "--al", "7"});
    ASSERT_EQ(run.status, 0) << run.err;
    // Slip 1 holds combinations 2 to 6, slip 2 combination 7 and four empty panels.
    std::string expected;
    for (int c = 2; c <= 7; ++c) {
        const int slip = c <= 6 ? 1 : 2;
        const int panel = c <= 6 ? c - 1 : 1;
        const int top = 2000 + (panel - 1) * 7 * 250;
        const std::string at = std::to_string(slip) + " " + std::to_string(panel) + " ";
        const int x = 1000 + (c + 7) % 14 * 300;
        const int y = top + (c + 7) / 14 * 250;
        expected += at + std::to_string(c) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                    std::to_string(x + 200) + " " + std::to_string(y + 150) + "\n";
        if (c == 2) {
            expected += at + "89 4600 " + std::to_string(top + 1500) + " 4800 " + std::to_string(top + 1650) + "\n";
        }
        const int nineties = c == 2 ? 4 : 5;
        for (int k = 0; k < nineties; ++k) {
            expected += at + "90 4900 " + std::to_string(top + 1500) + " 5100 " + std::to_string(top + 1650) + "\n";
        }
    }
    EXPECT_EQ(run.out, expected);
}

TEST(CliSchedine, CalibrationPageAsCsv) {
    test::TempFolder folder;
    folder.WriteFile("matrion/valori.tab", kLayout);
    const test::CliRun run = test::RunIn(folder, {"--csv", "schedine", "--prova"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("schedina,pannello,numero,x1,y1,x2,y2\n1,1,1,3400,2000,3600,2150\n")) << run.out;
    EXPECT_TRUE(run.out.ends_with("\n1,5,90,4900,10500,5100,10650\n"));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 451);
}

TEST(CliSchedine, MistakesEndWithStatusTwo) {
    test::TempFolder folder;
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } rows[] = {
        {{"schedine", "--prova", "--al", "3"}, "--dal E --al VALGONO SOLO CON --sistema"},
        {{"schedine", "--prova", "--prova"}, "OPZIONE RIPETUTA: --prova"},
        {{"schedine", "--pannelli", "3"}, "OPZIONE SCONOSCIUTA: --pannelli"},
        {{"schedine", "--prova"}, "MANCA IL FILE " + (folder.path() / "matrion" / "valori.tab").string()},
    };
    for (const auto& row : rows) {
        const test::CliRun run = test::RunIn(folder, row.arguments);
        EXPECT_EQ(run.status, 2) << row.error;
        EXPECT_TRUE(run.err.starts_with(row.error)) << run.err;
    }
    EXPECT_EQ(test::RunIn(folder, {"schedine", "-h"}).status, 0);

    // A file that is no played system has no slips to show: an empty answer would pass for one.
    folder.WriteFile("matrion/valori.tab", kLayout);
    folder.WriteFile("NOTE.SSI", "NUMERI 1\n");
    const std::string note = (folder.path() / "NOTE.SSI").string();
    const test::CliRun empty = test::RunIn(folder, {"schedine", "--sistema", note});
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(empty.err.starts_with("IL FILE " + note + " NON HA COMBINAZIONI DA STAMPARE")) << empty.err;
    EXPECT_EQ(empty.out, "");
}

}  // namespace
}  // namespace fortunara
