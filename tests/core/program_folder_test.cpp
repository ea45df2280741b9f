#include "app/program/program_folder.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(ChooseProgramFolder, OptionThenEnvironmentThenUserFolder) {
    EXPECT_EQ(ChooseProgramFolder("/a", "/b", "/c"), fs::path("/a"));
    EXPECT_EQ(ChooseProgramFolder(std::nullopt, "/b", "/c"), fs::path("/b"));
    EXPECT_EQ(ChooseProgramFolder(std::string(), std::string(), "/c"), fs::path("/c"));
}

TEST(FillProgramFolder, CopiesTheBundleIntoAnEmptyFolder) {
    TempFolder folder;
    const FolderFillResult result = FillProgramFolder(folder.path() / "nuova", test::Assets());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(fs::file_size(folder.path() / "nuova" / "dati" / "estraz09.txt"), 106325u);
    // The starter library comes with the bundle: its index and every matrix it lists.
    const std::string index = folder.ReadFile("nuova/matrion/SISTEMI.TXT");
    EXPECT_EQ(index.substr(0, 20), "\"\"\r\n\"07N00306.SIS\"\r\n");
    EXPECT_EQ(index.substr(index.size() - 8), "\"STOP\"\r\n");
    EXPECT_TRUE(fs::exists(folder.path() / "nuova" / "matrion" / "20N03006.SIS"));
}

TEST(FillProgramFolder, NeverOverwritesAUserFile) {
    TempFolder folder;
    folder.WriteArchive("01GEN20090102030405060708");
    const FolderFillResult result = FillProgramFolder(folder.path(), test::Assets());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), "01GEN20090102030405060708");
    EXPECT_TRUE(fs::exists(folder.path() / "matrion" / "SISTEMI.TXT"));
    for (const fs::path& copied : result.copied) EXPECT_NE(copied, fs::path("dati") / "estraz09.txt");
}

TEST(FillProgramFolder, UnwritableFolderIsReportedInItalian) {
    TempFolder folder;
    folder.WriteFile("occupato", "a file, not a folder");
    const FolderFillResult onFile = FillProgramFolder(folder.path() / "occupato", test::Assets());
    EXPECT_FALSE(onFile.ok());
    EXPECT_NE(onFile.error.find("CARTELLA DEL PROGRAMMA"), std::string::npos);

    // A file standing where a sub-folder of the bundle must go.
    folder.WriteFile("cartella/dati", "blocks the dati folder");
    const FolderFillResult blocked = FillProgramFolder(folder.path() / "cartella", test::Assets());
    EXPECT_FALSE(blocked.ok());
    EXPECT_EQ(folder.ReadFile("cartella/dati"), "blocks the dati folder");
}

TEST(FillProgramFolder, AnUnreadableFolderEndsWithAMessageNamingIt) {
    TempFolder folder;
    fs::create_directories(folder.path() / "casa");
    fs::create_symlink("dati", folder.path() / "casa" / "dati");  // a loop: dati points at itself
    const FolderFillResult result = FillProgramFolder(folder.path() / "casa", test::Assets());
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("IMPOSSIBILE LEGGERE LA CARTELLA " + (folder.path() / "casa" / "dati").string()),
              std::string::npos)
        << result.error;
}

TEST(FillProgramFolder, ACopyCutShortLeavesNothingAndTheNextStartCopiesAgain) {
    TempFolder folder;
    const fs::path home = folder.path() / "casa";
    // Every copy fails after 65536 bytes, as on a disk that is full.
    EXPECT_FALSE(FillProgramFolder(home, test::Assets(), 65536).ok());
    EXPECT_FALSE(fs::exists(home / "dati" / "estraz09.txt"));
    // Whatever was copied before the failure is whole, and nothing else is there.
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home)) {
        if (!entry.is_regular_file()) continue;
        const fs::path bundled = test::Assets() / entry.path().lexically_relative(home);
        ASSERT_TRUE(fs::exists(bundled)) << "left behind: " << entry.path();
        EXPECT_EQ(entry.file_size(), fs::file_size(bundled)) << entry.path();
    }

    const FolderFillResult again = FillProgramFolder(home, test::Assets());
    ASSERT_TRUE(again.ok()) << again.error;
    EXPECT_EQ(fs::file_size(home / "dati" / "estraz09.txt"), 106325u);
}

TEST(FillProgramFolder, MissingBundleIsReported) {
    TempFolder folder;
    EXPECT_FALSE(FillProgramFolder(folder.path(), folder.path() / "nessuno").ok());
}

}  // namespace
}  // namespace fortunara
