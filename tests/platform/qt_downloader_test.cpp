#include "platform/qt/qt_downloader.h"

#include <gtest/gtest.h>

#include <QUrl>

#include "platform/qt/qt_paths.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;

std::string FileUrl(const fs::path& file) {
    return QUrl::fromLocalFile(ToQString(file)).toString().toStdString();
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class Downloading : public ::testing::Test {
protected:
    Downloading() { folder.WriteFile("dati/estraz09.txt", "VECCHIO"); }

    fs::path Target() const { return folder.path() / "dati" / "estraz09.txt"; }

    test::TempFolder folder;
    QtDownloader downloader;
};

TEST_F(Downloading, ReplacesTheTargetWithTheWholeSource) {
    const std::string archive(100000, 'x');
    folder.WriteFile("sorgente.txt", archive);
    std::int64_t lastReceived = -1;

    EXPECT_TRUE(downloader
                    .Download(FileUrl(folder.path() / "sorgente.txt"), Target(),
                              [&](std::int64_t received, std::int64_t) { lastReceived = received; })
                    .ok);
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), archive);
    EXPECT_EQ(lastReceived, static_cast<std::int64_t>(archive.size()));
    EXPECT_EQ(FilesIn(folder.path() / "dati"), 1u);
}

TEST_F(Downloading, FailureLeavesTheOldTargetAsItWas) {
    EXPECT_FALSE(downloader.Download(FileUrl(folder.path() / "manca.txt"), Target(), nullptr).ok);
    EXPECT_FALSE(downloader.Download("non un indirizzo://", Target(), nullptr).ok);
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), "VECCHIO");
    EXPECT_EQ(FilesIn(folder.path() / "dati"), 1u);
}

}  // namespace
}  // namespace fortunara
