#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "matrices/core/matrix_files.h"
#include "tests/cli/cli_in_process.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::CliRun;
using test::MakeDraw;

// Three draws, and a matrix of seven numbers in three combinations.
struct ControlloFolder {
    test::TempFolder folder;
    ControlloFolder() {
        test::WriteDraws(folder, {MakeDraw("01GEN2020", {10, 20, 30, 40, 50, 60}, 70, 1),
                                  MakeDraw("02GEN2020", {81, 82, 83, 84, 85, 86}, 87, 2),
                                  MakeDraw("03GEN2020", {11, 22, 33, 44, 55, 66}, 77, 3)});
        MatrixData matrix;
        matrix.numberCount = 7;
        matrix.comboCount = 3;
        matrix.comboSize = 6;
        matrix.numbers = {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 7, 2, 3, 4, 5, 6, 7};
        EXPECT_TRUE(WriteMatrixFile(folder.path(), "07N00306.SIS", matrix).ok());
    }
    CliRun Run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), "controllo");
        return test::RunIn(folder, arguments);
    }
};

TEST(CliControllo, OneDrawAndARange) {
    const ControlloFolder f;
    // Against draw 1 the tickets are 10 20 30 40 50 70 (five and the jolly), 10 20 30 40 50 77
    // (five) and 20 30 40 50 70 77 (four); draw 3 has only its jolly 77 among them.
    const std::vector<std::string> matrix = {"--matrice", "07N00306.SIS", "--numeri", "10,20,30,40,50,70,77"};
    std::vector<std::string> one = matrix;
    one.insert(one.end(), {"--estrazione", "1"});
    const CliRun run = f.Run(one);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0 1 1 1 0\n1 10 20 30 40 50 jolly 70\n2 10 20 30 40 50\n3 20 30 40 50\n");

    std::vector<std::string> csv = one;
    csv.insert(csv.begin(), "--csv");
    EXPECT_EQ(f.Run(csv).out,
              "terni,quaterne,cinquine,cinque+1,sestine,bolletta,numeri,jolly\n"
              "0,1,1,1,0,1,\"10 20 30 40 50\",70\n"
              "0,1,1,1,0,2,\"10 20 30 40 50\",\n"
              "0,1,1,1,0,3,\"20 30 40 50\",\n");

    std::vector<std::string> range = matrix;
    range.insert(range.end(), {"--dal", "ultima", "--al", "1"});
    EXPECT_EQ(f.Run(range).out, "1 01GEN2020 0 1 1 1 0\nTOTALE 0 1 1 1 0\nESTRAZIONI 3 VINCENTI 1\n");
    range.insert(range.begin(), "--csv");
    EXPECT_EQ(f.Run(range).out,
              "totale_terni,totale_quaterne,totale_cinquine,totale_cinque+1,totale_sestine,estrazioni,vincenti,"
              "estrazione,data,terni,quaterne,cinquine,cinque+1,sestine\n"
              "0,1,1,1,0,3,1,1,01GEN2020,0,1,1,1,0\n");
}

// More winning draws than the CSV keeps between its two walks: the second walk writes them all, in
// the order and with the counts the text gives.
TEST(CliControllo, ACsvRecordOfManyWinningDrawsWalksTheRangeAgain) {
    constexpr int kDraws = 70000;
    test::TempFolder folder;
    test::WriteDraws(folder, std::vector<DrawRecord>(kDraws, MakeDraw("01GEN2020", {1, 2, 3, 4, 5, 6}, 7, 8)));
    MatrixData played;
    played.numberCount = 6;
    played.comboCount = 1;
    played.comboSize = 6;
    played.numbers = {1, 2, 3, 10, 11, 12};
    const std::filesystem::path file = folder.path() / "TERNO.SSI";
    ASSERT_TRUE(WriteSystemFile(file, played).ok());
    const std::vector<std::string> range = {"controllo", "--sistema", file.string(), "--dal", "ultima", "--al", "1"};
    std::vector<std::string> csv = range;
    csv.insert(csv.begin(), "--csv");
    std::istringstream text(test::RunIn(folder, range).out);
    std::istringstream table(test::RunIn(folder, csv).out);
    std::string line;
    std::getline(table, line);  // the header
    const std::string heading = "70000,0,0,0,0,70000,70000,";
    int rows = 0;
    for (std::string row; std::getline(table, row); ++rows) {
        ASSERT_EQ(row.substr(0, heading.size()), heading);
        ASSERT_TRUE(std::getline(text, line));
        std::replace(line.begin(), line.end(), ' ', ',');
        ASSERT_EQ(row.substr(heading.size()), line);
    }
    EXPECT_EQ(rows, kDraws);
}

