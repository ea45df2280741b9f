#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program/program_hooks.h"
#include "app/program/startup.h"
#include "app/windows/module1.h"
#include "app/windows/sestine.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_downloader.h"
#include "platform/qt/qt_launcher.h"
#include "platform/qt/qt_modal_runner.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_sounds.h"
#include "platform/qt/qt_translations.h"
#include "state/program_state.h"
#include "ui/look.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Fortunara");
    fortunara::InstallItalianTranslations(application);
    fortunara::ApplyLook(application);

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) arguments.push_back(argument.toStdString());
    const std::optional<std::string> folderOption = fortunara::TakeFolderOption(arguments);
    // For scripts and tests: start, show the window, and leave as soon as the event loop runs.
    const bool quitAfterStart = std::find(arguments.begin(), arguments.end(), "--esci-dopo-avvio") != arguments.end();

    fortunara::QtDialogs dialogs(nullptr);
    dialogs.SetUnattended(quitAfterStart);
    const fortunara::PreparedFolder prepared = fortunara::PrepareProgramFolder(folderOption);
    if (!prepared.error.empty()) {
        std::fprintf(stderr, "%s\n", prepared.error.c_str());
        if (!quitAfterStart)
            dialogs.Message(prepared.error, "ATTENZIONE !!!", fortunara::DialogButtons::Ok,
                            fortunara::DialogIcon::Critical);
        return 1;
    }

    fortunara::ProgramState state;
    state.programFolder = prepared.folder;
    fortunara::QtPrinter printer(prepared.folder, dialogs);
    fortunara::QtClipboard clipboard;
    fortunara::QtSounds sounds;
    fortunara::QtLauncher launcher;
    fortunara::QtDownloader downloader;
    fortunara::QtModalRunner modal;
    fortunara::Platform platform{printer, dialogs, clipboard, sounds, launcher, downloader, modal};

    const std::unique_ptr<fortunara::Sestine> window =
        fortunara::Module1(state, platform, fortunara::ProgramHooks(state, platform));
    if (quitAfterStart) QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
