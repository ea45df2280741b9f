#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/cli_run.h"
#include "app/program/startup.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::optional<std::string> folderOption = fortunara::TakeFolderOption(arguments);
    const fortunara::PreparedFolder prepared = fortunara::PrepareProgramFolder(folderOption);
    if (!prepared.error.empty()) {
        std::cerr << prepared.error << '\n';
        return fortunara::kCliError;
    }
    return fortunara::RunCli(arguments, prepared.folder, std::cout, std::cerr);
}
