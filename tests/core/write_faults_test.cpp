// Every writer of the program on a disk that fills up at each byte of its write, and in a program
// folder it may not write: it either does all it should, or says why and leaves every file as it was.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "archive/core/address_settings.h"
#include "archive/core/archive_conversion.h"
#include "archive/core/archive_download.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_save.h"
#include "matrices/core/matrix_editor.h"
#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "slips/core/slip_layout.h"
#include "systems/core/system_save.h"
#include "tests/support/read_only_folder.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// Every file below the folder, by its path inside it, with its bytes.
using Files = std::map<fs::path, std::string>;

Files FilesIn(const TempFolder& folder) {
    Files files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = entry.path().lexically_relative(folder.path());
        files[relative] = folder.ReadFile(relative);
    }
    return files;
}

// The names of the files that differ, for the failure message.
std::string Differences(const Files& expected, const Files& actual) {
    std::string names;
    for (const auto& [name, bytes] : expected) {
        const auto it = actual.find(name);
        if (it == actual.end() || it->second != bytes) names += " " + name.string();
    }
    for (const auto& [name, bytes] : actual) {
        if (!expected.contains(name)) names += " +" + name.string();
    }
    return names;
}

const std::string kFirst = "10GEN20100102030405060708";
const std::string kSecond = "11GEN20100910111213141516";
const std::string kNew = "12GEN20101705030402060708";

MatrixData SmallSystem() {
    MatrixData data;
    data.numberCount = 4;
    data.comboCount = 2;
    data.comboSize = 3;
    data.numbers = {1, 2, 3, 2, 3, 4};
    data.comments[0] = "DUE TERZINE";
    return data;
}

// The program folder every writer starts from: an archive with its backup, an older text archive
// and copy beside it, a matrix library with a matrix, the slip layout, a played system and the
// addresses. Small files, so that a failure at every byte stays cheap.
void Fill(const TempFolder& folder) {
    folder.WriteArchive(kFirst + kSecond);
    folder.WriteFile("dati/estraz09.bak", kFirst);
    folder.WriteFile("archivio.txt", kNew + "\r\n" + kSecond + "\r\n");
    folder.WriteFile("copia.txt", kFirst + kSecond + kNew);
    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"04N00203.SIS\"\r\n\"STOP\"\r\n");
    folder.WriteFile("matrion/04N00203.SIS", " 4 \r\n 2 \r\n 3 \r\n 1 \r\n 2 \r\n 4 \r\n 1 \r\n 3 \r\n 4 \r\n");
    folder.WriteFile("matrion/valori.tab",
                     "\"1440\"\r\n\"1440\"\r\n\"0\"\r\n\"340\"\r\n\"170\"\r\n\"255\"\r\n\"113\"\r\n");
    folder.WriteFile("GIOCO.SSI", "\"4\"\r\n\"1\"\r\n\"3\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n");
    folder.WriteFile("indirizzi.txt", "pagina=\r\narchivio=\r\n");
    // The lock file stays once a writer made it: made here, it is part of the folder as it was.
    const ArchiveLock lock(folder.path());
}

// A writer of the program with the write limit of its files; "" when it wrote, else its message.
using Writer = std::function<std::string(const fs::path& folder, std::uintmax_t writeLimit)>;

struct WriterCase {
    const char* name;
    Writer write;
};

