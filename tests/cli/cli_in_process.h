#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli_run.h"
#include "tests/support/temp_folder.h"

namespace fortunara::test {

// What a command line run in-process on a program folder gave.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs one command line in-process on the folder, as fortunara-cli would; `bundle` stands for the
// bundled program files.
inline CliRun RunIn(const TempFolder& folder, const std::vector<std::string>& arguments,
                    Downloader* downloader = nullptr, const std::filesystem::path& bundle = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, folder.path(), out, err, downloader, bundle);
    return {status, out.str(), err.str()};
}

}  // namespace fortunara::test
