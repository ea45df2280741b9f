// Starts the real programs on fresh program folders.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/text/file_lock.h"
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

// A folder the program cannot use ends both front ends with a message that says why, and nothing is
// changed: a file named as the folder, a data folder that is a loop of symbolic links.
TEST(ProgramStart, UnusableFoldersEndBothFrontEndsWithAnItalianMessage) {
    TempFolder folder;
    folder.WriteFile("occupato", "a file where the folder should be");
    const fs::path file = folder.path() / "occupato";
    const fs::path home = folder.path() / "casa";
    fs::create_directories(home);
    fs::create_symlink("dati", home / "dati");  // a loop of symbolic links
    const std::pair<fs::path, std::string> rows[] = {
        {file, "IL PERCORSO DELLA CARTELLA DEL PROGRAMMA " + file.string() + " NON E' UNA CARTELLA\n"},
        {home, "IMPOSSIBILE LEGGERE LA CARTELLA " + (home / "dati").string() + "\n"},
    };
    for (const auto& [named, expected] : rows) {
        const std::pair<std::string, int> frontEnds[] = {
            {std::string("QT_QPA_PLATFORM=offscreen ") + FORTUNARA_PROGRAM + " --cartella " + Quoted(named) +
                 " --esci-dopo-avvio 2>&1",
             1},
            {std::string(FORTUNARA_CLI) + " --cartella " + Quoted(named) + " archivio 2>&1", 2},
        };
        for (const auto& [command, status] : frontEnds) {
            const test::CommandResult result = RunCommand(command);
            EXPECT_EQ(result.status, status) << command << "\n" << result.output;
            EXPECT_NE(result.output.find(expected), std::string::npos) << result.output;
        }
    }
    EXPECT_EQ(folder.ReadFile("occupato"), "a file where the folder should be");
}

TEST(ProgramStart, AScriptedStartSaysWhyTheArchiveCannotBeOpenedAndGoesOn) {
    TempFolder folder;
    folder.WriteArchive("01GEN20090102030405060708");
    fs::remove(folder.path() / "dati" / "estraz09.txt");
    fs::create_directories(folder.path() / "dati" / "estraz09.txt");  // a folder where the archive should be
    const std::string start = std::string("QT_QPA_PLATFORM=offscreen ") + FORTUNARA_PROGRAM + " --cartella " +
                              Quoted(folder.path()) + " --esci-dopo-avvio 2>&1";
    const test::CommandResult result = RunCommand(start);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.output.find("ATTENZIONE !!!: IMPOSSIBILE APRIRE L'ARCHIVIO"), std::string::npos) << result.output;
}

TEST(ProgramStart, BothFrontEndsRemoveTheTemporaryFilesOfAKilledRun) {
    const fs::path stale[] = {"dati/.estraz09.txt.3f9a0c61d2b7.tmp", "matrion/.SISTEMI.TXT.00000000000a.tmp",
                              ".indirizzi.txt.0123456789ab.tmp"};
    const fs::path kept[] = {"dati/estraz09.txt.tmp", "matrion/.appunti.txt"};
    for (const bool program : {true, false}) {
        TempFolder folder;
        for (const fs::path& name : stale) {
            folder.WriteFile(name, "half a copy");
            fs::last_write_time(folder.path() / name, fs::file_time_type::clock::now() - std::chrono::minutes(5));
        }
        for (const fs::path& name : kept) folder.WriteFile(name, "the user's");
        const std::string command = program ? std::string("QT_QPA_PLATFORM=offscreen ") + FORTUNARA_PROGRAM +
                                                  " --cartella " + Quoted(folder.path()) + " --esci-dopo-avvio"
                                            : std::string(FORTUNARA_CLI) + " --cartella " + Quoted(folder.path()) +
                                                  " archivio --dal 1 --al 1 >/dev/null";
        ASSERT_EQ(RunCommand(command + " 2>/dev/null").status, 0) << command;
        for (const fs::path& name : stale) EXPECT_FALSE(fs::exists(folder.path() / name)) << name << command;
        for (const fs::path& name : kept) EXPECT_TRUE(fs::exists(folder.path() / name)) << name << command;
    }
}

