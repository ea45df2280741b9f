// What every writer of the archive keeps to: a write cut short after any number of bytes leaves the
// archive as it was, with no temporary file behind.
#include <gtest/gtest.h>

#include <functional>

#include "archive/core/archive_conversion.h"
#include "archive/core/archive_download.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_save.h"
#include "platform/text/file_replacement.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

const std::string kOld =
    "10GEN20100102030405060708"
    "11GEN20100910111213141516";
const std::string kNew = "12GEN20101705030402060708";

TEST(ArchiveWriters, AFailureAfterNBytesLeavesTheArchiveAsItWas) {
    using Write = std::function<std::string(const TempFolder&, const ArchiveLock&, std::uintmax_t)>;
    const Write append = [](const TempFolder& folder, const ArchiveLock& lock, std::uintmax_t limit) {
        return WriteDraw(folder.path(), kNew, 0, lock, limit).error;
    };
    const Write replace = [](const TempFolder& folder, const ArchiveLock& lock, std::uintmax_t limit) {
        return WriteDraw(folder.path(), kNew, 1, lock, limit).error;
    };
    const Write convert = [](const TempFolder& folder, const ArchiveLock& lock, std::uintmax_t limit) {
        folder.WriteFile("archivio.txt", kNew + "\r\n");
        return ConvertTextArchive(folder.path(), folder.path() / "archivio.txt", lock, limit).error;
    };
    const Write install = [](const TempFolder& folder, const ArchiveLock& lock, std::uintmax_t limit) {
        folder.WriteFile("copia.txt", kOld + kNew);
        return InstallArchiveCopy(folder.path(), folder.path() / "copia.txt", lock, limit);
    };
    struct Case {
        const char* name;
        Write write;
        std::uintmax_t writeLimit;  // for each file the writer writes
        bool written;
    };
    // The backup (50 bytes) comes first where a writer rewrites records.
    const Case cases[] = {
        {"append, disk full", append, 0, false},        {"append, 10 bytes", append, 10, false},
        {"append with room", append, 25, true},         {"replacement, backup cut short", replace, 10, false},
        {"replacement with room", replace, 50, true},   {"conversion, disk full", convert, 0, false},
        {"conversion cut short", convert, 60, false},   {"import, backup cut short", install, 10, false},
        {"import, copy cut short", install, 60, false}, {"import with room", install, 75, true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.WriteArchive(kOld);
        const ArchiveLock lock(folder.path());
        const std::string error = c.write(folder, lock, c.writeLimit);
        EXPECT_EQ(error.empty(), c.written) << c.name << ": " << error;
        if (!c.written) {
            EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kOld) << c.name;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.path() / "dati")) {
            EXPECT_FALSE(IsTemporaryFileName(entry.path().filename().string())) << c.name << ": " << entry.path();
        }
    }
}

}  // namespace
}  // namespace fortunara
