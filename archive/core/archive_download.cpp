#include "archive/core/archive_download.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "archive/core/archive_files.h"
#include "archive/core/archive_verification.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

bool IsWebAddress(const std::string& address) {
    std::string lower = address;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0 || lower.rfind("file://", 0) == 0;
}

bool SameDraw(std::string_view a, std::string_view b) {
    const DrawRecord left = ParseDrawRecord(a);
    const DrawRecord right = ParseDrawRecord(b);
    return left.date == right.date && left.numbers == right.numbers;
}

}  // namespace

fs::path ArchiveCopyPath(const fs::path& programFolder) {
    return programFolder / "dati" / "estraz09.scaricato";
}

DownloadResult FetchArchiveCopy(Downloader& downloader, const std::string& address, const fs::path& copy,
                                const Downloader::Progress& progress) {
    DownloadResult result;
    const std::size_t first = address.find_first_not_of(" \t");
    if (first == std::string::npos) {
        result.error = "MANCA L'INDIRIZZO DELL'ARCHIVIO DA SCARICARE";
        return result;
    }
    const std::string trimmed = address.substr(first, address.find_last_not_of(" \t") - first + 1);
    std::error_code ec;
    fs::create_directories(copy.parent_path(), ec);
    if (IsWebAddress(trimmed)) return downloader.Download(trimmed, copy, progress);

    const FileBytes local = ReadFileBytes(fs::path(trimmed));
    if (!local.ok()) {
        result.error = local.error;
        return result;
    }
    result.error = ReplaceFileBytes(copy, local.bytes);
    result.ok = result.error.empty();
    const auto size = static_cast<std::int64_t>(local.bytes.size());
    if (result.ok && progress) progress(size, size);
    return result;
}

ArchiveCopyCheck CheckArchiveCopy(const fs::path& programFolder, const fs::path& copy) {
    ArchiveCopyCheck check;
    const FileBytes fetched = ReadFileBytes(copy);
    if (!fetched.ok()) {
        check.error = fetched.error;
        return check;
    }
    check.error = ArchiveCopyFault(fetched.bytes);
    if (!check.ok()) return check;
    check.copyCount = static_cast<int>(fetched.bytes.size() / kDrawRecordLength);

    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        check.error = archive.Error();
        return check;
    }
    check.currentCount = archive.RecordCount();
    const std::vector<std::string> current = archive.ReadDrawRecords(1, check.currentCount);
    archive.CloseDrawArchive();
    check.shorter = check.copyCount < check.currentCount;
    const int common = std::min(check.copyCount, check.currentCount);
    for (int k = 1; k <= common && !check.differs; ++k) {
        const auto at = static_cast<std::size_t>(k - 1);
        check.differs =
            !SameDraw(current[at], std::string_view(fetched.bytes).substr(at * kDrawRecordLength, kDrawRecordLength));
    }
    return check;
}

std::string ReplacementQuestion(const ArchiveCopyCheck& check) {
    std::string text = "L'ARCHIVIO SCARICATO HA " + Plain(check.copyCount) + " ESTRAZIONI, QUELLO ATTUALE " +
                       Plain(check.currentCount) + ".";
    if (check.shorter) text += "\nL'ARCHIVIO SCARICATO HA MENO ESTRAZIONI DI QUELLO ATTUALE.";
    if (check.differs) text += "\nLE PRIME ESTRAZIONI DELL'ARCHIVIO SCARICATO SONO DIVERSE DA QUELLE ATTUALI.";
    return text + "\nSOSTITUISCO L'ARCHIVIO ATTUALE CON QUELLO SCARICATO ?";
}

std::string InstallArchiveCopy(const fs::path& programFolder, const fs::path& copy) {
    const fs::path archive = DrawArchive::ArchivePath(programFolder);
    std::error_code ec;
    if (fs::exists(archive, ec) && fs::file_size(archive, ec) > 0) {
        const std::string backup = KeepArchiveBackup(programFolder);
        if (!backup.empty()) return backup;
    }
    fs::rename(copy, archive, ec);
    if (ec) return "IMPOSSIBILE SOSTITUIRE L'ARCHIVIO " + archive.string();
    return {};
}

void DiscardArchiveCopy(const fs::path& copy) {
    std::error_code ec;
    fs::remove(copy, ec);
}

fs::path UpdaterProgram(const fs::path& programFolder) {
    for (const char* name : {"rinfresco.exe", "rinfresco"}) {
        std::error_code ec;
        if (fs::is_regular_file(programFolder / name, ec)) return programFolder / name;
    }
    return {};
}

}  // namespace fortunara
