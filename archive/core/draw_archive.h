#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "archive/core/draw_record.h"
#include "platform/text/file_replacement.h"

namespace fortunara {

// The most records an archive may hold: record numbers are ints, and one more must fit for the
// next append.
inline constexpr int kMostDrawRecords = std::numeric_limits<int>::max() - 1;

// The archive file dati/estraz09.txt below the program folder: fixed 25-byte records without
// separators, record 1 the oldest. Every operation opens it, reads or writes records by number and
// closes it again; nothing is cached between operations.
class DrawArchive {
public:
    // The writes fail once writeLimit bytes are written, as on a full disk: the seam for tests.
    explicit DrawArchive(std::filesystem::path programFolder, std::uintmax_t writeLimit = kNoWriteLimit);
    ~DrawArchive();
    DrawArchive(const DrawArchive&) = delete;
    DrawArchive& operator=(const DrawArchive&) = delete;

    static std::filesystem::path ArchivePath(const std::filesystem::path& programFolder);

    // Opens the file, creating the dati folder and an empty file when they are missing, and
    // counts the records. A file that cannot be written is opened for reading only. Returns false,
    // with Error() saying why in Italian, when the archive can be neither created nor read, or
    // holds more than kMostDrawRecords records.
    bool OpenDrawArchive();
    void CloseDrawArchive();
    bool IsOpen() const { return file_.is_open(); }
    bool IsReadOnly() const { return readOnly_; }
    const std::string& Error() const { return error_; }

    // Number of records: the file length over 25, a trailing fragment of 13 bytes or more
    // counting as one (partial) record.
    int RecordCount() const { return recordCount_; }

    // Record k exactly as stored. A partial last record is padded with blanks to 25 characters.
    // A number outside 1..RecordCount(), or a closed archive, gives "" (which parses to an
    // empty date and zeros): never stray bytes.
    std::string ReadDrawRecord(int k);
    // Records first..last (ascending, clamped to the archive) in one read.
    std::vector<std::string> ReadDrawRecords(int first, int last);
    // The same records parsed: the fast path of scans, which read a block at a time.
    std::vector<DrawRecord> ReadDraws(int first, int last);

    // Writes the text, cut or padded with blanks to 25 characters, as record k; k = RecordCount()+1
    // appends. Any other k would leave a hole in the file and is refused, and so is an append
    // beyond kMostDrawRecords. Returns false (and sets Error()) when the record could not be
    // written; the file is then as it was before, byte for byte.
    bool WriteDrawRecord(int k, std::string_view text);

private:
    void Fail(std::string message);
    // Writes the bytes at the offset, no more than the room left; false when not all went.
    bool WriteAt(std::uintmax_t offset, const std::string& bytes);
    // Puts back the file as it was before a write that failed at the offset: the bytes it
    // overwrote, and the old length. False when that failed too.
    bool Restore(std::uintmax_t offset, const std::string& overwritten);
    // The bytes of records first..last (clamped), a partial last record padded with blanks.
    std::string ReadBlock(int first, int last);
    // Up to count bytes from the offset, as many as the file holds.
    std::string ReadBytes(std::uintmax_t offset, std::uintmax_t count);

    std::filesystem::path folder_;
    std::fstream file_;
    std::uintmax_t length_ = 0;
    int recordCount_ = 0;
    std::uintmax_t room_;
    bool readOnly_ = false;
    std::string error_;
};

// Convenience for the many readers that need parsed draws: opens, reads and closes.
// Records outside the archive are left out.
std::vector<DrawRecord> LoadDraws(const std::filesystem::path& programFolder, int first, int last);

}  // namespace fortunara
