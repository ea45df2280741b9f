#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/file_replacement.h"

namespace fortunara {

// Chooses the program folder: the --cartella option, else FORTUNARA_HOME, else the user's data folder.
std::filesystem::path ChooseProgramFolder(const std::optional<std::string>& option,
                                          const std::optional<std::string>& environment,
                                          const std::filesystem::path& userDataFolder);

struct FolderFillResult {
    std::vector<std::filesystem::path> copied;  // relative paths
    std::string error;                          // Italian, empty when all went well
    bool ok() const { return error.empty(); }
};

// Copies every file of the bundled assets that the program folder lacks. A file already in the
// program folder is never touched, whatever its content. Creates the folder when needed. Each copy
// is there whole or not at all; writeLimit makes every copy fail after that many bytes (tests).
FolderFillResult FillProgramFolder(const std::filesystem::path& programFolder, const std::filesystem::path& assets,
                                   std::uintmax_t writeLimit = kNoWriteLimit);

// Removes what writers killed half-way (a kill, a power cut) left behind: the program's own
// temporary files written before `started`, in the program folder, the folders right inside it and
// the folder of the file the archive links to. Should another run still be writing one of them, its
// write fails and says so, and its file stays as it was. Returns how many were removed.
int RemoveStaleWriterFiles(const std::filesystem::path& programFolder, std::filesystem::file_time_type started);

}  // namespace fortunara
