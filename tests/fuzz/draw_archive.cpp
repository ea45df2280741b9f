// The archive file: any bytes as dati/estraz09.txt. Every record reads as stored (a partial last one
// padded with blanks) and nothing outside the archive reads as a draw; a scan visits each record of
// its range once, whatever its block; `verifica` and the download's check agree; a record written
// reads back and leaves the other bytes alone, and a write that fails leaves the file as it was.
#include <algorithm>

#include "archive/core/archive_verification.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_scan.h"
#include "archive/core/record_checks.h"
#include "tests/fuzz/fuzz_support.h"

namespace fortunara {
namespace {

using fuzz::Expect;
constexpr std::size_t kRecord = kDrawRecordLength;

std::string StoredRecord(std::string_view bytes, std::size_t index) {
    std::string record(bytes.substr(index * kRecord, kRecord));
    record.resize(kRecord, ' ');
    return record;
}

void CheckReads(DrawArchive& archive, std::string_view bytes, int blockRecords) {
    const int count = archive.RecordCount();
    Expect(static_cast<std::size_t>(count) == (bytes.size() + kRecord / 2) / kRecord,
           "a fragment of 13 bytes or more counts as a record, a shorter one does not");
    const std::vector<std::string> records = archive.ReadDrawRecords(-1, count + 2);
    const std::vector<DrawRecord> draws = archive.ReadDraws(0, count + 1);
    Expect(records.size() == static_cast<std::size_t>(count) && draws.size() == records.size(),
           "a range reaching beyond the archive is cut to its records");
    for (std::size_t i = 0; i < records.size(); ++i) {
        Expect(records[i] == StoredRecord(bytes, i), "a record reads as stored", records[i]);
        const DrawRecord parsed = ParseDrawRecord(records[i]);
        Expect(draws[i].date == records[i].substr(0, kDateLength) && draws[i].numbers == parsed.numbers,
               "a block reads the draws one record at a time reads");
        Expect(std::all_of(parsed.numbers.begin(), parsed.numbers.end(), [](int n) { return n >= 0 && n <= 99; }),
               "a number field of two characters reads 0 to 99", records[i]);
        if (RecordFault(records[i]).empty()) {
            std::array<int, 8> numbers{};
            std::copy(parsed.numbers.begin() + 1, parsed.numbers.end(), numbers.begin());
            const std::string written = FormatDrawRecord(parsed.date, numbers);
            Expect(ParseDrawRecord(written).numbers == parsed.numbers && RecordFault(written).empty(),
                   "a good draw written anew reads the same", records[i]);
        }
    }
    Expect(archive.ReadDrawRecord(0).empty() && archive.ReadDrawRecord(count + 1).empty(),
           "nothing outside the archive reads as a record");

    std::vector<DrawRecord> walked;
    WalkRange(
        {count, 1}, [&](int first, int last) { return archive.ReadDraws(first, last); },
        [&](std::span<const DrawRecord> block) {
            walked.insert(walked.end(), block.begin(), block.end());
            return true;
        },
        blockRecords);
    Expect(walked.size() == draws.size() && std::equal(walked.begin(), walked.end(), draws.rbegin(),
                                                       [](const DrawRecord& a, const DrawRecord& b) {
                                                           return a.date == b.date && a.numbers == b.numbers;
                                                       }),
           "a scan visits every record once, newest first");
}

void CheckVerification(std::string_view bytes, int count) {
    const std::vector<ArchiveFinding> findings = VerifyArchive(bytes);
    const std::string copyFault = ArchiveCopyFault(bytes);
    for (const ArchiveFinding& finding : findings) {
        Expect(finding.record >= 1 && finding.record <= count + 1, "a finding names a record of the archive",
               finding.text);
        const bool order = finding.text.starts_with("DATA RIPETUTA") || finding.text.starts_with("DATA FUORI ORDINE");
        Expect(order || !copyFault.empty(), "a copy the download takes has no fault but the order of its dates",
               finding.text);
    }
    Expect(!findings.empty() || bytes.empty() || copyFault.empty(),
           "an archive without findings is a copy the download takes", copyFault);
}

}  // namespace
}  // namespace fortunara

// The input is the file; its last byte chooses the record written, the one before it the room on the
// disk (below 64: that many bytes) and the block of the scan.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    if (size < 2) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::uint8_t recordChoice = data[size - 1];
    const std::uint8_t room = data[size - 2];
    const std::filesystem::path folder = fuzz::FreshFolder();
    const std::filesystem::path file = DrawArchive::ArchivePath(folder);
    fuzz::WriteBytes(file, bytes);
    const bool fullDisk = room < 64;
    DrawArchive archive(folder, fullDisk ? room : kNoWriteLimit);
    Expect(archive.OpenDrawArchive(), "an archive of any bytes opens", archive.Error());
    const int count = archive.RecordCount();
    CheckReads(archive, bytes, 1 + room % 7);
    CheckVerification(bytes, count);

    const int k = 1 + recordChoice % (count + 1);
    const std::string record = "15MAR2009 1 2 3 4 5 6 7 8";
    const bool written = archive.WriteDrawRecord(k, record);
    archive.CloseDrawArchive();
    const std::string after = fuzz::FileBytes(file);
    if (!written) {
        Expect(fullDisk, "a record fits an archive on a disk with room", archive.Error());
        Expect(after == bytes, "a write that fails leaves the archive byte for byte", archive.Error());
        return 0;
    }
    std::string expected(bytes);
    const std::size_t offset = static_cast<std::size_t>(k - 1) * kRecord;
    if (expected.size() < offset) expected.resize(offset, ' ');  // a partial last record padded
    expected.replace(offset, std::min(kRecord, expected.size() - offset), record);
    Expect(after == expected, "a record written changes its 25 bytes and nothing else");
    return 0;
}
