#include "platform/text/file_replacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool Replace(const fs::path& file, const std::string& bytes, std::uintmax_t writeLimit = kNoWriteLimit) {
    FileReplacement out(file, writeLimit);
    out.Write(bytes.substr(0, bytes.size() / 2));
    out.Write(bytes.substr(bytes.size() / 2));
    return out.Commit();
}

TEST(FileReplacement, AFailureLeavesTheOldFileAndNothingElse) {
    struct Case {
        const char* name;
        std::uintmax_t writeLimit;
        bool committed;
    };
    const Case cases[] = {
        {"disk full at once", 0, false},
        {"disk full half way", 5, false},
        {"disk full one byte short", 9, false},
        {"exactly enough room", 10, true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.WriteFile("SISTEMI.TXT", "OLD");
        EXPECT_EQ(Replace(folder.path() / "SISTEMI.TXT", "0123456789", c.writeLimit), c.committed) << c.name;
        EXPECT_EQ(folder.ReadFile("SISTEMI.TXT"), c.committed ? "0123456789" : "OLD") << c.name;
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"SISTEMI.TXT"}) << c.name;
    }
}

TEST(FileReplacement, AReplacementGivenUpLeavesTheOldFile) {
    TempFolder folder;
    folder.WriteFile("a.txt", "OLD");
    {
        FileReplacement out(folder.path() / "a.txt");
        EXPECT_TRUE(out.Write("NEW"));
    }
    EXPECT_EQ(folder.ReadFile("a.txt"), "OLD");
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"a.txt"});
}

TEST(FileReplacement, OtherFilesBesideItAreNeverTaken) {
    TempFolder folder;
    folder.WriteFile("SISTEMI.TXT", "OLD");
    folder.WriteFile("SISTEMI.TXT.tmp", "a file of the user's");
    // Two writers of the same file at once each write a temporary file of their own.
    FileReplacement first(folder.path() / "SISTEMI.TXT");
    FileReplacement second(folder.path() / "SISTEMI.TXT");
    ASSERT_TRUE(first.Write("FIRST"));
    ASSERT_TRUE(second.Write("SECOND"));
    EXPECT_TRUE(first.Commit());
    EXPECT_EQ(folder.ReadFile("SISTEMI.TXT"), "FIRST");
    EXPECT_TRUE(second.Commit());
    EXPECT_EQ(folder.ReadFile("SISTEMI.TXT"), "SECOND");
    EXPECT_EQ(folder.ReadFile("SISTEMI.TXT.tmp"), "a file of the user's");
    EXPECT_EQ(NamesIn(folder.path()), (std::vector<std::string>{"SISTEMI.TXT", "SISTEMI.TXT.tmp"}));
}

TEST(FileReplacement, KeepsThePermissionsOfTheOldFile) {
    TempFolder folder;
    folder.WriteFile("a.txt", "OLD");
    const fs::perms chosen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(folder.path() / "a.txt", chosen);
    ASSERT_TRUE(Replace(folder.path() / "a.txt", "NEW"));
    EXPECT_EQ(fs::status(folder.path() / "a.txt").permissions(), chosen);
}

TEST(FileReplacement, FollowsSymbolicLinks) {
    TempFolder folder;
    folder.WriteFile("real/gioco.SSI", "OLD");
    fs::create_directories(folder.path() / "links");
    fs::create_symlink("../real/gioco.SSI", folder.path() / "links" / "second");
    fs::create_symlink("second", folder.path() / "links" / "first");
    ASSERT_TRUE(Replace(folder.path() / "links" / "first", "NEW"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "links" / "first"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "links" / "second"));
    EXPECT_EQ(folder.ReadFile("real/gioco.SSI"), "NEW");
    EXPECT_EQ(NamesIn(folder.path() / "real"), std::vector<std::string>{"gioco.SSI"});

    // A loop of links names no file: nothing is written.
    fs::create_symlink("loop-b", folder.path() / "loop-a");
    fs::create_symlink("loop-a", folder.path() / "loop-b");
    EXPECT_FALSE(Replace(folder.path() / "loop-a", "NEW"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "loop-a"));
}

TEST(RemoveStaleTemporaryFiles, OnlyTheProgramsOwnNamesWrittenBeforeTheStart) {
    TempFolder folder;
    const fs::file_time_type start = fs::file_time_type::clock::now();
    const struct {
        const char* name;
        bool old;
        bool removed;
    } cases[] = {
        {".estraz09.txt.3f9a0c61d2b7.tmp", true, true},
        {"..estraz09.txt.3f9a0c61d2b7.tmp.00000000000a.tmp", true, true},  // the downloader's, inside a copy
        {".estraz09.txt.3f9a0c61d2b7.tmp", false, false},                  // another run's, still at work
        {"estraz09.txt.tmp", true, false},
        {".estraz09.txt.3F9A0C61D2B7.tmp", true, false},
        {".estraz09.txt.3f9a0c61d2b.tmp", true, false},
        {"..3f9a0c61d2b7.tmp", true, false},
        {".estraz09.txt.lock", true, false},
    };
    for (const auto& c : cases) {
        const fs::path sub = folder.path() / (c.old ? "vecchi" : "nuovi");
        folder.WriteFile(sub.lexically_relative(folder.path()) / c.name, "");
        if (c.old) fs::last_write_time(sub / c.name, start - std::chrono::hours(1));
    }
    EXPECT_EQ(RemoveStaleTemporaryFiles(folder.path() / "vecchi", start), 2);
    EXPECT_EQ(RemoveStaleTemporaryFiles(folder.path() / "nuovi", start), 0);
    for (const auto& c : cases) {
        EXPECT_NE(fs::exists(folder.path() / (c.old ? "vecchi" : "nuovi") / c.name), c.removed) << c.name;
    }
}

TEST(TemporaryFile, EachOneHasANameOfItsOwnAndGoesWithTheObject) {
    TempFolder folder;
    fs::path first;
    {
        const TemporaryFile a(folder.path() / "estraz09.txt");
        const TemporaryFile b(folder.path() / "estraz09.txt");
        ASSERT_TRUE(a.ok() && b.ok());
        EXPECT_NE(a.path(), b.path());
        EXPECT_TRUE(IsTemporaryFileName(a.path().filename().string()));
        first = a.path();
        EXPECT_TRUE(fs::exists(first));
    }
    EXPECT_FALSE(fs::exists(first));
    EXPECT_FALSE(TemporaryFile(folder.path() / "manca" / "estraz09.txt").ok());
}

}  // namespace
}  // namespace fortunara
