// The command-line writers and the integrity report, run in-process.
#include <gtest/gtest.h>

#include <latch>
#include <thread>

#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "tests/cli/cli_in_process.h"
#include "tests/fakes/fake_downloader.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::CliRun;
using test::RunIn;
using test::TempFolder;

const std::string kFirst = "10GEN20100102030405060708";
const std::string kSecond = "11GEN20100910111213141516";

TEST(CliAggiungi, AppendsRefusesAKnownDateAndReplacesWhenAsked) {
    TempFolder folder;
    folder.WriteArchive(kFirst + kSecond);
    const std::vector<std::string> add = {"aggiungi", "--data", "12GEN2010", "--numeri", "12,5,77,31,90,3,44,8"};
    const CliRun added = RunIn(folder, add);
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "3 12GEN2010 12 5 77 31 90 3 44 8\n");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst + kSecond + "12GEN201012 5773190 344 8");

    const CliRun again = RunIn(folder, add);
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("E' GIA' PRESENTE (ESTRAZIONE 3)"), std::string::npos) << again.err;

    const CliRun replaced = RunIn(folder, {"aggiungi", "--data", "11GEN2010", "--numeri", "1-8", "--sostituisci"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.out, "2 11GEN2010 1 2 3 4 5 6 7 8\n");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst + "11GEN2010 1 2 3 4 5 6 7 8" + "12GEN201012 5773190 344 8");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.bak"), kFirst + kSecond + "12GEN201012 5773190 344 8");
}

TEST(CliAggiungi, BadDatesAndNumbersWriteNothing) {
    TempFolder folder;
    folder.WriteArchive(kFirst);
    const struct {
        std::vector<std::string> arguments;
        std::string error;  // the start of the first line of the error
    } cases[] = {
        {{"aggiungi", "--data", "31APR2010", "--numeri", "1-8"}, "LA DATA \"31APR2010\" NON ESISTE: APR 2010 HA 30"},
        {{"aggiungi", "--data", "29FEB2023", "--numeri", "1-8"}, "LA DATA \"29FEB2023\" NON ESISTE: FEB 2023 HA 28"},
        {{"aggiungi", "--data", "12GEN10", "--numeri", "1-8"}, "LA DATA \"12GEN10\" NON E' VALIDA: --data VUOLE 9"},
        {{"aggiungi", "--data", "12GEN2010", "--numeri", "1-7"}, "--numeri VUOLE OTTO NUMERI"},
        {{"aggiungi", "--data", "12GEN2010", "--numeri", "1,2,3,4,5,91,7,8"}, "NUMERO 6 FUORI DA 1-90: 91"},
        {{"aggiungi", "--data", "12GEN2010", "--numeri", "1,2,3,4,5,5,7,8"}, "NUMERO 6 RIPETUTO: 5"},
        {{"aggiungi", "--numeri", "1-8"}, "MANCA"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunIn(folder, c.arguments);
        EXPECT_EQ(run.status, 2) << c.error;
        EXPECT_EQ(run.err.rfind(c.error, 0), 0u) << run.err;
        EXPECT_EQ(run.err.find("CASELLA"), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst);
}

TEST(CliAggiungi, AnOlderDateNeedsForzaAndNamesTheNewerDraw) {
    TempFolder folder;
    folder.WriteArchive(kFirst + kSecond);
    const std::vector<std::string> add = {"aggiungi", "--data", "05GEN2010", "--numeri", "1-8"};
    const CliRun refused = RunIn(folder, add);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.substr(0, refused.err.find('\n')),
              "L'ESTRAZIONE 2 DEL 11GEN2010 E' PIU' RECENTE DEL 05GEN2010");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst + kSecond);

    std::vector<std::string> forced = add;
    forced.push_back("--forza");
    EXPECT_EQ(RunIn(folder, forced).status, 0);
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst + kSecond + "05GEN2010 1 2 3 4 5 6 7 8");
}