TEST(CliControllo, PlayedSystemFile) {
    const ControlloFolder f;
    MatrixData played;
    played.numberCount = 8;
    played.comboCount = 2;
    played.comboSize = 8;
    played.numbers = {11, 22, 33, 1, 2, 3, 4, 5, 11, 22, 33, 44, 55, 66, 77, 88};
    const std::filesystem::path file = f.folder.path() / "GIOCO.SSI";
    ASSERT_TRUE(WriteSystemFile(file, played).ok());
    const CliRun run = f.Run({"--sistema", file.string(), "--estrazione", "ultima"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1 0 0 0 1\n1 11 22 33\n2 11 22 33 44 55 66\n");
}

TEST(CliControllo, Refusals) {
    const ControlloFolder f;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--estrazione", "1"}, "SERVE --sistema FILE OPPURE --matrice FILE --numeri LISTA"},
        {{"--matrice", "07N00306.SIS", "--numeri", "1-7"}, "SERVE --estrazione R OPPURE --dal R --al R"},
        {{"--matrice", "07N00306.SIS", "--numeri", "1-7", "--estrazione", "1", "--dal", "1"},
         "SERVE --estrazione R OPPURE --dal R --al R"},
        {{"--matrice", "07N00306.SIS", "--numeri", "1-6", "--estrazione", "1"},
         "LA MATRICE 07N00306.SIS VUOLE 7 NUMERI: --numeri NE HA 6"},
        {{"--matrice", "07N00306.SIS", "--numeri", "1-6,6", "--estrazione", "1"},
         "IL NUMERO 6 C'E' DUE VOLTE IN --numeri"},
        {{"--matrice", "07N00306.SIS", "--numeri", "0-6", "--estrazione", "1"},
         "NUMERO NON VALIDO PER --numeri: 0 (1 - 90)"},
        {{"--sistema", "GIOCO.SSI", "--numeri", "1", "--estrazione", "1"},
         "--numeri VA CON --matrice, NON CON --sistema"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliRun run = f.Run(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    const CliRun missing = f.Run({"--matrice", "07N99906.SIS", "--numeri", "1-7", "--estrazione", "1"});
    EXPECT_EQ(missing.status, 2);
    // A played system is named by the path the user gave: its folder tells which file it is.
    for (const std::string& path : {std::string("/dev/zero"), (f.folder.path() / "altrove" / "GIOCO.SSI").string()}) {
        EXPECT_EQ(f.Run({"--sistema", path, "--estrazione", "1"}).err, "IMPOSSIBILE LEGGERE IL FILE " + path + "\n");
    }
    const std::filesystem::path notASystem = f.folder.path() / "NOTE.SSI";
    std::ofstream(notASystem) << "NUMERI 1\n";
    const CliRun empty = f.Run({"--sistema", notASystem.string(), "--estrazione", "1"});
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("NON HA BOLLETTE DA CONTROLLARE"), std::string::npos) << empty.err;
    EXPECT_EQ(empty.out, "");
}

// A file that is not the system it says it is, or was not read whole, is not checked; a ticket
// holding a number twice is said, and the number counts once.
TEST(CliControllo, DamagedFilesAreNotChecked) {
    const ControlloFolder f;
    const auto write = [&f](const std::string& name, const std::vector<std::string>& fields) {
        std::string file;
        for (const std::string& field : fields) file += "\"" + field + "\"\r\n";
        for (int i = 0; i < 10; ++i) file += "\"\"\r\n";
        f.folder.WriteFile(name, file);
    };
    write("matrion/07N00006.SIS", {"7", "-3", "6"});
    write("matrion/07N05006.SIS", {"7", "50", "6", "1", "2", "3", "4", "5", "6"});
    write("matrion/07N00206.SIS", {"7", "2", "6", "1", "2", "3", "4", "5", "91", "0", "2", "3", "4", "5", "6"});
    write("LUNGO.SSI", {"6", "1", "6", "11", "22", "33", "44", "55", "66", std::string(kLongestLine, 'L')});
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--matrice", "07N00006.SIS", "--numeri", "1-7"}, "IL FILE 07N00006.SIS NON HA COMBINAZIONI: NE DICE -3"},
        {{"--matrice", "07N05006.SIS", "--numeri", "1-7"},
         "IL FILE 07N05006.SIS DICE 50 COMBINAZIONI MA FINISCE PRIMA: 16 RIGHE DOPO LE PRIME TRE, NE SERVONO 310"},
        {{"--matrice", "07N00206.SIS", "--numeri", "1-7"},
         "IL FILE 07N00206.SIS HA LA POSIZIONE 91 NELLA COMBINAZIONE 1: LE POSIZIONI VANNO DA 1 A 7"},
        {{"--sistema", (f.folder.path() / "LUNGO.SSI").string()},
         "IL FILE LUNGO.SSI E' TROPPO LUNGO: LETTO FINO A 4096 CARATTERI PER RIGA"},
    };
    for (auto [arguments, message] : cases) {
        arguments.insert(arguments.end(), {"--estrazione", "ultima"});
        const CliRun run = f.Run(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_TRUE(run.err.starts_with(message + "\n")) << run.err;
        EXPECT_EQ(run.out, "") << message;
    }

    write("DOPPIO.SSI", {"6", "1", "6", "11", "11", "22", "33", "44", "55"});
    const CliRun twice = f.Run({"--sistema", (f.folder.path() / "DOPPIO.SSI").string(), "--estrazione", "ultima"});
    EXPECT_EQ(twice.status, 0) << twice.err;
    EXPECT_EQ(twice.err, "IL FILE DOPPIO.SSI HA IL NUMERO 11 DUE VOLTE NELLA COMBINAZIONE 1: CONTA UNA VOLTA SOLA\n");
    EXPECT_EQ(twice.out, "0 0 1 0 0\n1 11 22 33 44 55\n");
}

}  // namespace
}  // namespace fortunara
