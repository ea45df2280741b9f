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

std::string ReplaceFileBytes(const fs::path& file, const std::string& bytes) {
    FileReplacement replacement(file);
    if (replacement.Write(bytes) && replacement.Commit()) return {};
    return "IMPOSSIBILE SCRIVERE IL FILE " + file.string();
}

fs::path ArchiveBackupPath(const fs::path& programFolder) {
    return programFolder / "dati" / "estraz09.bak";
}

std::string KeepArchiveBackup(const fs::path& programFolder) {
    const FileBytes archive = ReadFileBytes(DrawArchive::ArchivePath(programFolder));
    if (!archive.ok()) return archive.error;
    const std::string error = ReplaceFileBytes(ArchiveBackupPath(programFolder), archive.bytes);
    return error.empty() ? error : "COPIA DI SICUREZZA NON RIUSCITA: " + error;
}

}  // namespace fortunara
