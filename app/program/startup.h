#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fortunara {

class FileLock;

struct PreparedFolder {
    std::filesystem::path folder;
    std::string error;  // Italian, empty when the folder is ready
    // The window program's hold on the folder, for as long as it runs (see PrepareProgramFolder).
    std::shared_ptr<FileLock> running;
};

// The file the window program holds a lock on while it runs on the program folder.
std::filesystem::path RunningProgramLockFile(const std::filesystem::path& programFolder);

// Removes "--cartella DIR" from the arguments and returns DIR.
std::optional<std::string> TakeFolderOption(std::vector<std::string>& arguments);

// The bundled program files: BIN/../share/fortunara when installed, "assets" beside the
// executable, else, in the build tree, the source tree's.
std::filesystem::path BundledAssets();

// Chooses the program folder (option, FORTUNARA_HOME, the user's data folder) and fills it
// with whatever bundled file it lacks, never overwriting one that is there. With `windowProgram`
// the folder is also locked for the window program: when another copy of it already runs on the
// folder, the error says so and nothing of the folder is removed. A folder where the lock file
// cannot be made (a read-only folder) is used without the lock. The command line takes no lock.
PreparedFolder PrepareProgramFolder(const std::optional<std::string>& option, bool windowProgram = false);

}  // namespace fortunara
