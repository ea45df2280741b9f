#include "archive/core/address_settings.h"

#include <fstream>

#include "archive/core/archive_files.h"
#include "platform/text/bounded_line.h"
#include "platform/text/cp1252.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

const std::string kPage = "pagina=";
constexpr std::size_t kLongestAddressLine = 4096;
constexpr int kMostAddressLines = 16;
const std::string kArchive = "archivio=";

// An address is one line: a line end pasted into it would start a line of its own.
std::string OneLine(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

}  // namespace

fs::path AddressSettingsPath(const fs::path& programFolder) {
    return programFolder / "indirizzi.txt";
}

ArchiveAddresses ReadAddresses(const fs::path& programFolder) {
    ArchiveAddresses addresses;
    std::ifstream file(AddressSettingsPath(programFolder), std::ios::binary);
    // The file holds two lines of one address each: reading stops at a line no address fills, or
    // after a few lines, so that a file that is no settings file (a device, a huge file) is not read.
    std::string raw;
    for (int lines = 0; file && lines < kMostAddressLines; ++lines) {
        if (ReadBoundedLine(file, raw, kLongestAddressLine) != LineRead::Line) break;
        const std::string line = Cp1252ToUtf8(raw);
        if (line.rfind(kPage, 0) == 0) addresses.resultsPage = line.substr(kPage.size());
        if (line.rfind(kArchive, 0) == 0) addresses.archiveFile = line.substr(kArchive.size());
    }
    return addresses;
}

std::string WriteAddresses(const fs::path& programFolder, const ArchiveAddresses& addresses,
                           std::uintmax_t writeLimit) {
    const std::string text =
        kPage + OneLine(addresses.resultsPage) + "\r\n" + kArchive + OneLine(addresses.archiveFile) + "\r\n";
    return ReplaceFileBytes(AddressSettingsPath(programFolder), Utf8ToCp1252(text), writeLimit);
}

}  // namespace fortunara
