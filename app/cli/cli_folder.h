#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace fortunara {

// The program folder of the command line. A folder the user names (--cartella, else
// FORTUNARA_HOME) must exist: a mistyped name is an error, never a fresh folder whose bundled
// archive would answer as if it were the user's. The user's own folder is made and filled as the
// program does at its start. Returns nullopt after writing why to err.
std::optional<std::filesystem::path> OpenCliFolder(const std::optional<std::string>& option, std::ostream& err);

}  // namespace fortunara
