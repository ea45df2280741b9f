#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fortunara {

// The checks of a whole archive, shared by the download (before a copy may replace the archive)
// and the integrity report of the command line.

struct ArchiveFinding {
    int record = 0;
    std::string text;  // Italian
    bool operator==(const ArchiveFinding&) const = default;
};

// Every fault of the archive's bytes, record by record: each fault of RecordFaults, a blank record
// (left by a conversion into a shorter archive), a date not later than the one before it
// (repeated or out of order), a partial last record. Empty for a sound archive.
std::vector<ArchiveFinding> VerifyArchive(std::string_view bytes);
// The same over the archive file, read a block of records at a time, each finding handed to onFinding
// as it is found: the walk keeps one block and the first record of each date, never the whole file.
// Returns "" or why the file could not be read.
using ArchiveFindingVisitor = std::function<void(const ArchiveFinding&)>;
std::string VerifyArchiveFile(const std::filesystem::path& file, const ArchiveFindingVisitor& onFinding);

// Whether the bytes may become the archive: at least one record, a length that is a multiple of
// 25, every record a good draw, no more than kMostDrawRecords records. Returns "" or the reason:
// not an archive at all (empty, wrong length, first record no draw) or the first record that is
// wrong.
std::string ArchiveCopyFault(std::string_view bytes);

// The same check a block at a time, for copies read from a file or a stream: it stops at the first
// record that is wrong, so a source that is no archive is not read on.
class ArchiveCopyChecker {
public:
    // Takes the next bytes of the copy; false once a record is wrong or there are too many.
    bool Feed(std::string_view bytes);
    // The verdict once every byte was fed: "" or the reason, as ArchiveCopyFault gives it.
    std::string Finish() const;
    // The whole records fed so far.
    std::uintmax_t Records() const { return records_; }

private:
    bool Check(std::string_view record);

    std::string partial_;  // the start of a record whose end has not come yet
    std::uintmax_t records_ = 0;
    std::string fault_;
};

}  // namespace fortunara
