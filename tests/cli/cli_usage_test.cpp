// The usage, and the mistakes that end a command line before any program folder is touched.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/cli_run.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
    int foldersOpened;
};

CliRun RunCounted(const test::TempFolder& folder, const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    int opened = 0;
    const FolderOpener opener = [&](const std::optional<std::string>&, std::ostream&) {
        ++opened;
        return std::optional(folder.path());
    };
    const int status = RunCli(arguments, opener, out, err);
    return {status, out.str(), err.str(), opened};
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

TEST(CliUsage, HelpPrintsTheUsageOnStandardOutput) {
    test::TempFolder folder;
    const struct {
        std::vector<std::string> arguments;
        std::string firstLine;
    } rows[] = {
        {{"--help"}, "uso: fortunara-cli [--cartella CARTELLA] [--csv] COMANDO [OPZIONI]"},
        {{"--cartella", "non-esiste", "--help"}, "uso: fortunara-cli [--cartella CARTELLA] [--csv] COMANDO [OPZIONI]"},
        {{"ritardi", "--help"},
         "uso: fortunara-cli [--cartella CARTELLA] [--csv] ritardi --dal R --al R [--posizioni LISTA|nessuna]"},
        {{"--csv", "archivio", "--dal", "3", "-h"},
         "uso: fortunara-cli [--cartella CARTELLA] [--csv] archivio [--dal R] [--al R]"},
        // Help wins over the mistakes around it.
        {{"ricerca", "--mese", "MAR", "--help", "--dal"},
         "uso: fortunara-cli [--cartella CARTELLA] [--csv] ricerca --numeri LISTA --sorte S --dal R --al R "
         "[--posizioni LISTA|nessuna] [--mesi GEN,FEB,...]"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunCounted(folder, row.arguments);
        EXPECT_EQ(run.status, 0) << row.arguments.front();
        EXPECT_EQ(FirstLine(run.out), row.firstLine);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.foldersOpened, 0);
    }
}

TEST(CliUsage, UsageMistakesExitWithStatusTwoAndOpenNoFolder) {
    test::TempFolder folder;
    folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
    const struct {
        std::vector<std::string> arguments;
        std::string firstLine;
    } rows[] = {
        {{}, "MANCA IL COMANDO"},
        {{"--cartella", "prova-sbagliata"}, "MANCA IL COMANDO"},
        // A mistake before the command, or without one, is named; it never eats the command.
        {{"--x", "archivio"}, "OPZIONE SCONOSCIUTA: --x"},
        {{"--", "archivio"}, "OPZIONE SCONOSCIUTA: --"},
        {{"--x"}, "OPZIONE SCONOSCIUTA: --x"},
        {{"--help=x"}, "L'OPZIONE --help NON HA VALORE"},
        {{"--forza", "importa"}, "INDICA IL FILE O L'INDIRIZZO DELL'ARCHIVIO DA IMPORTARE"},
        {{"sconosciuto", "--help"}, "COMANDO SCONOSCIUTO: sconosciuto"},
        {{"ricerca", "--numeri", "12", "--sorte", "1", "--dal", "1", "--al", "4", "--mese", "MAR"},
         "OPZIONE SCONOSCIUTA: --mese"},
        {{"archivio", "--dal", "3", "--al", "1", "--dal", "2"}, "OPZIONE RIPETUTA: --dal"},
        {{"ritardi", "--dal", "3", "--al", "1", "tutti"}, "ARGOMENTO INATTESO: tutti"},
        {{"ritardi", "--dal", "3"}, "MANCA L'OPZIONE --al"},
        {{"metodo", "--dal", "1", "--al", "1", "--posizione", "1"}, "MANCA IL METODO: vertibili o gemelli"},
        {{"converti"}, "INDICA L'ARCHIVIO DI TESTO"},
        {{"controllo", "--estrazione", "1"}, "SERVE --sistema FILE OPPURE --matrice FILE --numeri LISTA"},
        {{"controllo", "--sistema", "GIOCO.SSI", "--dal", "1"}, "MANCA L'OPZIONE --al"},
        {{"schedine"}, "SERVE --prova OPPURE --sistema FILE"},
        {{"schedine", "--prova", "--sistema", "GIOCO.SSI"}, "SERVE --prova OPPURE --sistema FILE"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunCounted(folder, row.arguments);
        EXPECT_EQ(run.status, 2) << row.firstLine;
        EXPECT_EQ(run.out, "") << row.firstLine;
        EXPECT_EQ(FirstLine(run.err), row.firstLine);
        EXPECT_NE(run.err.find("uso: fortunara-cli"), std::string::npos) << row.firstLine;
        EXPECT_EQ(run.foldersOpened, 0) << row.firstLine;
    }
}

}  // namespace
}  // namespace fortunara
