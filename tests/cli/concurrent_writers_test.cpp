// Two writers of the archive at the same moment: one in this process, holding the archive's lock
// for a while before it writes, the other a command line started meanwhile. Both land, or the
// second is refused with a message; never a lost or doubled draw, never a refused copy installed,
// never a broken file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "archive/core/archive_conversion.h"
#include "archive/core/archive_download.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_record.h"
#include "archive/core/draw_save.h"
#include "platform/text/file_replacement.h"
#include "tests/cli/dated_draws.h"
#include "tests/cli/run_command.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

enum class Writer { Append, Replace, Conversion, Import };

// The archive: 1430 draws. The copy to import has one draw more. The appended draw is newer than
// that one, the replacement rewrites the newest draw of the archive (record 1430) and the text
// archive converts into record 1428.
constexpr int kRecords = 1430;
constexpr std::size_t kRecord = 25;
const std::string kOld = test::DatedDraws(kRecords);
const std::string kCopy = test::DatedDraws(kRecords + 1);
const std::string kAppendDate = test::DatedDraws(kRecords + 2).substr((kRecords + 1) * kRecord, 9);
const std::string kReplaceDate = kOld.substr((kRecords - 1) * kRecord, 9);
const std::string kConvertDate = kOld.substr((kRecords - 3) * kRecord, 9);
const std::string kAppended = FormatDrawRecord(kAppendDate, {10, 20, 30, 40, 50, 60, 70, 80});
const std::string kReplaced = FormatDrawRecord(kReplaceDate, {11, 21, 31, 41, 51, 61, 71, 81});
const std::string kConverted = FormatDrawRecord(kConvertDate, {12, 22, 32, 42, 52, 62, 72, 82});

// What the archive is after the writer landed, worked out by hand from the archive before.
std::string Landed(Writer writer, std::string archive) {
    switch (writer) {
        case Writer::Append:
            return archive + kAppended;
        case Writer::Replace:
            return archive.replace((kRecords - 1) * kRecord, kRecord, kReplaced);
        case Writer::Conversion:
            return archive.replace((kRecords - 3) * kRecord, kRecord, kConverted);
        case Writer::Import:
            return kCopy;
    }
    return archive;
}

// The writer in this process, under the lock it holds.
std::string WriteHere(Writer writer, const TempFolder& folder, const ArchiveLock& lock) {
    switch (writer) {
        case Writer::Append:
            return WriteDraw(folder.path(), kAppended, 0, lock).error;
        case Writer::Replace:
            return WriteDraw(folder.path(), kReplaced, kRecords, lock).error;
        case Writer::Conversion:
            return ConvertTextArchive(folder.path(), folder.path() / "archivio.txt", lock).error;
        case Writer::Import:
            return InstallArchiveCopy(folder.path(), folder.path() / "copia.txt", lock);
    }
    return "?";
}

// The same writer as a command line.
std::string CommandLine(Writer writer, const TempFolder& folder) {
    const std::string start = std::string(FORTUNARA_CLI) + " --cartella '" + folder.path().string() + "' ";
    switch (writer) {
        case Writer::Append:
            return start + "aggiungi --data " + kAppendDate + " --numeri 10,20,30,40,50,60,70,80 2>&1";
        case Writer::Replace:
            return start + "aggiungi --data " + kReplaceDate + " --numeri 11,21,31,41,51,61,71,81 --sostituisci 2>&1";
        case Writer::Conversion:
            return start + "converti '" + (folder.path() / "archivio.txt").string() + "' 2>&1";
        case Writer::Import:
            return start + "importa '" + (folder.path() / "copia.txt").string() + "' 2>&1";
    }
    return "";
}

constexpr const char* kInUse = "L'ARCHIVIO E' IN USO";

