#pragma once

#include <filesystem>
#include <string>

#include "platform/api/downloader.h"

namespace fortunara {

// The replacement of the whole archive by a fresh copy: fetched into a temporary file beside the
// archive, checked, compared with the archive, and only then renamed over it.

// dati/estraz09.scaricato: where the copy waits for its checks.
std::filesystem::path ArchiveCopyPath(const std::filesystem::path& programFolder);

// Fetches the copy from a web address (http://, https://, file://) through the downloader, or
// copies it from a local file path. An empty address is refused with a message.
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

// Checks the copy (ArchiveCopyFault) and compares it with the current archive, draw by draw.
ArchiveCopyCheck CheckArchiveCopy(const std::filesystem::path& programFolder, const std::filesystem::path& copy);

// The question put before a shorter or differing copy replaces the archive (Yes replaces).
std::string ReplacementQuestion(const ArchiveCopyCheck& check);

// Keeps the archive as dati/estraz09.bak, then renames the copy over it. Returns "" or the error;
// the archive is unchanged on an error.
std::string InstallArchiveCopy(const std::filesystem::path& programFolder, const std::filesystem::path& copy);

// Removes a copy that will not be installed.
void DiscardArchiveCopy(const std::filesystem::path& copy);

// The separate updater program beside the program (rinfresco.exe, or rinfresco where programs
// have no extension); empty when it is not there.
std::filesystem::path UpdaterProgram(const std::filesystem::path& programFolder);

}  // namespace fortunara
