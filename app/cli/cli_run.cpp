#include "app/cli/cli_run.h"

#include <string_view>

#include "app/cli/cli_command.h"

namespace fortunara {

namespace {

struct CommandEntry {
    std::string_view name;
    int (*run)(const CliContext&);
    std::string_view usage;
};

const CommandEntry kCommands[] = {
    {"archivio", RunArchivio, "archivio [--dal R] [--al R]"},
    {"sviluppo", RunSviluppo,
     "sviluppo --numeri LISTA [--garanzia ambo|terno|quaterna|cinquina] [--riduzione 1|2|3] [--consecutivi LISTA]\n"
     "           [--interruzioni LISTA] [--pari LISTA] [--capigioco LISTA] [--somme A-B,C-D]\n"
     "      --riduzione k = opzione \"    n - k\"; --consecutivi, --interruzioni, --pari = caselle \" - i\"\n"
     "      spuntate di \"Consecutivita'\", \"Interruzioni\", \"Pari\"; --capigioco = \"Primo :\" .. \"Quarto :\";\n"
     "      --somme = righe \"DA\"-\"A\" di \"Somme\"; una qualsiasi di queste cinque spunta \"ATTIVA CONDIZIONI\""},
    {"ritardi", RunRitardi, "ritardi --dal R --al R [--posizioni LISTA]"},
    {"pari", RunPari, "pari --dal R --al R [--posizioni LISTA]"},
    {"somma", RunSomma, "somma --dal R --al R [--posizioni LISTA]"},
    {"interruzioni", RunInterruzioni, "interruzioni --dal R --al R [--posizioni LISTA]"},
    {"ricerca", RunRicerca, "ricerca --numeri LISTA --sorte S --dal R --al R [--posizioni LISTA] [--mesi GEN,FEB,...]"},
    {"previsione", RunPrevisione, "previsione --base R --quantita N"},
    {"aggiungi", RunAggiungi, "aggiungi --data GGMMMAAAA --numeri LISTA [--sostituisci]"},
    {"converti", RunConverti, "converti FILE"},
    {"importa", RunImporta, "importa FILE|INDIRIZZO [--forza]"},
    {"verifica", RunVerifica, "verifica"},
};

void PrintUsage(std::ostream& err) {
    err << "uso: fortunara-cli [--cartella CARTELLA] [--csv] COMANDO [OPZIONI]\ncomandi:\n";
    for (const CommandEntry& entry : kCommands) err << "  " << entry.usage << '\n';
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder, std::ostream& out,
           std::ostream& err, Downloader* downloader) {
    try {
        CliContext context{folder, ParseCliArguments(arguments), out, err, downloader};
        for (const CommandEntry& entry : kCommands) {
            if (entry.name == context.arguments.command) return entry.run(context);
        }
        if (context.arguments.command.empty()) {
            err << "MANCA IL COMANDO\n";
        } else {
            err << "COMANDO SCONOSCIUTO: " << context.arguments.command << '\n';
        }
        PrintUsage(err);
    } catch (const CliError& error) {
        err << error.what() << '\n';
    }
    return kCliError;
}

}  // namespace fortunara
