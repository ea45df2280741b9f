#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/cli/cli_in_process.h"
#include "tests/statistics/draw_builder.h"
#include "tests/support/golden.h"

namespace fortunara {
namespace {

using test::CliRun;

CliRun Cli(const test::TempFolder& folder, const std::vector<std::string>& arguments) {
    return test::RunIn(folder, arguments);
}

std::string FirstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end != std::string::npos; ++i) end = text.find('\n', end + (i > 0 ? 1 : 0));
    return text.substr(0, end);
}

// The 105 newest draws of the bundled archive as the golden files know it (up to 21AGO2026), both
// methods checked; the lines were compared once with an independent computation of the rules.
TEST(CliMetodo, ControlloOnTheBundledArchive) {
    test::TempFolder folder;
    std::ifstream in(test::RealArchive(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    folder.WriteArchive(bytes.str().substr(0, std::size_t{4253} * 25));
    for (const char* method : {"vertibili", "gemelli"}) {
        const CliRun run =
            Cli(folder, {"metodo", method, "--dal", "ultima", "--al", "4149", "--posizione", "1", "--controllo"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(test::GoldenDifference(std::string("metodo-") + method + "-ultime-105.txt", run.out), "");
    }
}

TEST(CliMetodo, LinesAndCsv) {
    test::TempFolder folder;
    test::WriteDraws(folder, {test::MakeDraw("01GEN2020", {10, 20, 35, 40, 41, 60}, 7, 13),
                              test::MakeDraw("04GEN2020", {31, 14, 1, 2, 3, 4}, 5, 13)});
    EXPECT_EQ(Cli(folder, {"metodo", "VERTIBILI", "--dal", "1", "--al", "1", "--posizione", "1"}).out,
              "1 01GEN2020 S.star 13\n1 01GEN2020 Schedina 13 31 58 59 14 32\n"
              "1 01GEN2020 Schedina 13 31 59 60 15 33\n");
    const CliRun csv =
        Cli(folder, {"--csv", "metodo", "vertibili", "--dal", "1", "--al", "1", "--posizione", "1", "--controllo"});
    EXPECT_EQ(FirstLines(csv.out, 3),
              "giocate,vinte,percentuale,caso_giocate,caso_attese,caso_percentuale,estrazione,data,previsione,"
              "numeri,attesa,sortita,vincenti\n"
              "1,1,100,1,\"0,11\",\"10,68\",1,01GEN2020,S.star,13,1,04GEN2020,13\n"
              "1,1,100,1,\"0,11\",\"10,68\",1,01GEN2020,Schedina,\"13 31 58 59 14 32\",1,04GEN2020,\"31 14\"");
}

TEST(CliMetodo, MistakesEndWithStatusTwo) {
    test::TempFolder folder;
    test::WriteDraws(folder, {test::FillerDraw()});
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } rows[] = {
        {{"metodo", "--dal", "1", "--al", "1", "--posizione", "1"}, "MANCA IL METODO: vertibili o gemelli\n"},
        {{"metodo", "ambo", "--dal", "1"}, "ARGOMENTO INATTESO: ambo\n"},
        {{"metodo", "gemelli", "vertibili"}, "ARGOMENTO INATTESO: vertibili\n"},
        {{"metodo", "gemelli", "--dal", "1", "--al", "1", "--posizione", "6"},
         "POSIZIONE NON VALIDA PER --posizione: 6 (1 - 5)\n"},
    };
    for (const auto& row : rows) {
        const CliRun run = Cli(folder, row.arguments);
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_EQ(run.err.substr(0, row.message.size()), row.message);
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace fortunara
