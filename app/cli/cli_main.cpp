#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_folder.h"
#include "app/cli/cli_run.h"
#include "app/program/startup.h"
#include "platform/qt/qt_downloader.h"
#include "platform/qt/qt_translations.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments == std::vector<std::string>{"--version"}) {
        std::cout << "fortunara-cli (Fortunara) " << FORTUNARA_VERSION << '\n';
        return 0;
    }
    // The downloader of `importa` runs its own event loop.
    QCoreApplication application(argc, argv);
    fortunara::InstallItalianTranslations(application);
    fortunara::QtDownloader downloader;
    return fortunara::RunCli(arguments, fortunara::OpenCliFolder, std::cout, std::cerr, &downloader,
                             fortunara::BundledAssets());
}
