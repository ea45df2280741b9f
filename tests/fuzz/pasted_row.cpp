// A row pasted into Browser: any text. Two rows are never converted; a converted row is never
// longer than a date and the numbers' window; a record the import takes is a good draw of 25
// characters, and appending it puts it after the archive's draws, which keep their bytes.
#include "archive/core/archive_lock.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_save.h"
#include "archive/core/record_checks.h"
#include "archive/core/web_import.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string record = ConvertPastedRow(text);
    Expect(PastedRowFault(text).empty() || record.empty(), "a text of two rows is not converted");
    Expect(record.size() <= kDateLength + 23, "a converted row is a date and at most 23 characters of numbers", record);
    if (!ImportFault(record).empty()) return 0;
    Expect(record.size() == kDrawRecordLength && RecordFaults(record).empty(), "the import takes only good draws",
           record);

    static const std::string archive = fuzz::FileBytes(test::TestData("archive-ten-draws.txt"));
    const std::filesystem::path folder = fuzz::FreshFolder();
    fuzz::WriteBytes(DrawArchive::ArchivePath(folder), archive);
    const ArchiveLock lock(folder);
    const DrawWrite written = WriteDraw(folder, record, 0, lock);
    Expect(written.ok() && written.record == 11 && written.recordCount == 11, "the import appends", written.error);
    Expect(fuzz::FileBytes(DrawArchive::ArchivePath(folder)) == archive + record,
           "the draw appended follows the archive's, which keep their bytes");
    return 0;
}