struct Pairing {
    const char* name;
    Writer first;   // in this process: takes the lock first and holds it for a while
    Writer second;  // the command line started meanwhile
    bool held;      // the first holds the lock until the second gave up, instead of a fifth of a second
    // Whether the second lands after the first, when it gets the lock: an append of a date already
    // there is refused, and so is an import whose copy lacks what the first wrote.
    bool secondLands;
};

TEST(ConcurrentWriters, BothLandOrOneIsRefusedWithAMessage) {
    using W = Writer;
    const Pairing pairings[] = {
        {"append, append", W::Append, W::Append, false, false},
        {"append, replacement", W::Append, W::Replace, false, true},
        {"append, conversion", W::Append, W::Conversion, false, true},
        {"append, import", W::Append, W::Import, false, false},
        {"replacement, append", W::Replace, W::Append, false, true},
        {"replacement, replacement", W::Replace, W::Replace, false, true},
        {"replacement, conversion", W::Replace, W::Conversion, false, true},
        {"replacement, import", W::Replace, W::Import, false, false},
        {"conversion, append", W::Conversion, W::Append, false, true},
        {"conversion, replacement", W::Conversion, W::Replace, false, true},
        {"conversion, conversion", W::Conversion, W::Conversion, false, true},
        {"conversion, import", W::Conversion, W::Import, false, false},
        {"import, append", W::Import, W::Append, false, true},
        {"import, replacement", W::Import, W::Replace, false, true},
        {"import, conversion", W::Import, W::Conversion, false, true},
        {"import, import", W::Import, W::Import, false, true},
        {"held: append, import", W::Append, W::Import, true, false},
        {"held: replacement, append", W::Replace, W::Append, true, false},
        {"held: conversion, replacement", W::Conversion, W::Replace, true, false},
        {"held: import, conversion", W::Import, W::Conversion, true, false},
    };
    for (const Pairing& pairing : pairings) {
        SCOPED_TRACE(pairing.name);
        TempFolder folder;
        // The bundled files already there, so that the command line starts without copying them.
        fs::copy(test::Assets(), folder.path(), fs::copy_options::recursive | fs::copy_options::skip_existing);
        folder.WriteArchive(kOld);
        folder.WriteFile("copia.txt", kCopy);
        folder.WriteFile("archivio.txt", kConverted + "\r\n");

        std::optional<ArchiveLock> lock(std::in_place, folder.path());
        ASSERT_TRUE(lock->ok());
        test::CommandResult second;
        std::thread other([&] { second = test::RunCommand(CommandLine(pairing.second, folder)); });
        std::string firstError;
        if (pairing.held) {
            other.join();
            firstError = WriteHere(pairing.first, folder, *lock);
            lock.reset();
        } else {
            // Meanwhile the command line starts and waits for the lock, up to a second.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            firstError = WriteHere(pairing.first, folder, *lock);
            lock.reset();
            other.join();
        }
        EXPECT_EQ(firstError, "");

        // Refused, the second says why. On a machine so busy that the first held the lock for more
        // than a second, the second may be refused as in use where it would have landed.
        const bool inUse = second.output.find(kInUse) != std::string::npos;
        const bool landed = second.status == 0;
        if (pairing.held) {
            EXPECT_TRUE(inUse) << second.output;
        } else if (!inUse) {
            EXPECT_EQ(landed, pairing.secondLands) << second.output;
        }
        if (!landed) {
            EXPECT_EQ(second.status, 2) << second.output;
        }

        const std::string first = Landed(pairing.first, kOld);
        const std::string expected = landed ? Landed(pairing.second, first) : first;
        const std::string archive = folder.ReadFile("dati/estraz09.txt");
        EXPECT_EQ(archive.size(), expected.size()) << second.output;
        EXPECT_TRUE(archive == expected) << "the archive differs from what both writers should have left";
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path())) {
            EXPECT_FALSE(IsTemporaryFileName(entry.path().filename().string())) << entry.path();
        }
    }
}

}  // namespace
}  // namespace fortunara
