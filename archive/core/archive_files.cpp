#include "archive/core/archive_files.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "archive/core/draw_archive.h"

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
    const fs::path temporary = fs::path(file).concat(".tmp");
    const std::string failed = "IMPOSSIBILE SCRIVERE IL FILE " + file.string();
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.is_open()) return failed;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ec;
            out.close();
            fs::remove(temporary, ec);
            return failed;
        }
    }
    std::error_code ec;
    fs::rename(temporary, file, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return failed;
    }
    return {};
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
