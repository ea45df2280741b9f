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

}  // namespace
}  // namespace fortunara
