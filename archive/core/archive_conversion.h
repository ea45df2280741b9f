#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "platform/text/file_replacement.h"

namespace fortunara {

class ArchiveLock;

// The conversion of a text archive (archivio.txt), newest draw first, into the draw archive: entry
// j (from 1) becomes record 1428 - (j - 1).
inline constexpr int kConversionTopRecord = 1428;

// The most characters an entry may run to (its record is the first 25): a longer one ends the
// reading, so a text without line ends (/dev/zero) is never read on for ever.
inline constexpr std::size_t kLongestTextEntry = 4096;

// Reads the entries of a text archive one at a time: separated by line ends (CR LF, LF or CR) or
// commas, blanks before an entry skipped, an entry in double quotes taken without them (commas
// inside kept, what follows the closing quote up to the separator dropped). An empty entry, such as
// an empty line, is no entry. A UTF-8 byte-order mark at the start belongs to no entry.
class TextArchiveReader {
public:
    explicit TextArchiveReader(std::istream& in);

    // The next entry; nullopt at the end of the text, or once an entry was too long.
    std::optional<std::string> Next();
    // The line the last entry given starts on, from 1.
    int Line() const { return entryLine_; }
    // Whether the last entry given ran beyond kLongestTextEntry characters (it is cut there).
    bool TooLong() const { return tooLong_; }

private:
    int Peek();
    int Get();

    std::istream& in_;
    std::string start_;  // the first bytes, read ahead to find a byte-order mark
    std::size_t startAt_ = 0;
    int line_ = 1;
    int entryLine_ = 0;
    bool tooLong_ = false;
};

struct ConversionResult {
    std::string error;      // Italian; nothing was written when set
    int written = 0;        // records written, from kConversionTopRecord down
    bool more = false;      // the text has entries beyond the 1428th, neither read nor converted
    int recordCount = 0;    // records of the archive afterwards
    bool backedUp = false;  // the archive as it was is in dati/estraz09.bak
    bool ok() const { return error.empty(); }
};

// Converts the text archive into the archive of the program folder, under the lock the caller holds.
// Each entry's first 25 characters, padded with blanks, are its record, checked as every writer
// checks a draw; one entry that is no draw refuses the whole conversion, and the error lists the
// entries refused. The text is read an entry at a time and no further than the 1428 entries that
// go into the archive. Records above 1428 and below the last one written keep their content. An
// archive shorter than the records written is first filled with blank records (never with a hole).
// When existing records are rewritten, the archive as it was is kept as dati/estraz09.bak first.
// The new archive replaces the old one as a whole. writeLimit: as for FileReplacement.
ConversionResult ConvertTextArchive(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& textArchive, const ArchiveLock& lock,
                                    std::uintmax_t writeLimit = kNoWriteLimit);

// What the user is told after a conversion that left entries out; "" when none were.
std::string LeftOutMessage(const ConversionResult& result);

}  // namespace fortunara
