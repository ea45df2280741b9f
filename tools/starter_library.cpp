// Writes the starter library of matrices into a program folder (tools/make-assets.sh runs it on
// assets/): for 7 to 20 numbers, the guarantee systems "AMBO" to "CINQUINA" and the reduced
// systems "    n - 1" to "    n - 3", developed by the system window's own code over positions
// 1 to N. Each matrix says in its comment lines what it is and what it guarantees, as computed
// here over every possible draw. Systems of more than 999 combinations have no matrix name and
// are left out; so is a system whose name an earlier one already took. The index is written
// afresh with the names in the order they were made.
//
// Usage: starter-library PROGRAM_FOLDER
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_guarantee.h"
#include "matrices/core/matrix_index.h"
#include "platform/text/number_text.h"
#include "systems/core/development.h"
#include "systems/core/system_texts.h"

using namespace fortunara;

namespace {

constexpr int kFewestNumbers = 7;
constexpr int kMostNumbers = 20;
constexpr int kMostCombinations = 999;

struct Recipe {
    int quantity;
    int guaranteeMode;    // 2..5, or 1 for a reduction
    int reductionOption;  // 1..3 with guaranteeMode 1
};

std::vector<Recipe> Recipes() {
    std::vector<Recipe> recipes;
    for (int n = kFewestNumbers; n <= kMostNumbers; ++n) {
        for (int g = 2; g <= 5; ++g) recipes.push_back({n, g, 0});
        for (int k = 1; k <= 3; ++k) recipes.push_back({n, 1, k});
    }
    return recipes;
}

// The "sorte" of a count of numbers in one combination, as the system window names the guarantees.
std::string HitName(int hits) {
    static const char* const kNames[] = {"NESSUNA", "NESSUNA", "AMBO", "TERNO", "QUATERNA", "CINQUINA", "SESTINA"};
    return kNames[hits];
}

std::string WhatItIs(const Recipe& recipe) {
    if (recipe.guaranteeMode == 1) {
        return "DALL'INTEGRALE: OGNI SESTINA HA AL PIU' " + Plain(5 - recipe.reductionOption) +
               " NUMERI IN COMUNE CON LE ALTRE";
    }
    return "SCHEMA FISSO DELLA GARANZIA, SULLE POSIZIONI DA 1 A " + Plain(recipe.quantity);
}

MatrixData Matrix(const Recipe& recipe, const SystemRun& run) {
    MatrixData data;
    data.numberCount = recipe.quantity;
    data.comboCount = run.Count();
    data.comboSize = 6;
    for (const std::array<int, 6>& combination : run.positions) {
        data.numbers.insert(data.numbers.end(), combination.begin(), combination.end());
    }
    const std::string n = Plain(recipe.quantity);
    data.comments[0] = " SISTEMA DI " + n + " NUMERI IN " + TextForm(data.comboCount) + " SESTINE";
    data.comments[1] = std::string(80, '-');
    data.comments[2] =
        recipe.guaranteeMode == 1
            ? " RIDOTTO " + std::string(kReductionCaptions[static_cast<std::size_t>(recipe.reductionOption)])
            : "GARANZIA DEL " + std::string(kGuaranteeNames[static_cast<std::size_t>(recipe.guaranteeMode - 1)]);
    data.comments[3] = WhatItIs(recipe);
    data.comments[4] = "NUMERI ESTRATTI FRA I " + n + " GIOCATI E SORTE GARANTITA:";
    for (int drawn = 2; drawn <= 6; ++drawn) {
        const int hits = GuaranteedHits(data, drawn).value_or(0);
        data.comments[static_cast<std::size_t>(3 + drawn)] = TextForm(drawn) + " ESTRATTI: " + HitName(hits);
    }
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: starter-library CARTELLA_DEL_PROGRAMMA\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    // The bundle's matrix folder holds the starter library and nothing else: what an earlier run
    // wrote goes first.
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(MatrixFolder(folder), error)) {
        if (file.path().extension() == ".SIS") std::filesystem::remove(file.path());
    }
    std::vector<std::string> names;
    std::vector<std::vector<int>> written;
    for (const Recipe& recipe : Recipes()) {
        SystemRequest request;
        request.quantity = recipe.quantity;
        request.numbers.resize(static_cast<std::size_t>(recipe.quantity));
        std::iota(request.numbers.begin(), request.numbers.end(), 1);
        request.guaranteeMode = recipe.guaranteeMode;
        request.reductionOption = recipe.reductionOption;
        request.capacity = kMostCombinations;  // one more is too many for a name
        const SystemRun run = RunDevelopment(request);
        const std::string what =
            Plain(recipe.quantity) + " numeri, " +
            (recipe.guaranteeMode == 1
                 ? "n - " + Plain(recipe.reductionOption)
                 : std::string(kGuaranteeNames[static_cast<std::size_t>(recipe.guaranteeMode - 1)]));
        if (!run.Completed()) {
            std::cout << "tralasciato " << what << ": piu' di " << kMostCombinations << " combinazioni\n";
            continue;
        }
        const MatrixData data = Matrix(recipe, run);
        const std::string name = *MatrixFileName(data.numberCount, data.comboCount, data.comboSize);
        const auto taken = std::find(names.begin(), names.end(), name);
        if (taken != names.end()) {
            const bool same = written[static_cast<std::size_t>(taken - names.begin())] == data.numbers;
            std::cout << "tralasciato " << what << ": " << name
                      << (same ? " e' gia' la stessa matrice\n" : " e' gia' preso\n");
            continue;
        }
        if (const FileOutcome outcome = WriteMatrixFile(folder, name, data); !outcome.ok()) {
            std::cerr << outcome.error << '\n';
            return 1;
        }
        names.push_back(name);
        written.push_back(data.numbers);
        std::cout << name << "  " << what << '\n';
    }
    // The index goes last, so that a run that stopped halfway leaves the old one.
    std::filesystem::remove(MatrixFolder(folder) / "SISTEMI.TXT");
    if (const FileOutcome outcome = RegisterMatrices(folder, names); !outcome.ok()) {
        std::cerr << outcome.error << '\n';
        return 1;
    }
    std::cout << names.size() << " matrici in " << (MatrixFolder(folder) / "SISTEMI.TXT").string() << '\n';
    return 0;
}
