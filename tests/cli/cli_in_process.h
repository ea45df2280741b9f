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

inline CliRun RunCliIn(const TempFolder& folder, const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, folder.path(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace fortunara::test
