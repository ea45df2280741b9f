#include "archive/core/archive_conversion.h"

#include <algorithm>

#include "archive/core/archive_files.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

bool EndsEntry(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// The archive's bytes cut to its whole records: a trailing fragment of 13 bytes or more counts as
// a record and is padded with blanks, a shorter one is dropped (readers ignore it too).
std::string WholeRecords(std::string bytes) {
    const std::size_t records = (bytes.size() + kDrawRecordLength / 2) / kDrawRecordLength;
    bytes.resize(records * kDrawRecordLength, ' ');
    return bytes;
}

}  // namespace

std::vector<std::string> TextArchiveEntries(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
        if (at >= text.size()) break;
        const char first = text[at];
        if (first == '\r' || first == '\n') {
            // A line with nothing (more) on it.
            ++at;
            continue;
        }
        std::string entry;
        if (first == '"') {
            const std::size_t close = text.find('"', at + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            entry = std::string(text.substr(at + 1, end - at - 1));
            at = end == text.size() ? end : end + 1;
            while (at < text.size() && !EndsEntry(text[at])) ++at;
        } else {
            const std::size_t start = at;
            while (at < text.size() && !EndsEntry(text[at])) ++at;
            entry = std::string(text.substr(start, at - start));
        }
        if (!entry.empty()) entries.push_back(std::move(entry));
        // One separator ends the entry; a comma at the end of a line leaves the line end to the loop.
        if (at < text.size() && text[at] == ',') ++at;
    }
    return entries;
}

ConversionResult ConvertTextArchive(const fs::path& programFolder, const fs::path& textArchive) {
    ConversionResult result;
    const FileBytes source = ReadFileBytes(textArchive);
    if (!source.ok()) {
        result.error =
            "IMPOSSIBILE LEGGERE L'ARCHIVIO DI TESTO " + textArchive.string() + ": NON E' STATO CONVERTITO NIENTE";
        return result;
    }
    const std::vector<std::string> entries = TextArchiveEntries(source.bytes);
    if (entries.empty()) {
        result.error = "L'ARCHIVIO DI TESTO " + textArchive.string() + " NON CONTIENE ESTRAZIONI";
        return result;
    }
    result.written = std::min<int>(static_cast<int>(entries.size()), kConversionTopRecord);
    result.leftOut = static_cast<int>(entries.size()) - result.written;

    // Opening creates the dati folder and an empty archive when they are missing.
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        result.error = archive.Error();
        return result;
    }
    archive.CloseDrawArchive();
    const fs::path archivePath = DrawArchive::ArchivePath(programFolder);
    const FileBytes old = ReadFileBytes(archivePath);
    if (!old.ok()) {
        result.error = old.error;
        return result;
    }

    const int lowest = kConversionTopRecord - result.written + 1;
    const std::size_t lowestOffset = static_cast<std::size_t>(lowest - 1) * kDrawRecordLength;
    std::string bytes = old.bytes;
    const std::size_t topEnd = static_cast<std::size_t>(kConversionTopRecord) * kDrawRecordLength;
    if (bytes.size() < topEnd) bytes = WholeRecords(std::move(bytes));
    // The records between the end of the archive and the ones written are blank records.
    if (bytes.size() < topEnd) bytes.resize(topEnd, ' ');
    for (int j = 0; j < result.written; ++j) {
        std::string record = entries[static_cast<std::size_t>(j)].substr(0, kDrawRecordLength);
        record.resize(kDrawRecordLength, ' ');
        bytes.replace(static_cast<std::size_t>(kConversionTopRecord - 1 - j) * kDrawRecordLength, kDrawRecordLength,
                      record);
    }

    if (old.bytes.size() > lowestOffset) {
        const std::string backup = KeepArchiveBackup(programFolder);
        if (!backup.empty()) {
            result.error = backup;
            return result;
        }
        result.backedUp = true;
    }
    const std::string replaced = ReplaceFileBytes(archivePath, bytes);
    if (!replaced.empty()) {
        result.error = replaced;
        return result;
    }
    result.recordCount = static_cast<int>((bytes.size() + kDrawRecordLength / 2) / kDrawRecordLength);
    return result;
}

std::string LeftOutMessage(const ConversionResult& result) {
    if (result.leftOut == 0) return {};
    return "CONVERTITE LE PRIME " + Plain(result.written) + " ESTRAZIONI DELL'ARCHIVIO DI TESTO: LE ALTRE " +
           Plain(result.leftOut) + " NON SONO STATE CONVERTITE (L'ARCHIVIO NE RICEVE AL MASSIMO " +
           Plain(kConversionTopRecord) + ")";
}

}  // namespace fortunara
