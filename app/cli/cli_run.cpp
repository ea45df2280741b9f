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
     "sviluppo --numeri LISTA [--quantita N] [--garanzia integrale|ambo|terno|quaterna|cinquina]\n"
     "           [--riduzione 0|1|2|3] [--consecutivi LISTA] [--interruzioni LISTA] [--pari LISTA]\n"
     "           [--capigioco LISTA] [--somme DA-A,DA,...] [--gruppi FILE]\n"
     "      --quantita N = casella \"Numeri\" (senza l'opzione: quanti sono i numeri dati);\n"
     "      --riduzione k = opzione \"    n - k\"; --consecutivi, --interruzioni, --pari = caselle \" - i\"\n"
     "      spuntate di \"Consecutivita'\", \"Interruzioni\", \"Pari\"; --capigioco = \"Primo :\" .. \"Quarto :\";\n"
     "      --somme = righe \"DA\"-\"A\" di \"Somme\" (DA solo: \"A\" vuota); --gruppi = \"Link AND\", un gruppo\n"
     "      per riga: NUMERI DA-A; una qualsiasi di queste sei spunta \"ATTIVA CONDIZIONI\""},
    {"ritardi", RunRitardi, "ritardi --dal R --al R [--posizioni LISTA|nessuna]"},
    {"pari", RunPari, "pari --dal R --al R [--posizioni LISTA|nessuna]"},
    {"somma", RunSomma, "somma --dal R --al R [--posizioni LISTA|nessuna]"},
    {"interruzioni", RunInterruzioni, "interruzioni --dal R --al R [--posizioni LISTA|nessuna]"},
    {"ricerca", RunRicerca,
     "ricerca --numeri LISTA --sorte S --dal R --al R [--posizioni LISTA|nessuna] [--mesi GEN,FEB,...]"},
    {"previsione", RunPrevisione, "previsione --base R --quantita N"},
};

void PrintUsage(std::ostream& err) {
    err << "uso: fortunara-cli [--cartella CARTELLA] [--csv] COMANDO [OPZIONI]\ncomandi:\n";
    for (const CommandEntry& entry : kCommands) err << "  " << entry.usage << '\n';
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder, std::ostream& out,
           std::ostream& err) {
    try {
        CliContext context{folder, ParseCliArguments(arguments), out, err};
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
