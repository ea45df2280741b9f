#pragma once

#include <cstdint>
#include <filesystem>
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

// Keeps the archive as it is now as dati/estraz09.bak (one generation), copied a block at a time.
// Returns "" or the error; a writer that gets an error writes nothing. writeLimit: as for
// FileReplacement.
std::string KeepArchiveBackup(const std::filesystem::path& programFolder, std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
