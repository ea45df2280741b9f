#include "archive/core/address_settings.h"

#include "archive/core/archive_files.h"
#include "platform/text/cp1252.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

const std::string kPage = "pagina=";
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
    const FileBytes file = ReadFileBytes(AddressSettingsPath(programFolder));
    if (!file.ok()) return addresses;
    const std::string text = Cp1252ToUtf8(file.bytes);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(kPage, 0) == 0) addresses.resultsPage = line.substr(kPage.size());
        if (line.rfind(kArchive, 0) == 0) addresses.archiveFile = line.substr(kArchive.size());
        start = end + 1;
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
