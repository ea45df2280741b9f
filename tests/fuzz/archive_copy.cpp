// A copy of the archive for `importa` and the download: any bytes as the copy, over an archive of ten
// draws. The check gives the same verdict however the copy comes in blocks; the copy is taken
// exactly when it is an archive of good draws, and then becomes the archive byte for byte with the
// old one as the backup; a refused copy changes no file, and no temporary file stays either way.
#include <sstream>

#include "app/cli/cli_run.h"
#include "archive/core/archive_files.h"
#include "archive/core/archive_verification.h"
#include "archive/core/draw_archive.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/temp_folder.h"

// The input is the copy; its last byte chooses the blocks the check is fed in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    if (size < 1) return 0;
    const std::string_view copy(reinterpret_cast<const char*>(data), size);
    const std::string fault = ArchiveCopyFault(copy);
    ArchiveCopyChecker checker;
    const std::size_t block = 1 + data[size - 1];
    for (std::size_t at = 0; at < copy.size() && checker.Feed(copy.substr(at, block)); at += block) {
    }
    Expect(checker.Finish() == fault, "the check's verdict does not depend on the blocks", checker.Finish());

    static const std::string archive = fuzz::FileBytes(test::TestData("archive-ten-draws.txt"));
    const std::filesystem::path folder = fuzz::FreshFolder();
    const std::filesystem::path source = folder / "copia.txt";
    fuzz::WriteBytes(DrawArchive::ArchivePath(folder), archive);
    fuzz::WriteBytes(source, copy);
    fuzz::Snapshot before = fuzz::TakeSnapshot(folder);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli({"importa", source.string(), "--forza"}, folder, out, err);
    fuzz::Snapshot after = fuzz::TakeSnapshot(folder);
    Expect((status == 0) == fault.empty(), "importa takes exactly the copies that are archives of good draws",
           err.str());
    if (status != 0) {
        Expect(after == before, "a refused copy changes no file", err.str());
        return 0;
    }
    before[DrawArchive::ArchivePath(folder)] = std::string(copy);
    before[ArchiveBackupPath(folder)] = archive;
    Expect(after == before, "the copy becomes the archive, the old archive the backup, and nothing else stays");
    return 0;
}
