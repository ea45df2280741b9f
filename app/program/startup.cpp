#include "app/program/startup.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <system_error>

#include "app/program/program_folder.h"
#include "platform/text/file_lock.h"

namespace fortunara {

namespace fs = std::filesystem;

std::optional<std::string> TakeFolderOption(std::vector<std::string>& arguments) {
    std::optional<std::string> folder;
    for (std::size_t i = 0; i < arguments.size();) {
        if (arguments[i] == "--cartella" && i + 1 < arguments.size()) {
            folder = arguments[i + 1];
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                            arguments.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (arguments[i].rfind("--cartella=", 0) == 0) {
            folder = arguments[i].substr(11);
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return folder;
}

fs::path BundledAssets() {
    // Run inside a test, without the program around it: the sources' files.
    if (QCoreApplication::instance() == nullptr) return fs::path(FORTUNARA_ASSETS_DIR);
    const fs::path programs = QCoreApplication::applicationDirPath().toStdString();
    // Installed (BIN/../share/fortunara), or a copy that carries its files beside it.
    fs::path installed = (programs / FORTUNARA_ASSETS_FROM_PROGRAMS).lexically_normal();
    std::error_code ec;
    for (const fs::path& candidate : {installed, programs / "assets"}) {
        if (fs::is_directory(candidate, ec)) return candidate;
    }
    // The build tree uses the sources' files; an installed program never does.
    if (fs::equivalent(programs, fs::path(FORTUNARA_BUILD_PROGRAMS), ec)) return fs::path(FORTUNARA_ASSETS_DIR);
    return installed;
}

fs::path RunningProgramLockFile(const fs::path& programFolder) {
    return programFolder / ".fortunara.lock";
}

PreparedFolder PrepareProgramFolder(const std::optional<std::string>& option, bool windowProgram) {
    // Every temporary file of the program's written before now is a leftover of a run that was killed.
    const fs::file_time_type started = fs::file_time_type::clock::now();
    QCoreApplication::setApplicationName("Fortunara");
    const char* home = std::getenv("FORTUNARA_HOME");
    const fs::path userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    PreparedFolder prepared;
    prepared.folder = ChooseProgramFolder(option, home ? std::optional<std::string>(home) : std::nullopt, userFolder);
    const FolderFillResult filled = FillProgramFolder(prepared.folder, BundledAssets());
    prepared.error = filled.error;
    if (!filled.ok()) return prepared;
    if (windowProgram) {
        // Two windows on one folder would each write the files over the other's work; and the
        // temporary files of a running copy are no leftovers, so they are not removed either.
        auto running = std::make_shared<FileLock>(RunningProgramLockFile(prepared.folder));
        if (running->opened() && !running->TryLock()) {
            prepared.error = "FORTUNARA E' GIA' APERTO SULLA CARTELLA " + prepared.folder.string() +
                             ": USA LA FINESTRA GIA' APERTA. UNA SECONDA COPIA SULLA STESSA CARTELLA NON SI APRE";
            return prepared;
        }
        prepared.running = std::move(running);
    }
    RemoveStaleWriterFiles(prepared.folder, started);
    return prepared;
}

}  // namespace fortunara
