// Adds optimized matrices to the starter library of a program folder (tools/make-assets.sh runs it
// on assets/ after starter-library): for 7 to 30 numbers, the coverings "ambo se escono 2" to
// "cinquina se escono 5" and the guarantees "terno se escono 4", "quaterna se escono 5" and
// "cinquina se esce la sestina", each searched by the optimizer for a fixed count of moves from a
// fixed seed (the same files on every machine), then checked on every case once more. A system of
// more than 999 tickets has no matrix name and is left out; so is one whose name the library
// already holds (the name is N, count and six, so two guarantees met by the same count share it:
// the later one is reported and left out), and any beyond the index's 499 names. Each file's
// comment lines state the guarantee and, for a covering, the best known size and its source; lines
// 6 to 10 say, as in the starter matrices, what the matrix is sure of for 2 to 6 numbers drawn.
//
// Usage: optimized-library PROGRAM_FOLDER [--passi P] [--seme X] [--dal N] [--fino N]
//        [--solo m,t] [--tabella FOLDER]
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_guarantee.h"
#include "matrices/core/matrix_index.h"
#include "platform/text/number_text.h"
#include "systems/core/covering_table.h"
#include "systems/core/optimized_system.h"
#include "systems/core/system_certificate.h"
#include "systems/core/system_optimizer.h"

using namespace fortunara;

namespace {

constexpr int kMostTickets = 999;

struct Guarantee {
    int drawn;
    int atLeast;
};

constexpr Guarantee kGuarantees[] = {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {4, 3}, {5, 4}, {6, 5}};

// The starter library's comment layout: what the optimizer says in lines 1 to 5 (the line saying
// the guarantee was checked goes when there is no room: the lines below say it case by case), then
// the guaranteed "sorte" when 2 to 6 of the N numbers are drawn, as the certificate finds it.
void UseLibraryComments(MatrixData& data) {
    static const char* const kHits[] = {"NESSUNA", "NESSUNA", "AMBO", "TERNO", "QUATERNA", "CINQUINA", "SESTINA"};
    std::vector<std::string> head;
    for (const std::string& line : data.comments) {
        if (!line.empty()) head.push_back(line);
    }
    if (head.size() > 5) std::erase(head, std::string("GARANZIA VERIFICATA SU OGNI CASO"));
    head.resize(5);
    for (std::size_t i = 0; i < 5; ++i) data.comments[i] = head[i];
    for (int drawn = 2; drawn <= 6; ++drawn) {
        const int hits = GuaranteedHits(data, drawn).value_or(0);
        data.comments[static_cast<std::size_t>(3 + drawn)] = TextForm(drawn) + " ESTRATTI: " + kHits[hits];
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc % 2 != 0) {
        std::cerr << "uso: optimized-library CARTELLA_DEL_PROGRAMMA [--passi P] [--seme X] [--dal N] [--fino N] "
                     "[--solo m,t] [--tabella CARTELLA]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    long long steps = 20'000'000;
    std::uint64_t seed = 1;
    int least = 7;
    int most = 30;
    int onlyDrawn = 0;
    int onlyAtLeast = 0;
    std::filesystem::path tableFolder = folder;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--passi") {
            steps = std::atoll(value.c_str());
        } else if (option == "--seme") {
            seed = std::strtoull(value.c_str(), nullptr, 10);
        } else if (option == "--dal") {
            least = std::atoi(value.c_str());
        } else if (option == "--fino") {
            most = std::atoi(value.c_str());
        } else if (option == "--solo" && value.size() == 3 && value[1] == ',') {
            onlyDrawn = value[0] - '0';
            onlyAtLeast = value[2] - '0';
        } else if (option == "--tabella") {
            tableFolder = value;
        } else {
            std::cerr << "opzione sconosciuta: " << option << '\n';
            return 2;
        }
    }
    const std::vector<BestCovering> table = ReadCoveringTable(tableFolder);
    if (table.empty()) {
        std::cerr << "manca la tabella " << (tableFolder / kCoveringTableFile).string() << '\n';
        return 1;
    }
    const std::size_t registered = ReadMatrixIndex(folder).Entries().size();
    std::vector<std::string> names;
    std::map<std::string, std::string> madeFor;  // the guarantee of each matrix written here
    for (int n = least; n <= most; ++n) {
        for (const Guarantee& g : kGuarantees) {
            if (onlyDrawn != 0 && (g.drawn != onlyDrawn || g.atLeast != onlyAtLeast)) continue;
            const std::string what = OptimizedGuarantee(n, g.drawn, g.atLeast);
            const std::optional<BestCovering> best = BestFor(table, n, g.drawn, g.atLeast);
            // A covering whose lower bound is beyond a matrix name is not searched.
            if (g.drawn == g.atLeast && SchonheimBound(n, g.atLeast) > kMostTickets) {
                std::cout << "tralasciato " << what << ": piu' di " << kMostTickets << " bollette\n";
                continue;
            }
            OptimizerRequest request;
            request.positions = n;
            request.drawn = g.drawn;
            request.atLeast = g.atLeast;
            request.seed = seed;
            request.steps = steps;
            if (!OptimizerAccepts(request)) continue;
            const auto begin = std::chrono::steady_clock::now();
            const OptimizerResult result = OptimizeSystem(request);
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
            const auto count = static_cast<long long>(result.tickets.size());
            if (count == 0 || count > kMostTickets) {
                std::cout << "tralasciato " << what << ": " << count << " bollette\n";
                continue;
            }
            // Checked once more here, whatever the optimizer did.
            if (FindHoles({n, result.tickets}, g.drawn, g.atLeast, 1).count != 0) {
                std::cerr << "NON VERIFICATO: " << what << '\n';
                return 1;
            }
            const std::string name = *MatrixFileName(n, static_cast<int>(count), 6);
            if (std::filesystem::exists(MatrixFolder(folder) / name)) {
                const auto earlier = madeFor.find(name);
                std::cout << "tralasciato " << what << ": " << name << " e' gia' nella libreria ("
                          << (earlier != madeFor.end() ? earlier->second : "libreria di partenza") << ")\n";
                continue;
            }
            if (registered + names.size() >= static_cast<std::size_t>(kMatrixIndexCapacity)) {
                std::cout << "tralasciato " << what << ": l'elenco e' pieno\n";
                continue;
            }
            MatrixData data =
                OptimizedMatrix(n, g.drawn, g.atLeast, result.tickets, {}, best,
                                "SEME " + Plain(static_cast<long long>(seed)) + ", " + Plain(steps) + " MOSSE");
            UseLibraryComments(data);
            if (const FileOutcome outcome = WriteMatrixFile(folder, name, data); !outcome.ok()) {
                std::cerr << outcome.error << '\n';
                return 1;
            }
            names.push_back(name);
            madeFor[name] = what;
            std::cout << name << "  " << what << "  " << count;
            if (best) std::cout << " (migliore nota " << best->bestKnown << ")";
            std::cout << "  " << seconds << " s\n";
        }
    }
    if (const FileOutcome outcome = RegisterMatrices(folder, names); !outcome.ok()) {
        std::cerr << outcome.error << '\n';
        return 1;
    }
    std::cout << names.size() << " matrici ottimizzate aggiunte a " << (MatrixFolder(folder) / "SISTEMI.TXT").string()
              << '\n';
    return 0;
}