TEST(CliConverti, ConvertsTheGivenTextArchive) {
    TempFolder folder;
    folder.WriteArchive("");
    folder.WriteFile("vecchio.txt", kSecond + "\r\n" + kFirst + "\r\n");
    const CliRun run = RunIn(folder, {"converti", (folder.path() / "vecchio.txt").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 1428 1427\n");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt").substr(1426 * 25), kFirst + kSecond);
    EXPECT_EQ(RunIn(folder, {"converti", (folder.path() / "manca.txt").string()}).status, 2);
}

TEST(CliImporta, ChecksTheCopyAndNeedsForzaForAShorterOne) {
    TempFolder folder;
    folder.WriteArchive(kFirst + kSecond);
    folder.WriteFile("corto.txt", kFirst);
    folder.WriteFile("pagina.html", "<html></html>");
    const std::string shorter = (folder.path() / "corto.txt").string();

    const CliRun refused = RunIn(folder, {"importa", shorter});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("HA 1 ESTRAZIONI, QUELLO ATTUALE 2"), std::string::npos) << refused.err;
    const CliRun page = RunIn(folder, {"importa", (folder.path() / "pagina.html").string()});
    EXPECT_EQ(page.status, 2);
    EXPECT_NE(page.err.find("NON E' UN ARCHIVIO DELLE ESTRAZIONI"), std::string::npos) << page.err;
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst + kSecond);

    const CliRun forced = RunIn(folder, {"importa", shorter, "--forza"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(forced.out, "1 2\n");
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst);
    EXPECT_EQ(folder.ReadFile("dati/estraz09.bak"), kFirst + kSecond);

    test::FakeDownloader downloader;
    downloader.bytes = kFirst + kSecond + kFirst.substr(0, 2) + "MAR2010" + kFirst.substr(9);
    const CliRun downloaded = RunIn(folder, {"importa", "http://127.0.0.1/estraz09.txt"}, &downloader);
    EXPECT_EQ(downloaded.status, 0) << downloaded.err;
    EXPECT_EQ(downloaded.out, "3 1\n");
    EXPECT_EQ(downloader.requests.at(0).url, "http://127.0.0.1/estraz09.txt");
}

TEST(CliConvertiImporta, EndlessSourcesEndWithAMessageAndWriteNothing) {
    TempFolder folder;
    folder.WriteArchive(kFirst);
    const struct {
        const char* command;
        std::string error;
    } cases[] = {
        {"converti", "LA RIGA 1 DELL'ARCHIVIO DI TESTO /dev/zero E' TROPPO LUNGA"},
        {"importa", "Errore durante il download! IL FILE NON E' UN ARCHIVIO DELLE ESTRAZIONI: LA PRIMA"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunIn(folder, {c.command, "/dev/zero"});
        EXPECT_EQ(run.status, 2) << c.command;
        EXPECT_EQ(run.err.rfind(c.error, 0), 0u) << run.err;
    }
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst);
}

TEST(CliImporta, AnArchiveThatIsALinkStaysALink) {
    TempFolder folder;
    folder.WriteFile("altrove/estraz09.txt", kFirst);
    std::filesystem::create_directories(folder.path() / "dati");
    std::filesystem::create_symlink("../altrove/estraz09.txt", folder.path() / "dati" / "estraz09.txt");
    folder.WriteFile("copia.txt", kFirst + kSecond);
    const CliRun run = RunIn(folder, {"importa", (folder.path() / "copia.txt").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "dati" / "estraz09.txt"));
    EXPECT_EQ(folder.ReadFile("altrove/estraz09.txt"), kFirst + kSecond);
}

