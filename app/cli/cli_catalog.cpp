#include "app/cli/cli_catalog.h"

#include <vector>

namespace fortunara {

namespace {

const OptionDeclaration kRangeOptions = {{"--dal", "--al", "--posizioni"}, {}, {}, 0, {"--dal", "--al"}};

constexpr std::string_view kPositions =
    "  --posizioni LISTA  le caselle delle posizioni spuntate: 1-6 i sei numeri in ordine crescente,\n"
    "                     7 il jolly, 8 il superstar (senza l'opzione: 1-6); \"nessuna\" non ne spunta alcuna\n";

const OptionWays kSystemOrMatrix = {{{"--sistema"}, {"--matrice"}}, "SERVE --sistema FILE OPPURE --matrice FILE"};

const std::vector<CommandEntry>& Commands() {
    static const std::vector<CommandEntry> commands = {
        {"archivio",
         RunArchivio,
         {{"--dal", "--al"}, {}},
         "archivio [--dal R] [--al R]",
         "  una riga per estrazione, da --dal verso --al: numero, data, i sei numeri, jolly e superstar\n"
         "  come sono registrati\n"
         "  --dal R  la prima estrazione elencata (senza l'opzione: ultima)\n"
         "  --al R   l'ultima estrazione elencata (senza l'opzione: 1)\n"},
        {"ritardi", RunRitardi, kRangeOptions, "ritardi --dal R --al R [--posizioni LISTA|nessuna]",
         "  \"90 NUMERI\": 90 righe NUMERO FREQ RIT RITMAX sulle estrazioni da --dal ad --al\n"},
        {"pari", RunPari, kRangeOptions, "pari --dal R --al R [--posizioni LISTA|nessuna]",
         "  \"PARI E DISPARI\": una riga per riga della tabella, VALORE FREQ RIT (VALORE = numeri pari)\n"},
        {"somma", RunSomma, kRangeOptions, "somma --dal R --al R [--posizioni LISTA|nessuna]",
         "  \"SOMMA\": una riga per ogni somma uscita, VALORE FREQ RIT\n"},
        {"interruzioni", RunInterruzioni, kRangeOptions, "interruzioni --dal R --al R [--posizioni LISTA|nessuna]",
         "  \"INTERRUZIONI\": una riga per riga della tabella, VALORE FREQ RIT\n"},
        {"ricerca",
         RunRicerca,
         {{"--numeri", "--sorte", "--dal", "--al", "--posizioni", "--mesi"},
          {},
          {},
          0,
          {"--numeri", "--sorte", "--dal", "--al"}},
         "ricerca --numeri LISTA --sorte S --dal R --al R [--posizioni LISTA|nessuna] [--mesi GEN,FEB,...]",
         "  la ricerca dei numeri: FREQUENZA RITARDO RITMAX COLPI, poi una riga per colpo: posizione nella\n"
         "  scansione, data, numeri trovati; con --csv una sola tabella, le quattro cifre su ogni riga\n"
         "  --sorte S    singolo, ambo, terno, quaterna, cinquina, sestina oppure da 1 a 6\n"
         "  --mesi       i mesi che contano (senza l'opzione: tutti)\n"},
        {"previsione",
         RunPrevisione,
         {{"--base", "--quantita"}, {}, {}, 0, {"--base", "--quantita"}},
         "previsione --base R --quantita N",
         "  i numeri della previsione su una riga, poi una riga per uscita: posizione, data, numeri trovati;\n"
         "  con --csv una sola tabella, i numeri della previsione su ogni riga\n"
         "  --base R      l'estrazione base (la previsione prende i numeri delle estrazioni precedenti)\n"
         "  --quantita N  quanti numeri, da 0 a 90\n"},
        {"sviluppo",
         RunSviluppo,
         {{"--numeri", "--quantita", "--garanzia", "--riduzione", "--consecutivi", "--interruzioni", "--pari",
           "--capigioco", "--somme", "--gruppi"},
          {},
          {},
          0,
          {"--numeri"}},
         "sviluppo --numeri LISTA [--quantita N] [--garanzia integrale|ambo|terno|quaterna|cinquina]\n"
         "           [--riduzione 0|1|2|3] [--consecutivi LISTA] [--interruzioni LISTA] [--pari LISTA]\n"
         "           [--capigioco LISTA] [--somme DA-A,DA,...] [--gruppi FILE]",
         "  una combinazione per riga, i sei numeri nell'ordine in cui sono registrati\n"
         "  --numeri        i numeri del sistema nell'ordine di inserimento (0 - 90, al piu' 90)\n"
         "  --quantita N    la casella \"Numeri\" (senza l'opzione: quanti sono i numeri dati); le posizioni\n"
         "                  oltre i numeri dati valgono 0, oltre la 90 non hanno numero\n"
         "  --riduzione k   l'opzione \"    n - k\" (senza l'opzione: 0)\n"
         "  --consecutivi, --interruzioni, --pari  le caselle \" - i\" spuntate di \"Consecutivita'\",\n"
         "                  \"Interruzioni\", \"Pari\"\n"
         "  --capigioco     \"Primo :\" .. \"Quarto :\"\n"
         "  --somme         le righe di \"Somme\": DA-A, oppure DA solo (la casella \"A\" vuota)\n"
         "  --gruppi FILE   la griglia \"Link AND\": un gruppo per riga, i suoi numeri (LISTA, al piu' 30),\n"
         "                  uno spazio e quanti ne deve avere una combinazione come DA-A: \"1-10,15 2-3\"\n"
         "  una qualsiasi delle ultime sei opzioni spunta \"ATTIVA CONDIZIONI\"\n"},
        {"aggiungi",
         RunAggiungi,
         {{"--data", "--numeri"}, {"--sostituisci", "--forza"}, {}, 0, {"--data", "--numeri"}},
         "aggiungi --data GGMMMAAAA --numeri LISTA [--sostituisci] [--forza]",
         "  scrive un'estrazione nell'archivio: in coda, o al posto di quella con la stessa data fra le 105\n"
         "  piu' recenti quando c'e' --sostituisci (senza, una data gia' presente e' un errore)\n"
         "  --numeri  gli otto numeri: i sei estratti, il jolly e il superstar (0 prima che esistesse)\n"
         "  --forza   aggiunge in coda anche una data piu' vecchia dell'ultima estrazione, o una data gia'\n"
         "            presente prima delle 105 piu' recenti (senza, e' un errore che dice quale e' piu' recente)\n"},
        {"converti",
         RunConverti,
         {{}, {}, {}, 1, {}, "INDICA L'ARCHIVIO DI TESTO"},
         "converti FILE",
         "  scrive le estrazioni di un archivio di testo (la piu' recente per prima) nei record dal 1428 in giu';\n"
         "  un'estrazione non valida le rifiuta tutte, elencando le righe sbagliate; dopo la 1428esima il file non\n"
         "  e' letto\n"},
        {"importa",
         RunImporta,
         {{}, {"--forza"}, {}, 1, {}, "INDICA IL FILE O L'INDIRIZZO DELL'ARCHIVIO DA IMPORTARE"},
         "importa FILE|INDIRIZZO [--forza]",
         "  sostituisce l'archivio con una copia aggiornata, dopo averne controllato ogni estrazione; una copia\n"
         "  piu' corta dell'archivio, o diversa nelle prime estrazioni, vuole --forza\n"},
        {"verifica",
         RunVerifica,
         {},
         "verifica",
         "  controlla l'archivio: una riga per ogni difetto trovato; stato 0 se e' pulito, 1 altrimenti\n"},
        {"metodo",
         RunMetodo,
         {{"--dal", "--al", "--posizione"},
          {"--controllo"},
          {"vertibili", "gemelli"},
          0,
          {"--dal", "--al", "--posizione"},
          "MANCA IL METODO: vertibili o gemelli"},
         "metodo vertibili|gemelli --dal R --al R --posizione P [--controllo]",
         "  il metodo dei numeri vertibili o dei gemelli su ogni estrazione da --dal ad --al, una riga per\n"
         "  previsione: estrazione, data, \"S.star\" o \"Schedina\", i numeri previsti\n"
         "  --posizione P  da quale posto dell'estrazione parte il metodo, da 1 a 5 (i posti 1-6 sono i sei\n"
         "                 numeri come registrati, 7 il jolly, 8 il superstar, 9 e 10 valgono 0)\n"
         "  --controllo    ogni previsione sulle 18 estrazioni seguenti: dopo i numeri le estrazioni attese\n"
         "                 fino alla vincita, la data e i numeri vincenti, oppure \"/\"; poi la riga GIOCATE\n"
         "                 VINTE PERCENTUALE e la riga CASO ATTESE PERCENTUALE, che dice quante ne vincerebbero\n"
         "                 in media previsioni fatte a caso; con --csv una sola tabella, le cifre su ogni riga\n"},
        {"controllo",
         RunControllo,
         {{"--sistema", "--matrice", "--numeri", "--estrazione", "--dal", "--al"},
          {},
          {},
          0,
          {},
          {},
          {{{{"--sistema"}, {"--matrice", "--numeri"}}, "SERVE --sistema FILE OPPURE --matrice FILE --numeri LISTA"},
           {{{"--estrazione"}, {"--dal", "--al"}}, "SERVE --estrazione R OPPURE --dal R --al R"}}},
         "controllo (--sistema FILE | --matrice FILE --numeri LISTA) (--estrazione R | --dal R --al R)",
         "  il controllo delle vincite di un sistema: con --estrazione TERNI QUATERNE CINQUINE CINQUE+1\n"
         "  SESTINE su una riga, poi una riga per bolletta vincente: il suo numero, i numeri indovinati e,\n"
         "  per un cinque + 1, \"jolly\" e il jolly; con --dal e --al una riga per estrazione con almeno un\n"
         "  terno (estrazione, data, le cinque cifre), poi TOTALE e le cinque cifre, poi ESTRAZIONI quante\n"
         "  controllate e VINCENTI quante con almeno un terno; con --csv una sola tabella\n"
         "  --sistema FILE   un sistema giocato (*.SSI)\n"
         "  --matrice FILE   una matrice della cartella matrion (per esempio 10N03506.SIS) applicata ai\n"
         "                   numeri di --numeri: la posizione p prende il p-esimo numero\n"
         "  --numeri LISTA   tanti numeri diversi da 1 a 90 quanti ne vuole la matrice\n"},
        {"garanzia",
         RunGaranzia,
         {{"--sistema", "--matrice", "--numeri", "--prezzo"}, {}, {}, 0, {}, {}, {kSystemOrMatrix}},
         "garanzia (--sistema FILE | --matrice FILE [--numeri LISTA]) [--prezzo P]",
         "  che cosa garantisce un sistema, caso per caso: per ogni quantita' di estratti fra i suoi N numeri\n"
         "  (da 2 a 6) e per ogni categoria una riga ESTRATTI GARANZIA CATEGORIA CASI QUOTA MEDIA: la vincita\n"
         "  sicura nel caso peggiore, i casi in cui la bolletta migliore arriva a quella categoria, la loro\n"
         "  percentuale e quante bollette vincono in media in quella categoria; poi per ogni categoria una\n"
         "  riga estrazione CATEGORIA SISTEMA CASO: in un'estrazione il sistema vince almeno quella\n"
         "  categoria 1 volta su SISTEMA, altrettante bollette a caso 1 volta su CASO; infine costo BOLLETTE\n"
         "  IMPORTO. Oltre un minuto di calcolo esatto da' una stima su casi a caso, e lo dice\n"
         "  --sistema FILE   un sistema giocato (*.SSI)\n"
         "  --matrice FILE   una matrice della cartella matrion applicata ai numeri di --numeri (senza\n"
         "                   --numeri, alle sue posizioni)\n"
         "  --prezzo P       il prezzo di una bolletta di sei numeri (senza l'opzione: 1,00 euro)\n"},
        {"buchi",
         RunBuchi,
         {{"--sistema", "--matrice", "--numeri", "--escono", "--almeno"},
          {},
          {},
          0,
          {"--escono", "--almeno"},
          {},
          {kSystemOrMatrix}},
         "buchi (--sistema FILE | --matrice FILE [--numeri LISTA]) --escono m --almeno t",
         "  i casi in cui, usciti m dei numeri del sistema, nessuna bolletta ne ha almeno t: BUCHI CASI\n"
         "  NON_ELENCATI su una riga, poi i primi mille buchi, uno per riga\n"},
        {"completa",
         RunCompleta,
         {{"--sistema", "--matrice", "--numeri", "--escono", "--almeno", "--salva"},
          {},
          {},
          0,
          {"--escono", "--almeno", "--salva"},
          {},
          {kSystemOrMatrix}},
         "completa (--sistema FILE | --matrice FILE [--numeri LISTA]) --escono m --almeno t --salva FILE",
         "  aggiunge al sistema le bollette che chiudono i suoi buchi (usciti m dei suoi numeri, almeno t in\n"
         "  una bolletta) e scrive il sistema completo in FILE (*.SSI); stampa BOLLETTE AGGIUNTE BUCHI_PRIMA\n"
         "  FILE\n"},
        {"matrici",
         RunMatrici,
         {{"--quantita"}, {}},
         "matrici [--quantita N]",
         "  le matrici registrate in matrion/SISTEMI.TXT, una per riga nell'ordine dell'elenco: nome del file,\n"
         "  quantita' di numeri, combinazioni, tipo (SESTINE, DECINE, ...)\n"
         "  --quantita N  solo le matrici di N numeri (da 1 a 90)\n"},
        {"libreria",
         RunLibreria,
         {},
         "libreria",
         "  registra nell'elenco matrion/SISTEMI.TXT le matrici della libreria iniziale che vi mancano, una\n"
         "  riga per matrice aggiunta come in \"matrici\"; un file della cartella matrion con lo stesso nome\n"
         "  ma diverso da quello della libreria resta com'e' e non viene registrato\n"},
        {"schedine",
         RunSchedine,
         {{"--sistema", "--dal", "--al"},
          {"--prova"},
          {},
          0,
          {},
          {},
          {{{{"--prova"}, {"--sistema"}}, "SERVE --prova OPPURE --sistema FILE"}}},
         "schedine --prova | --sistema FILE [--dal C] [--al C]",
         "  i segni che la finestra delle schedine stamperebbe, con i valori di matrion/valori.tab: una riga\n"
         "  per segno, SCHEDINA PANNELLO NUMERO X1 Y1 X2 Y2, gli angoli in twip (1440 = un pollice) dall'angolo\n"
         "  in alto a sinistra dell'area stampabile\n"
         "  --prova         la pagina di prova di \"TEST\": le 90 caselle dei cinque pannelli\n"
         "  --sistema FILE  le schedine di un sistema giocato (*.SSI), cinque combinazioni per schedina\n"
         "  --dal C, --al C la prima e l'ultima combinazione (senza le opzioni: tutte); l'ultima schedina\n"
         "                  porta anche le combinazioni che seguono --al, fino a cinque\n"},
    };
    return commands;
}

}  // namespace

const CommandEntry* FindCommandEntry(std::string_view name) {
    for (const CommandEntry& entry : Commands()) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

const OptionDeclaration& EveryCommandOption() {
    static const OptionDeclaration every = [] {
        OptionDeclaration all;
        for (const CommandEntry& entry : Commands()) {
            all.values.insert(entry.options.values.begin(), entry.options.values.end());
            all.flags.insert(entry.options.flags.begin(), entry.options.flags.end());
        }
        return all;
    }();
    return every;
}

void PrintUsage(std::ostream& out) {
    out << "uso: fortunara-cli [--cartella CARTELLA] [--csv] COMANDO [OPZIONI]\n"
           "     fortunara-cli [COMANDO] --help\n"
           "     fortunara-cli --version\n"
           "comandi:\n";
    for (const CommandEntry& entry : Commands()) out << "  " << entry.synopsis << '\n';
    out << "R: un numero di estrazione dell'archivio (1 la piu' vecchia) oppure \"ultima\"\n"
           "LISTA: numeri e intervalli separati da virgole, per esempio 1-10,15\n"
           "--csv: gli stessi record in CSV, una tabella con una riga d'intestazione\n";
}

void PrintCommandUsage(const CommandEntry& entry, std::ostream& out, bool withDetails) {
    out << "uso: fortunara-cli [--cartella CARTELLA] [--csv] " << entry.synopsis << '\n';
    if (!withDetails) return;
    out << entry.details;
    if (entry.options.values.count("--posizioni") != 0) out << kPositions;
}

}  // namespace fortunara
