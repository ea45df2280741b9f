#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/cli_run.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::FillerDraw;
using test::MakeDraw;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CliStatistics : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteDraws(folder_, {MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}, 7, 8),
                                   MakeDraw("08GEN2009", {12, 45, 3, 50, 60, 70}, 1, 12),
                                   MakeDraw("15GEN2009", {1, 2, 3, 81, 82, 83}, 84, 85),
                                   MakeDraw("05MAR2009", {45, 12, 30, 31, 32, 33}, 2, 3)});
    }

    CliRun Cli(const std::vector<std::string>& arguments) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = fortunara::RunCli(arguments, folder_.path(), out, err);
        return {status, out.str(), err.str()};
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    test::TempFolder folder_;
};

TEST_F(CliStatistics, RitardiListsTheNinetyNumbersWithPlainFigures) {
    const CliRun run = Cli({"ritardi", "--dal", "ultima", "--al", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 90u);
    EXPECT_EQ(lines[11], "12 2 0 1");
    EXPECT_EQ(lines[2], "3 3 1 1");
    EXPECT_EQ(lines[89], "90 0 4 4");
    // With the superstar the second draw's 12 counts twice.
    EXPECT_EQ(Lines(Cli({"ritardi", "--dal", "4", "--al", "1", "--posizioni", "1-6,8"}).out)[11], "12 3 0 1");
}

TEST_F(CliStatistics, DistributionsPrintOneLinePerTableRow) {
    const CliRun pari = Cli({"pari", "--dal", "1", "--al", "4"});
    ASSERT_EQ(pari.status, 0) << pari.err;
    EXPECT_EQ(Lines(pari.out),
              (std::vector<std::string>{"0 0 4", "1 0 4", "2 1 2", "3 2 0", "4 1 1", "5 0 4", "6 0 4"}));
    EXPECT_EQ(Cli({"somma", "--dal", "1", "--al", "1"}).out, "21 1 0\n");
    const CliRun csv = Cli({"--csv", "interruzioni", "--dal", "1", "--al", "1"});
    EXPECT_EQ(Lines(csv.out).front(), "valore,freq,rit");
    EXPECT_EQ(Lines(csv.out)[1], "0,1,0");
}

TEST_F(CliStatistics, RicercaPrintsTheFiguresThenEveryHit) {
    const CliRun run = Cli({"ricerca", "--numeri", "12,45", "--sorte", "ambo", "--dal", "ultima", "--al", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{"2 0 2 2", "0 05MAR2009 12 45", "2 08GEN2009 12 45"}));
    const CliRun march = Cli({"ricerca", "--numeri", "12", "--sorte", "1", "--dal", "1", "--al", "4", "--mesi", "mar",
                              "--posizioni", "1-8"});
    EXPECT_EQ(Lines(march.out), (std::vector<std::string>{"1 3 3 1", "3 05MAR2009 12"}));
}

TEST_F(CliStatistics, PrevisioneListsTheNumbersThenTheOutcomes) {
    const CliRun run = Cli({"previsione", "--base", "2", "--quantita", "6"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{"1 2 3 4 5 6", "1 15GEN2009 1 2 3"}));
    EXPECT_EQ(run.err, "");
    // Record 1 holds six numbers: a forecast of ten is cut short, and says so as the window does.
    const CliRun shortened = Cli({"previsione", "--base", "2", "--quantita", "10"});
    EXPECT_EQ(shortened.status, 0);
    EXPECT_EQ(Lines(shortened.out), (std::vector<std::string>{"1 2 3 4 5 6", "1 15GEN2009 1 2 3"}));
    EXPECT_EQ(shortened.err,
              "PRIMA DI QUESTA ESTRAZIONE L'ARCHIVIO HA SOLO 6 NUMERI DIVERSI: LA PREVISIONE NE HA 6 INVECE DI 10\n");
    // A base at record 1 collects from record 1 itself.
    EXPECT_EQ(Lines(Cli({"previsione", "--base", "1", "--quantita", "3"}).out),
              (std::vector<std::string>{"1 2 3", "2 15GEN2009 1 2 3"}));
    EXPECT_EQ(Lines(Cli({"previsione", "--base", "3", "--quantita", "8"}).out),
              (std::vector<std::string>{"1 2 3 12 45 50 60 70"}));
}

// CSV is one table with one header: the figures of a search, the numbers of a forecast, on every row.
TEST_F(CliStatistics, CsvOfASearchOrAForecastIsOneTable) {
    const struct {
        std::vector<std::string> arguments;
        std::vector<std::string> lines;
    } rows[] = {
        {{"ricerca", "--numeri", "12,45", "--sorte", "ambo", "--dal", "ultima", "--al", "1"},
         {"frequenza,ritardo,ritmax,colpi,posizione,data,numeri", "2,0,2,2,0,05MAR2009,\"12 45\"",
          "2,0,2,2,2,08GEN2009,\"12 45\""}},
        {{"ricerca", "--numeri", "90", "--sorte", "1", "--dal", "ultima", "--al", "1"},
         {"frequenza,ritardo,ritmax,colpi,posizione,data,numeri", "0,0,0,0,,,"}},
        {{"previsione", "--base", "2", "--quantita", "6"},
         {"previsione,posizione,data,numeri", "\"1 2 3 4 5 6\",1,15GEN2009,\"1 2 3\""}},
        {{"previsione", "--base", "3", "--quantita", "8"},
         {"previsione,posizione,data,numeri", "\"1 2 3 12 45 50 60 70\",,,"}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> arguments = {"--csv"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out), row.lines) << row.arguments[0];
    }
}

// "nessuna": no position box ticked, so every drawn value counts as 0.
TEST_F(CliStatistics, PosizioniNessunaTicksNoBox) {
    std::vector<std::string> noDelays;
    for (int n = 1; n <= 90; ++n) noDelays.push_back(std::to_string(n) + " 0 4 4");
    const struct {
        std::string command;
        std::vector<std::string> lines;
    } rows[] = {
        {"ritardi", noDelays},
        {"pari", {"0 0 4", "1 0 4", "2 0 4", "3 0 4", "4 0 4", "5 0 4", "6 4 0"}},
        {"somma", {}},  // a sum of 0 has no row
        // 0 after 0 is a break, five in every draw
        {"interruzioni", {"0 0 4", "1 0 4", "2 0 4", "3 0 4", "4 0 4", "5 4 0", "6 0 4"}},
    };
    for (const auto& row : rows) {
        const CliRun run = Cli({row.command, "--dal", "ultima", "--al", "1", "--posizioni", "NESSUNA"});
        EXPECT_EQ(run.status, 0) << row.command << ": " << run.err;
        EXPECT_EQ(Lines(run.out), row.lines) << row.command;
    }
    EXPECT_EQ(
        Cli({"ricerca", "--numeri", "1-90", "--sorte", "1", "--dal", "4", "--al", "1", "--posizioni", "nessuna"}).out,
        "0 0 0 0\n");
}

TEST_F(CliStatistics, MistakesExitWithStatusTwoAndAnItalianMessage) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"ritardi", "--dal", "5", "--al", "1"},
        {"ritardi", "--dal", "1"},
        {"pari", "--dal", "1", "--al", "2", "--posizioni", "9"},
        {"ricerca", "--numeri", "91", "--sorte", "1", "--dal", "1", "--al", "2"},
        {"ricerca", "--numeri", "5", "--sorte", "7", "--dal", "1", "--al", "2"},
        {"ricerca", "--numeri", "5", "--sorte", "1", "--dal", "1", "--al", "2", "--mesi", "XYZ"},
        {"previsione", "--base", "2", "--quantita", "91"},
        {"previsione", "--base", "2", "--quantita", "-1"},
    };
    for (const auto& arguments : mistakes) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0];
        EXPECT_TRUE(run.out.empty()) << arguments[0];
        EXPECT_FALSE(run.err.empty()) << arguments[0];
    }
    EXPECT_EQ(Cli({"previsione", "--base", "2", "--quantita", "91"}).err,
              "LA QUANTITA' DI NUMERI DEVE ESSERE DA 0 A 90\n");
}

}  // namespace
}  // namespace fortunara
