#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/api/downloader.h"

namespace fortunara {

// Runs one command line (without program name and --cartella) on the given program folder.
// Returns the exit status; errors are written to err in Italian. The downloader serves `importa`
// from a web address.
int RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder, std::ostream& out,
           std::ostream& err, Downloader* downloader = nullptr);

}  // namespace fortunara