// A second copy of the window program on a folder where one runs says so and does not open, and
// leaves the running copy's temporary files alone; the command line still works there. Once the
// first copy is gone, the program starts again.
TEST(ProgramStart, ASecondCopyOnTheSameFolderIsRefusedWithAMessage) {
    TempFolder folder;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const pid_t first = test::StartProgram({FORTUNARA_PROGRAM, "--cartella", folder.path().string()});
    ASSERT_GT(first, 0);
    // The first copy holds the folder through this file once it started.
    bool held = false;
    for (int wait = 0; wait < 600 && !held; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        FileLock probe(folder.path() / ".fortunara.lock");
        held = probe.opened() && !probe.TryLock();
    }
    // A file the first copy is writing.
    const fs::path running = "dati/.estraz09.txt.00000000000b.tmp";
    folder.WriteFile(running, "the running copy's");
    const std::string second = std::string("QT_QPA_PLATFORM=offscreen ") + FORTUNARA_PROGRAM + " --cartella " +
                               Quoted(folder.path()) + " --esci-dopo-avvio 2>&1";
    const test::CommandResult refused = RunCommand(second);
    const bool runningFileKept = fs::exists(folder.path() / running);
    const test::CommandResult cli =
        RunCommand(std::string(FORTUNARA_CLI) + " --cartella " + Quoted(folder.path()) + " archivio --dal 1 --al 1");
    kill(first, SIGKILL);
    int status = 0;
    waitpid(first, &status, 0);
    ASSERT_TRUE(held);
    EXPECT_EQ(refused.status, 1) << refused.output;
    const std::string message = "FORTUNARA E' GIA' APERTO SULLA CARTELLA " + folder.path().string() +
                                ": USA LA FINESTRA GIA' APERTA. UNA SECONDA COPIA SULLA STESSA CARTELLA NON SI APRE\n";
    EXPECT_NE(refused.output.find(message), std::string::npos) << refused.output;
    EXPECT_EQ(cli.output, "1 03DIC1997 76 41 20 72 36 39 88 0\n");
    EXPECT_TRUE(runningFileKept);
    EXPECT_EQ(RunCommand(second).status, 0);
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

// The command line on a folder of its own: no user folder, FORTUNARA_HOME as given.
std::string Cli(const TempFolder& folder, const std::string& home, const std::string& arguments) {
    const std::string environment = home.empty() ? "env -u FORTUNARA_HOME" : "env FORTUNARA_HOME=" + Quoted(home);
    return environment + " XDG_DATA_HOME=" + Quoted(folder.path() / "xdg") + " " + FORTUNARA_CLI + " " + arguments +
           " 2>&1";
}

TEST(ProgramStart, CliHelpAndUsageMistakesTouchNoFolder) {
    TempFolder folder;
    const fs::path userFolder = folder.path() / "xdg" / "Fortunara";
    const struct {
        std::string arguments;
        int status;
        std::string firstLine;
    } rows[] = {
        {"--help", 0, "uso: fortunara-cli [--cartella CARTELLA] [--csv] COMANDO [OPZIONI]"},
        {"ritardi --help", 0,
         "uso: fortunara-cli [--cartella CARTELLA] [--csv] ritardi --dal R --al R [--posizioni LISTA|nessuna]"},
        {"", 2, "MANCA IL COMANDO"},
        {"archivio --mese MAR", 2, "OPZIONE SCONOSCIUTA: --mese"},
    };
    for (const auto& row : rows) {
        const test::CommandResult result = RunCommand(Cli(folder, "", row.arguments));
        EXPECT_EQ(result.status, row.status) << row.arguments;
        EXPECT_EQ(result.output.substr(0, result.output.find('\n')), row.firstLine);
        EXPECT_FALSE(fs::exists(userFolder)) << row.arguments;
    }
    // A command that runs fills the user's folder, as the program does.
    EXPECT_EQ(RunCommand(Cli(folder, "", "archivio --dal 1 --al 1")).output, "1 03DIC1997 76 41 20 72 36 39 88 0\n");
    EXPECT_TRUE(fs::exists(userFolder / "dati" / "estraz09.txt"));
}

TEST(ProgramStart, CliRefusesANamedFolderThatDoesNotExist) {
    TempFolder folder;
    const fs::path missing = folder.path() / "prova-sbagliata";
    const std::string message = "LA CARTELLA " + missing.string() + " NON ESISTE\n";
    for (const std::string& call : {Cli(folder, "", "--cartella " + Quoted(missing) + " archivio"),
                                    Cli(folder, "", "--cartella=" + Quoted(missing) + " ritardi --dal 1 --al 1"),
                                    Cli(folder, missing.string(), "archivio")}) {
        const test::CommandResult result = RunCommand(call);
        EXPECT_EQ(result.status, 2) << call;
        EXPECT_EQ(result.output, message) << call;
        EXPECT_FALSE(fs::exists(missing)) << call;
        EXPECT_FALSE(fs::exists(folder.path() / "xdg")) << call;
    }
    // --cartella comes before FORTUNARA_HOME: an existing folder there is used and filled.
    const fs::path there = folder.path() / "esiste";
    fs::create_directory(there);
    const test::CommandResult named =
        RunCommand(Cli(folder, missing.string(), "--cartella " + Quoted(there) + " archivio --dal 2 --al 2"));
    EXPECT_EQ(named.status, 0) << named.output;
    EXPECT_TRUE(fs::exists(there / "dati" / "estraz09.txt"));
}

}  // namespace
}  // namespace fortunara
