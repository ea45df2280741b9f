#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/api/downloader.h"
#include "platform/text/file_replacement.h"

namespace fortunara {

class ArchiveLock;

// The replacement of the whole archive by a fresh copy: fetched into a temporary file of the run's
// own beside the archive (a TemporaryFile of the archive's path), checked and compared with the
// archive under the archive's lock, and only then written over the archive as a whole.

// What the user is told when no temporary file for the copy could be made beside the archive.
std::string NoArchiveCopyError(const std::filesystem::path& programFolder);

// Fetches the copy from a web address (http://, https://, file://) through the downloader, or
// copies it from a local file path a block at a time, checking it as it comes: the copy stops at
// the first record that is no draw, so a source that is no archive (/dev/zero) is not read on. An
// empty address is refused with a message.
DownloadResult FetchArchiveCopy(Downloader& downloader, const std::string& address, const std::filesystem::path& copy,
                                const Downloader::Progress& progress);

struct ArchiveCopyCheck {
    std::string error;     // why the copy may not replace the archive ("" when it may)
    int copyCount = 0;     // draws of the copy
    int currentCount = 0;  // draws of the archive now
    bool shorter = false;  // the copy has fewer draws than the archive
    bool differs = false;  // some of the archive's draws are not the copy's first draws
    bool ok() const { return error.empty(); }
    // Whether the user must agree before the copy replaces the archive.
    bool NeedsConfirmation() const { return ok() && (shorter || differs); }
};

// Checks the copy (ArchiveCopyFault) and compares it with the current archive, draw by draw, both
// read a block at a time.
ArchiveCopyCheck CheckArchiveCopy(const std::filesystem::path& programFolder, const std::filesystem::path& copy);

// The question put before a shorter or differing copy replaces the archive (Yes replaces).
std::string ReplacementQuestion(const ArchiveCopyCheck& check);

// Keeps the archive as dati/estraz09.bak, then writes the copy over it through FileReplacement
// (an archive that is a symbolic link stays one), under the lock the caller holds. Returns "" or
// the error; the archive is unchanged on an error. writeLimit: as for FileReplacement.
std::string InstallArchiveCopy(const std::filesystem::path& programFolder, const std::filesystem::path& copy,
                               const ArchiveLock& lock, std::uintmax_t writeLimit = kNoWriteLimit);

// The separate updater program beside the program (rinfresco.exe, or rinfresco where programs
// have no extension); empty when it is not there.
std::filesystem::path UpdaterProgram(const std::filesystem::path& programFolder);

}  // namespace fortunara
