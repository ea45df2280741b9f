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

namespace {

constexpr const char* kUsage =
    "uso: fortunara [--cartella CARTELLA] [--esci-dopo-avvio]\n"
    "     fortunara --help | --version\n"
    "Fortunara, il programma dei giocatori della Sestaria: l'archivio delle estrazioni, le statistiche,\n"
    "i sistemi, il controllo delle vincite, il metodo dei vertibili e la stampa delle schedine.\n"
    "  --cartella CARTELLA  la cartella del programma (senza l'opzione: FORTUNARA_HOME, altrimenti\n"
    "                       ~/.local/share/Fortunara); i file che le mancano vi sono copiati all'avvio\n"
    "  --esci-dopo-avvio    apre la finestra ed esce subito (per gli script e le prove)\n"
    "  --help, -h           questo aiuto\n"
    "  --version            la versione del programma\n"
    "I calcoli senza finestre: fortunara-cli --help.\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("Fortunara %s\n", FORTUNARA_VERSION);
            return 0;
        }
    }
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
    const fortunara::PreparedFolder prepared = fortunara::PrepareProgramFolder(folderOption, true);
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
