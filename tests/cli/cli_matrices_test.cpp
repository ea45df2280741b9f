// matrici and libreria: the matrix index from the command line.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/cli/cli_in_process.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::TempFolder;

using test::CliRun;

CliRun RunOn(const TempFolder& folder, const std::vector<std::string>& arguments,
             const std::filesystem::path& bundle = test::Assets()) {
    return test::RunIn(folder, arguments, nullptr, bundle);
}

TEST(CliMatrices, LibreriaAddsTheStarterLibraryOnce) {
    TempFolder folder;
    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"MIA.SIS\"\r\n\"STOP\"\r\n");
    const CliRun added = RunOn(folder, {"libreria"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(std::count(added.out.begin(), added.out.end(), '\n'), 156);
    EXPECT_EQ(added.out.substr(0, added.out.find('\n')), "07N00306.SIS 7 3 SESTINE");
    std::ifstream bundled(test::Assets() / "matrion" / "20N03006.SIS", std::ios::binary);
    EXPECT_EQ(folder.ReadFile("matrion/20N03006.SIS"), std::string(std::istreambuf_iterator<char>(bundled), {}));

    const CliRun listed = RunOn(folder, {"--csv", "matrici", "--quantita", "10"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out,
              "matrice,numeri,combinazioni,tipo\n10N01506.SIS,10,15,SESTINE\n10N03506.SIS,10,35,SESTINE\n"
              "10N07006.SIS,10,70,SESTINE\n10N12606.SIS,10,126,SESTINE\n10N01806.SIS,10,18,SESTINE\n"
              "10N00506.SIS,10,5,SESTINE\n10N00206.SIS,10,2,SESTINE\n10N00406.SIS,10,4,SESTINE\n"
              "10N01006.SIS,10,10,SESTINE\n10N02006.SIS,10,20,SESTINE\n10N05006.SIS,10,50,SESTINE\n"
              "10N00706.SIS,10,7,SESTINE\n10N01406.SIS,10,14,SESTINE\n");
    EXPECT_EQ(RunOn(folder, {"matrici"}).out.rfind("MIA.SIS 0 0", 0), 0u);  // listed as registered

    const CliRun again = RunOn(folder, {"libreria"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(again.err, "L'ELENCO HA GIA' TUTTE LE MATRICI DELLA LIBRERIA INIZIALE\n");
}

TEST(CliMatrices, Refusals) {
    TempFolder folder;
    EXPECT_EQ(RunOn(folder, {"matrici", "--quantita", "91"}).err, "--quantita DEVE ESSERE DA 1 A 90\n");
    EXPECT_EQ(RunOn(folder, {"libreria"}, folder.path() / "manca").err,
              "LIBRERIA INIZIALE NON TROVATA IN " + (folder.path() / "manca" / "matrion").string() + "\n");
    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"A.SIS\"\r\n");
    EXPECT_EQ(RunOn(folder, {"libreria"}).status, 2);
    EXPECT_EQ(folder.ReadFile("matrion/SISTEMI.TXT"), "\"\"\r\n\"A.SIS\"\r\n");
}

}  // namespace
}  // namespace fortunara
