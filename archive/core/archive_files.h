#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/text/file_replacement.h"

namespace fortunara {

// Whole files as the archive's writers read and replace them.

struct FileBytes {
    std::string bytes;
    std::string error;  // Italian, set when the file could not be read
    bool ok() const { return error.empty(); }
};

// Every byte of a file; a missing or unreadable file gives an error naming it.
FileBytes ReadFileBytes(const std::filesystem::path& file);

// Replaces the file with the bytes through the program's one whole-file writer (FileReplacement),
// so a failure leaves the old file whole. Returns "" or the error.
std::string ReplaceFileBytes(const std::filesystem::path& file, const std::string& bytes,
                             std::uintmax_t writeLimit = kNoWriteLimit);

// dati/estraz09.bak: the archive as it was before the last writer rewrote records of it.
std::filesystem::path ArchiveBackupPath(const std::filesystem::path& programFolder);

// Puts a new archive in place of the old one as a whole: `write` writes the new archive into the
// replacement it is given. With keepBackup the archive as it is now becomes dati/estraz09.bak (one
// generation) as well. Both files are written whole beside their places before either takes its
// place, the backup first, so a write that fails leaves the archive and its backup as they were.
// The write limit counts the bytes of both. Returns "" or the error.
std::string ReplaceArchive(const std::filesystem::path& programFolder, bool keepBackup,
                           const std::function<bool(FileReplacement& archive)>& write,
                           std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
