#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fortunara {

struct PreparedFolder {
    std::filesystem::path folder;
    std::string error;  // Italian, empty when the folder is ready
};

// Removes "--cartella DIR" from the arguments and returns DIR.
std::optional<std::string> TakeFolderOption(std::vector<std::string>& arguments);

// The bundled program files: BIN/../share/fortunara when installed, "assets" beside the
// executable, else, in the build tree, the source tree's.
std::filesystem::path BundledAssets();

// Chooses the program folder (option, FORTUNARA_HOME, the user's data folder) and fills it
// with whatever bundled file it lacks, never overwriting one that is there.
PreparedFolder PrepareProgramFolder(const std::optional<std::string>& option);

}  // namespace fortunara
