// The command line killed while it replaces the archive: the archive is the old one or the new one,
// and the next start leaves no temporary file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

#include "platform/text/file_replacement.h"
#include "tests/cli/dated_draws.h"
#include "tests/cli/run_command.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

std::vector<std::string> TemporaryFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (IsTemporaryFileName(entry.path().filename().string())) names.push_back(entry.path().string());
    }
    return names;
}

// 50 runs of `importa`, each killed after a time drawn with a fixed seed from the length of a run
// that is not killed (the shortest of three): some before the copy is read, some while the backup or the new archive is
// written, some after. A run killed before its end leaves its files; the next start removes them.
TEST(KilledWriter, AnImportKilledAnywhereLeavesTheOldOrTheNewArchive) {
    TempFolder folder;
    const std::string old = test::DatedDraws(4000);
    const std::string fresh = test::DatedDraws(4800);
    folder.WriteFile("copia.txt", fresh);
    const fs::path archive = folder.path() / "dati" / "estraz09.txt";
    const std::string cli = FORTUNARA_CLI;
    const std::vector<std::string> import = {
        cli, "--cartella", folder.path().string(), "importa", (folder.path() / "copia.txt").string(), "--forza"};
    const std::string nextStart = cli + " --cartella '" + folder.path().string() + "' verifica";

    // The shortest of three whole runs: the first start of a program is the slowest.
    auto whole = std::chrono::steady_clock::duration::max();
    int status = -1;
    for (int run = 0; run < 3; ++run) {
        folder.WriteArchive(old);
        const auto started = std::chrono::steady_clock::now();
        waitpid(test::StartProgram(import), &status, 0);
        whole = std::min(whole, std::chrono::steady_clock::now() - started);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(folder.ReadFile("dati/estraz09.txt"), fresh);
    }

    std::mt19937 random(20260821);
    std::uniform_int_distribution<long long> after(
        0, std::chrono::duration_cast<std::chrono::microseconds>(whole).count());
    int kept = 0;
    int replaced = 0;
    for (int run = 0; run < 50; ++run) {
        folder.WriteArchive(old);
        const pid_t child = test::StartProgram(import);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(after(random)));
        kill(child, SIGKILL);
        waitpid(child, &status, 0);

        const std::string now = folder.ReadFile("dati/estraz09.txt");
        ASSERT_TRUE(now == old || now == fresh) << "run " << run << ": " << now.size() << " bytes";
        (now == old ? kept : replaced) += 1;
        const test::CommandResult checked = test::RunCommand(nextStart);
        EXPECT_EQ(checked.status, 0) << "run " << run << ": " << checked.output;
        EXPECT_EQ(TemporaryFiles(folder.path()), std::vector<std::string>{}) << "run " << run;
    }
    EXPECT_TRUE(fs::is_regular_file(archive));
    std::cout << "old archive after " << kept << " runs, new after " << replaced << '\n';
}

}  // namespace
}  // namespace fortunara