std::vector<WriterCase> Writers() {
    const auto typedMatrix = [](const fs::path& folder, std::uintmax_t limit) {
        const NewMatrix matrix = CheckNewMatrix(folder, "5", "1", 3);
        MatrixEntry entry(matrix);
        for (const char* answer : {"1", "2", "5"}) entry.Take(answer);
        return WriteTypedMatrix(folder, matrix.name, entry, true, limit).error;
    };
    const auto savedMatrix = [](const fs::path& folder, std::uintmax_t limit) {
        ProgramState state;
        state.programFolder = folder;
        MatrixData data = SmallSystem();
        data.numberCount = 5;
        return SaveSystemAsMatrix(state, data, {}, limit).error;
    };
    return {
        {"archive: append",
         [](const fs::path& folder, std::uintmax_t limit) {
             const ArchiveLock lock(folder);
             return WriteDraw(folder, kNew, 0, lock, limit).error;
         }},
        {"archive: replacement of a draw",
         [](const fs::path& folder, std::uintmax_t limit) {
             const ArchiveLock lock(folder);
             return WriteDraw(folder, "11GEN2010 1 2 3 4 5 6 7 8", 2, lock, limit).error;
         }},
        {"archive: conversion of a text archive",
         [](const fs::path& folder, std::uintmax_t limit) {
             const ArchiveLock lock(folder);
             return ConvertTextArchive(folder, folder / "archivio.txt", lock, limit).error;
         }},
        {"archive: import of a copy",
         [](const fs::path& folder, std::uintmax_t limit) {
             const ArchiveLock lock(folder);
             return InstallArchiveCopy(folder, folder / "copia.txt", lock, limit);
         }},
        {"matrix file",
         [](const fs::path& folder, std::uintmax_t limit) {
             return WriteMatrixFile(folder, "04N00203.SIS", SmallSystem(), {}, limit).error;
         }},
        {"matrix typed in the editor, with its name in the index", typedMatrix},
        {"matrix saved from a development, with its name in the index", savedMatrix},
        {"matrix comments",
         [](const fs::path& folder, std::uintmax_t limit) {
             return WriteMatrixComments(folder, "04N00203.SIS", {"PRIMA", "SECONDA"}, limit).error;
         }},
        {"index",
         [](const fs::path& folder, std::uintmax_t limit) {
             return RegisterMatrices(folder, {"05N00103.SIS", "06N00103.SIS"}, limit).error;
         }},
        {"played system",
         [](const fs::path& folder, std::uintmax_t limit) {
             return WriteSystemFile(folder / "GIOCO.SSI", SmallSystem(), limit).error;
         }},
        {"valori.tab",
         [](const fs::path& folder, std::uintmax_t limit) {
             return WriteSlipLayout(folder, {"1400", "1450", "0", "341", "171", "256", "114"}, limit).error;
         }},
        {"addresses",
         [](const fs::path& folder, std::uintmax_t limit) {
             return WriteAddresses(folder, {"http://127.0.0.1/pagina", "http://127.0.0.1/estraz09.txt"}, limit);
         }},
    };
}

// The bytes of the files a writer wrote: as many as its write takes, or more (an append writes one
// record of the archive).
std::uintmax_t WrittenBytes(const Files& before, const Files& after) {
    std::uintmax_t bytes = 0;
    for (const auto& [name, content] : after) {
        const auto it = before.find(name);
        if (it == before.end() || it->second != content) bytes += content.size();
    }
    return bytes;
}

// With room, each writer writes (the files it should); with the disk full after n bytes of its
// write, for every n short of that, it says so and every file is as it was, with no temporary file
// beside them. Between the first and the last 2 KB of a longer write (the conversion's 35700 bytes)
// every 61st byte is enough: the writers write whole buffers, and a cut inside one is a cut.
TEST(WriteFaults, AWriteCutAtAnyByteLeavesEveryFileAsItWas) {
    constexpr std::uintmax_t kEveryByte = 2048;
    for (const WriterCase& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        TempFolder done;
        Fill(done);
        const Files before = FilesIn(done);
        ASSERT_EQ(writer.write(done.path(), kNoWriteLimit), "");
        const Files after = FilesIn(done);
        ASSERT_NE(after, before);
        const std::uintmax_t written = WrittenBytes(before, after);

        TempFolder folder;
        Fill(folder);
        std::uintmax_t limit = 0;
        for (;; limit += limit < kEveryByte || limit + kEveryByte > written ? 1 : 61) {
            const std::string error = writer.write(folder.path(), limit);
            if (error.empty()) break;
            const Files now = FilesIn(folder);
            ASSERT_EQ(now, before) << "cut after " << limit << " bytes:" << Differences(before, now) << "\n" << error;
        }
        EXPECT_EQ(FilesIn(folder), after) << "written with room for " << limit << " bytes";
        EXPECT_GT(limit, 0u);
    }
}

TEST(WriteFaults, InAReadOnlyProgramFolderEveryWriterSaysSoAndWritesNothing) {
    for (const WriterCase& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        TempFolder folder;
        Fill(folder);
        const Files before = FilesIn(folder);
        std::string error;
        {
            const test::ReadOnlyFolder readOnly(folder.path());
            error = writer.write(folder.path(), kNoWriteLimit);
        }
        EXPECT_NE(error, "");
        EXPECT_EQ(FilesIn(folder), before);
    }
}

}  // namespace
}  // namespace fortunara
