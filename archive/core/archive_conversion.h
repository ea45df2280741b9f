#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fortunara {

// The conversion of a text archive (archivio.txt), newest draw first, into the draw archive: entry
// j (from 1) becomes record 1428 - (j - 1).
inline constexpr int kConversionTopRecord = 1428;

// The entries of a text archive: separated by line ends (CR LF, LF or CR) or commas, blanks
// before an entry skipped, an entry in double quotes taken without them (commas inside kept, what
// follows the closing quote up to the separator dropped). An empty entry, such as an empty line, is
// no entry.
std::vector<std::string> TextArchiveEntries(std::string_view text);

struct ConversionResult {
    std::string error;      // Italian; nothing was written when set
    int written = 0;        // records written, from kConversionTopRecord down
    int leftOut = 0;        // entries beyond the 1428th, not converted
    int recordCount = 0;    // records of the archive afterwards
    bool backedUp = false;  // the archive as it was is in dati/estraz09.bak
    bool ok() const { return error.empty(); }
};

// Converts the text archive into the archive of the program folder. Each entry's first 25
// characters, padded with blanks, become its record; records above 1428 and below the last one
// written keep their content. An archive shorter than the records written is first filled with
// blank records (never with a hole). When existing records are rewritten, the archive as it was is
// kept as dati/estraz09.bak first. The new archive replaces the old one as a whole.
ConversionResult ConvertTextArchive(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& textArchive);

// What the user is told after a conversion that left entries out; "" when none were.
std::string LeftOutMessage(const ConversionResult& result);

}  // namespace fortunara
