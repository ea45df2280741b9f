// Starts the real programs on fresh program folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/run_command.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;
using test::TempFolder;

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

TEST(ProgramStart, FillsAnEmptyFolderAndLeavesAChangedArchiveAlone) {
    TempFolder folder;
    const fs::path home = folder.path() / "vuota";
    const std::string start = std::string("QT_QPA_PLATFORM=offscreen ") + FORTUNARA_PROGRAM + " --cartella " +
                              Quoted(home) + " --esci-dopo-avvio 2>/dev/null";
    ASSERT_EQ(RunCommand(start).status, 0);
    EXPECT_EQ(fs::file_size(home / "dati" / "estraz09.txt"), 106325u);
    EXPECT_TRUE(fs::exists(home / "matrion" / "SISTEMI.TXT"));

    folder.WriteFile("vuota/dati/estraz09.txt", "01GEN20090102030405060708");
    ASSERT_EQ(RunCommand(start).status, 0);
    EXPECT_EQ(folder.ReadFile("vuota/dati/estraz09.txt"), "01GEN20090102030405060708");
}

TEST(ProgramStart, UnusableFolderEndsWithAMessageNotACrash) {
    TempFolder folder;
    folder.WriteFile("occupato", "a file where the folder should be");
    const std::string start = std::string("QT_QPA_PLATFORM=offscreen ") + FORTUNARA_PROGRAM + " --cartella " +
                              Quoted(folder.path() / "occupato") + " --esci-dopo-avvio 2>&1";
    const test::CommandResult result = RunCommand(start);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("IMPOSSIBILE"), std::string::npos) << result.output;
}

TEST(ProgramStart, UnreadableDataFolderEndsBothFrontEndsWithAnItalianMessage) {
    TempFolder folder;
    const fs::path home = folder.path() / "casa";
    fs::create_directories(home);
    fs::create_symlink("dati", home / "dati");  // a loop of symbolic links
    const std::string expected = "IMPOSSIBILE LEGGERE LA CARTELLA " + (home / "dati").string();
    struct FrontEnd {
        std::string command;
        int status;
    };
    const FrontEnd frontEnds[] = {
        {std::string("QT_QPA_PLATFORM=offscreen ") + FORTUNARA_PROGRAM + " --cartella " + Quoted(home) +
             " --esci-dopo-avvio 2>&1",
         1},
        {std::string(FORTUNARA_CLI) + " --cartella " + Quoted(home) + " archivio 2>&1", 2},
    };
    for (const FrontEnd& frontEnd : frontEnds) {
        const test::CommandResult result = RunCommand(frontEnd.command);
        EXPECT_EQ(result.status, frontEnd.status) << frontEnd.command << "\n" << result.output;
        EXPECT_NE(result.output.find(expected), std::string::npos) << result.output;
    }
}

TEST(ProgramStart, CliPrintsTheThreeOldestDraws) {
    TempFolder folder;
    const std::string command =
        std::string(FORTUNARA_CLI) + " --cartella " + Quoted(folder.path()) + " archivio --dal 3 --al 1";
    const test::CommandResult result = RunCommand(command);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              "3 10DIC1997 23 78 14 1 88 2 40 0\n"
              "2 06DIC1997 4 25 52 29 30 2 24 0\n"
              "1 03DIC1997 76 41 20 72 36 39 88 0\n");
}

}  // namespace
}  // namespace fortunara
