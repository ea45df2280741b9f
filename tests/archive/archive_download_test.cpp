// The copy of a whole archive: fetched, checked against the archive, put in its place.
#include "archive/core/archive_download.h"

#include <gtest/gtest.h>

#include "archive/core/address_settings.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_archive.h"
#include "tests/fakes/fake_downloader.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::TempFolder;

std::string Draws(int count, int first = 1) {
    std::string bytes;
    for (int k = first; k < first + count; ++k) {
        bytes += std::string(k % 28 + 1 < 10 ? "0" : "") + std::to_string(k % 28 + 1) + "GEN2009" + "0102030405060708";
    }
    return bytes;
}

TEST(FetchArchiveCopy, WebAddressesGoToTheDownloaderLocalPathsAreCopied) {
    TempFolder folder;
    folder.WriteArchive("");
    test::FakeDownloader downloader;
    downloader.bytes = Draws(2);
    const TemporaryFile file(DrawArchive::ArchivePath(folder.path()));
    const std::filesystem::path& copy = file.path();
    EXPECT_TRUE(FetchArchiveCopy(downloader, "  https://esempio.it/estraz09.txt ", copy, nullptr).ok);
    ASSERT_EQ(downloader.requests.size(), 1u);
    EXPECT_EQ(downloader.requests[0].url, "https://esempio.it/estraz09.txt");
    EXPECT_EQ(downloader.requests[0].target, copy);

    folder.WriteFile("salvato.txt", Draws(3));
    EXPECT_TRUE(FetchArchiveCopy(downloader, (folder.path() / "salvato.txt").string(), copy, nullptr).ok);
    EXPECT_EQ(folder.ReadFile(copy.lexically_relative(folder.path())), Draws(3));
    EXPECT_EQ(downloader.requests.size(), 1u);

    EXPECT_EQ(FetchArchiveCopy(downloader, " ", copy, nullptr).error, "MANCA L'INDIRIZZO DELL'ARCHIVIO DA SCARICARE");
    EXPECT_FALSE(FetchArchiveCopy(downloader, (folder.path() / "manca.txt").string(), copy, nullptr).ok);
}

TEST(CheckArchiveCopy, ShorterOrDifferentCopiesNeedTheUsersYes) {
    TempFolder folder;
    folder.WriteArchive(Draws(10));
    const std::filesystem::path copy = folder.path() / "copia.txt";
    const struct {
        const char* name;
        std::string bytes;
        bool confirm;
        bool shorter;
        bool differs;
    } cases[] = {
        {"longer, same start", Draws(12), false, false, false},
        {"same", Draws(10), false, false, false},
        {"shorter", Draws(9), true, true, false},
        {"different start", Draws(12, 2), true, false, true},
        // A field written " 1" instead of "01" is the same draw.
        {"same draws other form", "02GEN2009 1 2 3 4 5 6 7 8" + Draws(11, 2), false, false, false},
    };
    for (const auto& c : cases) {
        folder.WriteFile("copia.txt", c.bytes);
        const ArchiveCopyCheck check = CheckArchiveCopy(folder.path(), copy);
        ASSERT_TRUE(check.ok()) << c.name << ": " << check.error;
        EXPECT_EQ(check.NeedsConfirmation(), c.confirm) << c.name;
        EXPECT_EQ(check.shorter, c.shorter) << c.name;
        EXPECT_EQ(check.differs, c.differs) << c.name;
        EXPECT_EQ(check.currentCount, 10);
    }
    folder.WriteFile("copia.txt", Draws(9));
    EXPECT_EQ(ReplacementQuestion(CheckArchiveCopy(folder.path(), copy)),
              "L'ARCHIVIO SCARICATO HA 9 ESTRAZIONI, QUELLO ATTUALE 10.\n"
              "L'ARCHIVIO SCARICATO HA MENO ESTRAZIONI DI QUELLO ATTUALE.\n"
              "SOSTITUISCO L'ARCHIVIO ATTUALE CON QUELLO SCARICATO ?");
}

TEST(InstallArchiveCopy, TheOldArchiveBecomesTheBackup) {
    TempFolder folder;
    folder.WriteArchive(Draws(2));
    folder.WriteFile("copia.txt", Draws(3));
    const ArchiveLock lock(folder.path());
    EXPECT_EQ(InstallArchiveCopy(folder.path(), folder.path() / "copia.txt", lock), "");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), Draws(3));
    EXPECT_EQ(folder.ReadFile("dati/estraz09.bak"), Draws(2));
}

TEST(ArchiveAddresses, RememberedInTheProgramFolderAndEmptyAtFirst) {
    TempFolder folder;
    EXPECT_EQ(ReadAddresses(folder.path()), ArchiveAddresses{});
    const ArchiveAddresses addresses{"https://risultati.esempio.it/pagina?a=1&b=è", "file:///home/mario/estraz09.txt"};
    EXPECT_EQ(WriteAddresses(folder.path(), addresses), "");
    EXPECT_EQ(ReadAddresses(folder.path()), addresses);
    EXPECT_EQ(folder.ReadFile("indirizzi.txt"),
              "pagina=https://risultati.esempio.it/pagina?a=1&b=\xE8\r\narchivio=file:///home/mario/estraz09.txt\r\n");
    // A line no address fills ends the reading: what is no settings file is not read on.
    folder.WriteFile("indirizzi.txt", std::string(5000, 'x') + "\r\npagina=https://altro.esempio.it\r\n");
    EXPECT_EQ(ReadAddresses(folder.path()), ArchiveAddresses{});
}

}  // namespace
}  // namespace fortunara
