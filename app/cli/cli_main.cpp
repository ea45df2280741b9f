#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_folder.h"
#include "app/cli/cli_run.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return fortunara::RunCli(arguments, fortunara::OpenCliFolder, std::cout, std::cerr);
}
