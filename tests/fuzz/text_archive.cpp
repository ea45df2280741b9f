// The text archive of `converti`: any bytes as the text, over an archive that is missing, short,
// cut in a record or longer than the records the conversion writes. A refused text changes no file;
// a converted one writes good draws into records 1428 downwards and nothing else, keeps the old
// archive as the backup when it rewrote records, leaves no temporary file, and the records written,
// written out again as a text archive, convert into the same archive.
#include <algorithm>

#include "archive/core/archive_conversion.h"
#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_archive.h"
#include "archive/core/record_checks.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using fuzz::Expect;
constexpr std::size_t kRecord = kDrawRecordLength;
constexpr std::size_t kTopEnd = kConversionTopRecord * kRecord;

// The archive before the conversion: none, ten draws, ten and a half, or more than the 1428 records.
std::string OldArchive(std::uint8_t choice) {
    static const std::string ten = fuzz::FileBytes(test::TestData("archive-ten-draws.txt"));
    static const std::string partial = fuzz::FileBytes(test::TestData("archive-partial-record.txt"));
    switch (choice % 4) {
        case 0:
            return {};
        case 1:
            return ten;
        case 2:
            return partial;
        default: {
            std::string longer;
            while (longer.size() < kTopEnd + 200) longer += ten;
            return longer + "01GEN2000";  // and a fragment at its end
        }
    }
}

struct Converted {
    ConversionResult result;
    fuzz::Snapshot before;
    fuzz::Snapshot after;
};

Converted Convert(const std::string& old, std::string_view text) {
    const fs::path folder = fuzz::FreshFolder();
    if (!old.empty()) fuzz::WriteBytes(DrawArchive::ArchivePath(folder), old);
    fuzz::WriteBytes(folder / "archivio.txt", text);
    Converted converted;
    {
        const ArchiveLock lock(folder);
        converted.before = fuzz::TakeSnapshot(folder);
        converted.result = ConvertTextArchive(folder, folder / "archivio.txt", lock);
    }
    converted.after = fuzz::TakeSnapshot(folder);
    return converted;
}

// The old archive as the records the conversion starts from: cut or padded to whole records and
// filled with blank records up to record 1428, when it is shorter.
std::string StartingRecords(const std::string& old) {
    if (old.size() >= kTopEnd) return old;
    std::string records = old.substr(0, (old.size() + kRecord / 2) / kRecord * kRecord);
    records.resize(kTopEnd, ' ');
    return records;
}

}  // namespace
}  // namespace fortunara

// The input is the text; its last byte chooses the archive there before.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    if (size < 1) return 0;
    const std::string old = OldArchive(data[size - 1]);
    const Converted first = Convert(old, std::string_view(reinterpret_cast<const char*>(data), size));
    const ConversionResult& result = first.result;
    if (!result.ok()) {
        Expect(first.after == first.before, "a refused text changes no file", result.error);
        return 0;
    }
    const fs::path& folder = fuzz::Folder();
    const std::string archive = first.after.at(DrawArchive::ArchivePath(folder));
    Expect(result.written >= 1 && result.written <= kConversionTopRecord &&
               (!result.more || result.written == kConversionTopRecord),
           "a conversion writes from 1 to 1428 records, and 1428 when it leaves entries out");
    const std::size_t lowest = static_cast<std::size_t>(kConversionTopRecord - result.written) * kRecord;
    const std::string start = StartingRecords(old);
    Expect(archive.size() == start.size() && archive.substr(0, lowest) == start.substr(0, lowest) &&
               archive.substr(kTopEnd) == start.substr(kTopEnd),
           "the records below and above those written keep their bytes");
    Expect(result.recordCount == static_cast<int>((archive.size() + kRecord / 2) / kRecord),
           "the count said is the archive's");
    std::string text;
    for (std::size_t at = kTopEnd; at > lowest; at -= kRecord) {
        Expect(RecordFault(archive.substr(at - kRecord, kRecord)).empty(), "every record written is a good draw");
        text += archive.substr(at - kRecord, kRecord) + "\r\n";
    }
    Expect(result.backedUp == (old.size() > lowest), "the archive is kept as the backup when records were rewritten");
    if (result.backedUp) {
        Expect(first.after.at(ArchiveBackupPath(folder)) == old, "the backup is the archive as it was");
    }
    Expect(first.after.size() == 2 + (result.backedUp ? 1 : 0), "a conversion leaves no temporary file");

    const Converted again = Convert(old, text);
    Expect(again.result.ok() && again.after.at(DrawArchive::ArchivePath(folder)) == archive,
           "the records written, as a text archive, convert into the same archive", again.result.error);
    return 0;
}
