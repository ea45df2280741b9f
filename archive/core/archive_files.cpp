#include "archive/core/archive_files.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "archive/core/draw_archive.h"
#include "platform/text/file_replacement.h"

namespace fortunara {

namespace fs = std::filesystem;

FileBytes ReadFileBytes(const fs::path& file) {
    FileBytes read;
    std::error_code ec;
    std::ifstream in(file, std::ios::binary);
    if (!in || fs::is_directory(file, ec)) {
        read.error = "IMPOSSIBILE LEGGERE IL FILE " + file.string();
        return read;
    }
    std::ostringstream all;
    all << in.rdbuf();
    if (in.bad()) {
        read.error = "IMPOSSIBILE LEGGERE IL FILE " + file.string();
        return read;
    }
    read.bytes = all.str();
    return read;
}

std::string ReplaceFileBytes(const fs::path& file, const std::string& bytes, std::uintmax_t writeLimit) {
    FileReplacement replacement(file, writeLimit);
    if (replacement.Write(bytes) && replacement.Commit()) return {};
    return "IMPOSSIBILE SCRIVERE IL FILE " + file.string();
}

fs::path ArchiveBackupPath(const fs::path& programFolder) {
    return programFolder / "dati" / "estraz09.bak";
}

std::string ReplaceArchive(const fs::path& programFolder, bool keepBackup,
                           const std::function<bool(FileReplacement& archive)>& write, std::uintmax_t writeLimit) {
    const fs::path path = DrawArchive::ArchivePath(programFolder);
    const fs::path backupPath = ArchiveBackupPath(programFolder);
    std::string backupFailed = "COPIA DI SICUREZZA NON RIUSCITA: IMPOSSIBILE SCRIVERE IL FILE " + backupPath.string() +
                               ". NON E' STATO SCRITTO NIENTE";
    std::optional<FileReplacement> backup;
    if (keepBackup) {
        backup.emplace(backupPath, writeLimit);
        if (!CopyInto(path, *backup)) return backupFailed;
    }
    FileReplacement archive(path, backup ? backup->Room() : writeLimit);
    std::string failed = "SCRITTURA DELL'ARCHIVIO " + path.string() + " NON RIUSCITA: L'ARCHIVIO E' RIMASTO COM'ERA";
    if (!write(archive)) return failed;
    if (backup && !backup->Commit()) return backupFailed;
    if (!archive.Commit()) return failed;
    return {};
}

}  // namespace fortunara
