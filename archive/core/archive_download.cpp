#include "archive/core/archive_download.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "archive/core/archive_verification.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "archive/core/draw_scan.h"
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

// The bytes a copy is read in: 4096 records.
constexpr std::size_t kCopyBlock = static_cast<std::size_t>(kScanBlockRecords) * kDrawRecordLength;

// Hands the stream's bytes to `visit` a block at a time, until the end or until it returns false.
// False when the stream could not be read.
template <class Visit>
bool ForEachBlock(std::istream& in, Visit visit) {
    std::string block(kCopyBlock, '\0');
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0));
        if (!visit(std::string_view(block.data(), got))) break;
    }
    return !in.bad();
}

// Copies a local file into the copy a block at a time, checking as it goes. Returns "" or the error.
std::string CopyCheckedArchive(const fs::path& source, const fs::path& copy) {
    std::error_code ec;
    std::ifstream in(source, std::ios::binary);
    if (!in || fs::is_directory(source, ec)) return "IMPOSSIBILE LEGGERE IL FILE " + source.string();
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    ArchiveCopyChecker checker;
    const bool read = ForEachBlock(in, [&](std::string_view got) {
        out.write(got.data(), static_cast<std::streamsize>(got.size()));
        return checker.Feed(got) && out.good();
    });
    if (!read) return "IMPOSSIBILE LEGGERE IL FILE " + source.string();
    out.flush();
    if (!out) return "IMPOSSIBILE SCRIVERE IL FILE " + copy.string();
    return checker.Finish();
}

}  // namespace

std::string NoArchiveCopyError(const fs::path& programFolder) {
    return "IMPOSSIBILE SCRIVERE NELLA CARTELLA " + DrawArchive::ArchivePath(programFolder).parent_path().string() +
           ": L'ARCHIVIO NON E' STATO TOCCATO";
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
    if (IsWebAddress(trimmed)) return downloader.Download(trimmed, copy, progress);

    result.error = CopyCheckedArchive(fs::path(trimmed), copy);
    result.ok = result.error.empty();
    std::error_code ec;
    const auto size = static_cast<std::int64_t>(fs::file_size(copy, ec));
    if (result.ok && progress && !ec) progress(size, size);
    return result;
}

ArchiveCopyCheck CheckArchiveCopy(const fs::path& programFolder, const fs::path& copy) {
    ArchiveCopyCheck check;
    std::error_code ec;
    std::ifstream fetched(copy, std::ios::binary);
    if (!fetched || fs::is_directory(copy, ec)) {
        check.error = "IMPOSSIBILE LEGGERE IL FILE " + copy.string();
        return check;
    }
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        check.error = archive.Error();
        return check;
    }
    check.currentCount = archive.RecordCount();
    // Block by block: the copy's records are checked, and compared with the archive's of the same
    // numbers while both have records.
    ArchiveCopyChecker checker;
    int next = 1;
    const bool read = ForEachBlock(fetched, [&](std::string_view got) {
        if (!checker.Feed(got)) return false;
        const int records = static_cast<int>(got.size() / kDrawRecordLength);
        if (check.differs || next > check.currentCount) return true;
        const std::vector<std::string> current = archive.ReadDrawRecords(next, next + records - 1);
        for (std::size_t i = 0; i < current.size() && !check.differs; ++i) {
            check.differs = !SameDraw(current[i], got.substr(i * kDrawRecordLength, kDrawRecordLength));
        }
        next += records;
        return true;
    });
    archive.CloseDrawArchive();
    if (!read) {
        check.error = "IMPOSSIBILE LEGGERE IL FILE " + copy.string();
        return check;
    }
    check.error = checker.Finish();
    if (!check.ok()) return check;
    check.copyCount = static_cast<int>(checker.Records());
    check.shorter = check.copyCount < check.currentCount;
    return check;
}

std::string ReplacementQuestion(const ArchiveCopyCheck& check) {
    std::string text = "L'ARCHIVIO SCARICATO HA " + Plain(check.copyCount) + " ESTRAZIONI, QUELLO ATTUALE " +
                       Plain(check.currentCount) + ".";
    if (check.shorter) text += "\nL'ARCHIVIO SCARICATO HA MENO ESTRAZIONI DI QUELLO ATTUALE.";
    if (check.differs) text += "\nLE PRIME ESTRAZIONI DELL'ARCHIVIO SCARICATO SONO DIVERSE DA QUELLE ATTUALI.";
    return text + "\nSOSTITUISCO L'ARCHIVIO ATTUALE CON QUELLO SCARICATO ?";
}

std::string InstallArchiveCopy(const fs::path& programFolder, const fs::path& copy, const ArchiveLock& lock,
                               std::uintmax_t writeLimit) {
    if (!lock.ok()) return lock.Error();
    const fs::path archive = DrawArchive::ArchivePath(programFolder);
    std::error_code ec;
    const bool backUp = fs::exists(archive, ec) && fs::file_size(archive, ec) > 0;
    return ReplaceArchive(
        programFolder, backUp, [&copy](FileReplacement& out) { return CopyInto(copy, out); }, writeLimit);
}

fs::path UpdaterProgram(const fs::path& programFolder) {
    for (const char* name : {"rinfresco.exe", "rinfresco"}) {
        std::error_code ec;
        if (fs::is_regular_file(programFolder / name, ec)) return programFolder / name;
    }
    return {};
}

}  // namespace fortunara
