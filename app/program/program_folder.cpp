#include "app/program/program_folder.h"

#include <system_error>

namespace fortunara {

namespace fs = std::filesystem;

fs::path ChooseProgramFolder(const std::optional<std::string>& option, const std::optional<std::string>& environment,
                             const fs::path& userDataFolder) {
    if (option && !option->empty()) return fs::path(*option);
    if (environment && !environment->empty()) return fs::path(*environment);
    return userDataFolder;
}

FolderFillResult FillProgramFolder(const fs::path& programFolder, const fs::path& assets) {
    FolderFillResult result;
    std::error_code ec;
    fs::create_directories(programFolder, ec);
    if (ec || !fs::is_directory(programFolder)) {
        result.error = "IMPOSSIBILE CREARE LA CARTELLA DEL PROGRAMMA " + programFolder.string();
        return result;
    }
    if (!fs::is_directory(assets, ec)) {
        result.error = "FILE DEL PROGRAMMA NON TROVATI IN " + assets.string();
        return result;
    }
    for (auto it = fs::recursive_directory_iterator(assets, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        const fs::path relative = fs::relative(it->path(), assets);
        const fs::path target = programFolder / relative;
        if (fs::exists(target)) continue;
        std::error_code copyError;
        fs::create_directories(target.parent_path(), copyError);
        if (!copyError) fs::copy_file(it->path(), target, copyError);
        if (copyError) {
            result.error = "IMPOSSIBILE SCRIVERE NELLA CARTELLA DEL PROGRAMMA " + programFolder.string() + " (" +
                           relative.string() + ")";
            return result;
        }
        result.copied.push_back(relative);
    }
    if (ec) result.error = "FILE DEL PROGRAMMA NON LEGGIBILI IN " + assets.string();
    return result;
}

}  // namespace fortunara
