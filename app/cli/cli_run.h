#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/api/downloader.h"

namespace fortunara {

// Gives the program folder for the --cartella value (nullopt when the option is not given), or
// nullopt after writing to err in Italian why there is none. Called only for a command line
// that is going to run a command, so that a usage error or --help touches no folder.
using FolderOpener =
    std::function<std::optional<std::filesystem::path>(const std::optional<std::string>& option, std::ostream& err)>;

// Runs one command line (without the program name). Returns the exit status; the usage asked
// for with --help or -h goes to out, errors go to err in Italian.
// `downloader` serves `importa` from a web address; without one the command takes files only.
// `bundle` is the folder of the bundled program files, whose starter library `libreria` adds.
int RunCli(const std::vector<std::string>& arguments, const FolderOpener& openFolder, std::ostream& out,
           std::ostream& err, Downloader* downloader = nullptr, const std::filesystem::path& bundle = {});
// The same on a program folder that is ready.
int RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder, std::ostream& out,
           std::ostream& err, Downloader* downloader = nullptr, const std::filesystem::path& bundle = {});

}  // namespace fortunara
