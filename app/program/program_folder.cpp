#include "app/program/program_folder.h"

#include <system_error>

#include "archive/core/draw_archive.h"

namespace fortunara {

namespace fs = std::filesystem;

fs::path ChooseProgramFolder(const std::optional<std::string>& option, const std::optional<std::string>& environment,
                             const fs::path& userDataFolder) {
    if (option && !option->empty()) return fs::path(*option);
    if (environment && !environment->empty()) return fs::path(*environment);
    return userDataFolder;
}

// Every file system call takes an error code: a folder that cannot be read (no permission, a loop
// of symbolic links) ends the start with a message, never with an exception.
FolderFillResult FillProgramFolder(const fs::path& programFolder, const fs::path& assets, std::uintmax_t writeLimit) {
    FolderFillResult result;
    std::error_code ec;
    // A file of that name is not a folder that failed to be made: say what it is.
    if (fs::exists(programFolder, ec) && !fs::is_directory(programFolder, ec)) {
        result.error = "IL PERCORSO DELLA CARTELLA DEL PROGRAMMA " + programFolder.string() + " NON E' UNA CARTELLA";
        return result;
    }
    fs::create_directories(programFolder, ec);
    if (ec || !fs::is_directory(programFolder, ec)) {
        result.error = "IMPOSSIBILE CREARE LA CARTELLA DEL PROGRAMMA " + programFolder.string();
        return result;
    }
    if (!fs::is_directory(assets, ec)) {
        result.error = "FILE DEL PROGRAMMA NON TROVATI IN " + assets.string();
        return result;
    }
    for (auto it = fs::recursive_directory_iterator(assets, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        const fs::path relative = it->path().lexically_relative(assets);
        const fs::path target = programFolder / relative;
        const bool present = fs::exists(target, fileError);
        if (fileError) {
            result.error = "IMPOSSIBILE LEGGERE LA CARTELLA " + target.parent_path().string();
            return result;
        }
        if (present) continue;
        fs::create_directories(target.parent_path(), fileError);
        // A copy cut short (a full disk) leaves nothing behind, so the next start copies again.
        if (fileError || !CopyWholeFile(it->path(), target, writeLimit)) {
            result.error = "IMPOSSIBILE SCRIVERE NELLA CARTELLA DEL PROGRAMMA " + programFolder.string() + " (" +
                           relative.string() + ")";
            return result;
        }
        result.copied.push_back(relative);
    }
    if (ec) result.error = "FILE DEL PROGRAMMA NON LEGGIBILI IN " + assets.string();
    return result;
}

int RemoveStaleWriterFiles(const fs::path& programFolder, fs::file_time_type started) {
    std::vector<fs::path> folders = {programFolder};
    std::error_code ec;
    for (auto it = fs::directory_iterator(programFolder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code entryError;
        if (it->is_directory(entryError) && !it->is_symlink(entryError)) folders.push_back(it->path());
    }
    const fs::path archive = DrawArchive::ArchivePath(programFolder);
    if (const std::optional<fs::path> target = FollowLinks(archive); target && *target != archive) {
        folders.push_back(target->parent_path());
    }
    int removed = 0;
    for (const fs::path& folder : folders) removed += RemoveStaleTemporaryFiles(folder, started);
    return removed;
}

}  // namespace fortunara
