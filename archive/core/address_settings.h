#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/text/file_replacement.h"

namespace fortunara {

// The two addresses the archive's windows use: the results page the import window opens in the
// browser, and the archive file the download window fetches. No address is built in: the user
// writes them in the windows, and the program remembers them in indirizzi.txt of the program
// folder (Windows-1252, CR LF, one "name=address" line each).
struct ArchiveAddresses {
    std::string resultsPage;  // "pagina="
    std::string archiveFile;  // "archivio="
    bool operator==(const ArchiveAddresses&) const = default;
};

std::filesystem::path AddressSettingsPath(const std::filesystem::path& programFolder);

// A missing or unreadable file gives empty addresses.
ArchiveAddresses ReadAddresses(const std::filesystem::path& programFolder);
// Returns "" or the error. writeLimit: the tests' full disk.
std::string WriteAddresses(const std::filesystem::path& programFolder, const ArchiveAddresses& addresses,
                           std::uintmax_t writeLimit = kNoWriteLimit);

// The messages for an address that is needed and empty.
inline constexpr const char* kNoResultsPage =
    "MANCA L'INDIRIZZO DELLA PAGINA DEI RISULTATI: SCRIVILO NELLA CASELLA \"Indirizzo\"";
inline constexpr const char* kNoArchiveFile =
    "MANCA L'INDIRIZZO DELL'ARCHIVIO DA SCARICARE: SCRIVILO NELLA CASELLA \"Indirizzo dell'archivio\"";

}  // namespace fortunara
