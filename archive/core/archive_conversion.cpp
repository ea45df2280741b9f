#include "archive/core/archive_conversion.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "archive/core/record_checks.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

constexpr int kEnd = std::char_traits<char>::eof();
// How many refused entries the error lists by line.
constexpr int kMostRefusalsListed = 10;

bool EndsEntry(int c) {
    return c == ',' || c == '\r' || c == '\n' || c == kEnd;
}

// The archive's bytes cut to its whole records: a trailing fragment of 13 bytes or more counts as
// a record and is padded with blanks, a shorter one is dropped (readers ignore it too).
std::string WholeRecords(std::string bytes) {
    const std::size_t records = (bytes.size() + kDrawRecordLength / 2) / kDrawRecordLength;
    bytes.resize(records * kDrawRecordLength, ' ');
    return bytes;
}

}  // namespace

TextArchiveReader::TextArchiveReader(std::istream& in) : in_(in) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < kByteOrderMark.size() && in_.peek() != kEnd; ++i) {
        start_ += static_cast<char>(in_.get());
    }
    if (start_ == kByteOrderMark) start_.clear();
}

int TextArchiveReader::Peek() {
    return startAt_ < start_.size() ? static_cast<unsigned char>(start_[startAt_]) : in_.peek();
}

// One character; a line ends at LF, and at a CR that no LF follows.
int TextArchiveReader::Get() {
    const int c = startAt_ < start_.size() ? static_cast<unsigned char>(start_[startAt_++]) : in_.get();
    if (c == '\n' || (c == '\r' && Peek() != '\n')) ++line_;
    return c;
}

std::optional<std::string> TextArchiveReader::Next() {
    if (tooLong_) return std::nullopt;
    for (;;) {
        while (Peek() == ' ' || Peek() == '\t') Get();
        const int first = Peek();
        if (first == kEnd) return std::nullopt;
        if (first == '\r' || first == '\n') {
            Get();  // a line with nothing (more) on it
            continue;
        }
        entryLine_ = line_;
        const bool quoted = first == '"';
        if (quoted) Get();
        // The quoted text, or the whole entry, up to its separator; after a closing quote nothing is kept.
        bool inQuotes = quoted;
        std::string entry;
        for (std::size_t read = 1;; ++read) {
            const int c = Peek();
            if (inQuotes ? c == kEnd : EndsEntry(c)) break;
            Get();
            if (read > kLongestTextEntry) {
                tooLong_ = true;
                return entry;
            }
            if (inQuotes && c == '"') {
                inQuotes = false;
            } else if (inQuotes || !quoted) {
                entry += static_cast<char>(c);
            }
        }
        // One separator ends the entry; a comma at the end of a line leaves the line end to the loop.
        if (Peek() == ',') Get();
        if (!entry.empty()) return entry;
    }
}

ConversionResult ConvertTextArchive(const fs::path& programFolder, const fs::path& textArchive, const ArchiveLock& lock,
                                    std::uintmax_t writeLimit) {
    ConversionResult result;
    const std::string nothing = ": NON E' STATO CONVERTITO NIENTE";
    const std::string unreadable = "IMPOSSIBILE LEGGERE L'ARCHIVIO DI TESTO " + textArchive.string() + nothing;
    std::error_code ec;
    std::ifstream in(textArchive, std::ios::binary);
    if (!in || fs::is_directory(textArchive, ec)) {
        result.error = unreadable;
        return result;
    }
    // Only as far as the archive takes entries: what follows is not even read.
    TextArchiveReader reader(in);
    std::vector<std::string> records;
    std::vector<std::string> refusals;
    int refused = 0;
    while (static_cast<int>(records.size()) < kConversionTopRecord) {
        std::optional<std::string> entry = reader.Next();
        if (!entry) break;
        if (reader.TooLong()) {
            result.error = "LA RIGA " + Plain(reader.Line()) + " DELL'ARCHIVIO DI TESTO " + textArchive.string() +
                           " E' TROPPO LUNGA (PIU' DI " + Plain(static_cast<long long>(kLongestTextEntry)) +
                           " CARATTERI)" + nothing;
            return result;
        }
        std::string record = entry->substr(0, std::min<std::size_t>(entry->size(), kDrawRecordLength));
        record.resize(kDrawRecordLength, ' ');
        if (const std::string fault = RecordFault(record); !fault.empty()) {
            if (++refused <= kMostRefusalsListed) refusals.push_back("RIGA " + Plain(reader.Line()) + ": " + fault);
        }
        records.push_back(std::move(record));
    }
    result.more = static_cast<int>(records.size()) == kConversionTopRecord && reader.Next().has_value();
    if (in.bad()) {
        result.error = unreadable;
        return result;
    }
    if (refused > 0) {
        result.error = "L'ARCHIVIO DI TESTO " + textArchive.string() + " HA " + Plain(refused) +
                       (refused == 1 ? " ESTRAZIONE NON VALIDA" : " ESTRAZIONI NON VALIDE") + nothing;
        for (const std::string& refusal : refusals) result.error += "\n" + refusal;
        if (refused > kMostRefusalsListed) result.error += "\n... E ALTRE " + Plain(refused - kMostRefusalsListed);
        return result;
    }
    if (records.empty()) {
        result.error = "L'ARCHIVIO DI TESTO " + textArchive.string() + " NON CONTIENE ESTRAZIONI";
        return result;
    }
    if (!lock.ok()) {
        result.error = lock.Error();
        return result;
    }
    result.written = static_cast<int>(records.size());

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
        bytes.replace(static_cast<std::size_t>(kConversionTopRecord - 1 - j) * kDrawRecordLength, kDrawRecordLength,
                      records[static_cast<std::size_t>(j)]);
    }

    const bool backUp = old.bytes.size() > lowestOffset;
    result.error = ReplaceArchive(
        programFolder, backUp, [&bytes](FileReplacement& out) { return out.Write(bytes); }, writeLimit);
    if (!result.ok()) return result;
    result.backedUp = backUp;
    result.recordCount = static_cast<int>((bytes.size() + kDrawRecordLength / 2) / kDrawRecordLength);
    return result;
}

std::string LeftOutMessage(const ConversionResult& result) {
    if (!result.more) return {};
    return "L'ARCHIVIO DI TESTO HA PIU' DI " + Plain(kConversionTopRecord) + " ESTRAZIONI: CONVERTITE LE PRIME " +
           Plain(result.written) + ", LE ALTRE NON SONO STATE LETTE (L'ARCHIVIO NE RICEVE AL MASSIMO " +
           Plain(kConversionTopRecord) + ")";
}

}  // namespace fortunara
