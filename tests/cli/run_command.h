#pragma once

#include <sys/wait.h>
#include <cstdio>
#include <string>

namespace fortunara::test {

struct CommandResult {
    int status = -1;
    std::string output;
};

// Runs a shell command line and collects its standard output and exit status.
inline CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, read);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

}  // namespace fortunara::test