TEST(CliWriters, AWriterThatCannotGetTheLockSaysSoAndWritesNothing) {
    TempFolder folder;
    folder.WriteArchive(kFirst);
    folder.WriteFile("archivio.txt", kSecond);
    folder.WriteFile("copia.txt", kFirst + kSecond);
    const ArchiveLock held(folder.path());
    ASSERT_TRUE(held.ok()) << held.Error();
    for (const std::vector<std::string>& arguments : {
             std::vector<std::string>{"aggiungi", "--data", "12GEN2010", "--numeri", "1-8"},
             {"converti", (folder.path() / "archivio.txt").string()},
             {"importa", (folder.path() / "copia.txt").string()},
         }) {
        const CliRun run = RunIn(folder, arguments);
        EXPECT_EQ(run.status, 2) << arguments[0];
        EXPECT_EQ(run.err.rfind("L'ARCHIVIO E' IN USO: UN ALTRO PROGRAMMA LO STA AGGIORNANDO", 0), 0u) << run.err;
    }
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst);
}

// Two runs started at the same moment, many times over: neither a draw lost or doubled, nor a
// refused copy put in place while the good one says it succeeded.
TEST(CliWriters, TwoWritersAtTheSameMomentNeverInterleave) {
    const auto together = [](const TempFolder& folder, const std::vector<std::string>& first,
                             const std::vector<std::string>& second) {
        std::latch start(2);
        CliRun runs[2];
        std::thread other([&] {
            start.arrive_and_wait();
            runs[1] = RunIn(folder, second);
        });
        start.arrive_and_wait();
        runs[0] = RunIn(folder, first);
        other.join();
        return std::pair(runs[0], runs[1]);
    };
    for (int round = 0; round < 100; ++round) {
        TempFolder folder;
        folder.WriteArchive(kFirst + kSecond);
        const std::vector<std::string> add = {"aggiungi", "--data", "12GEN2010", "--numeri", "1-8"};
        const auto [a, b] = together(folder, add, add);
        EXPECT_EQ(a.status + b.status, 2) << a.err << b.err;  // one wrote, the other found the date
        EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), kFirst + kSecond + "12GEN2010 1 2 3 4 5 6 7 8");

        folder.WriteFile("buona.txt", kFirst + kSecond + "12GEN20100102030405060709");
        folder.WriteFile("guasta.txt", kFirst + kSecond + "13GEN20100102030405060795");
        const auto [good, bad] = together(folder, {"importa", (folder.path() / "buona.txt").string(), "--forza"},
                                          {"importa", (folder.path() / "guasta.txt").string(), "--forza"});
        EXPECT_EQ(good.status, 0) << good.err;
        EXPECT_EQ(bad.status, 2);
        EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), folder.ReadFile("buona.txt"));
    }
}

TEST(CliVerifica, TheBundledArchiveIsClean) {
    TempFolder folder;
    folder.WriteArchive(ReadFileBytes(test::RealArchive()).bytes);
    const CliRun run = RunIn(folder, {"verifica"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "");
}

TEST(CliVerifica, ListsOneFaultOfEachKind) {
    TempFolder folder;
    folder.CopyFixture("archive-one-fault-of-each-kind.txt", "dati/estraz09.txt");
    const CliRun run = RunIn(folder, {"verifica"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "2 DATA NON VALIDA: \"31APR2009\"\n"
              "3 NUMERO 1 FUORI DA 1-90: 95\n"
              "4 NUMERO 6 RIPETUTO: 2\n"
              "5 JOLLY FUORI DA 1-90: 91\n"
              "6 JOLLY UGUALE A UN NUMERO ESTRATTO: 3\n"
              "7 SUPERSTAR FUORI DA 0-90: 95\n"
              "9 DATA FUORI ORDINE: 19GEN2009 DOPO 24GEN2009\n"
              "10 DATA RIPETUTA: 24GEN2009 (COME L'ESTRAZIONE 8)\n"
              "11 ESTRAZIONE VUOTA\n"
              "12 ESTRAZIONE INCOMPLETA: 13 CARATTERI SU 25\n");
}

}  // namespace
}  // namespace fortunara
