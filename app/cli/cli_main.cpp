#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/cli_run.h"
#include "app/program/startup.h"
#include "platform/qt/qt_downloader.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // The downloader of `importa` runs its own event loop.
    QCoreApplication application(argc, argv);
    fortunara::QtDownloader downloader;
    const std::optional<std::string> folderOption = fortunara::TakeFolderOption(arguments);
    const fortunara::PreparedFolder prepared = fortunara::PrepareProgramFolder(folderOption);
    if (!prepared.error.empty()) {
        std::cerr << prepared.error << '\n';
        return fortunara::kCliError;
    }
    return fortunara::RunCli(arguments, prepared.folder, std::cout, std::cerr, &downloader);
}
