#include "matrices/core/starter_library.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "platform/text/file_replacement.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

bool SameBytes(const fs::path& a, const fs::path& b) {
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    if (!first || !second) return false;
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

}  // namespace

StarterRegistration RegisterStarterMatrices(const fs::path& programFolder, const fs::path& bundle) {
    StarterRegistration result;
    const MatrixIndex starter = ReadMatrixIndex(bundle);
    if (!starter.ok()) {
        result.error = "LIBRERIA INIZIALE: " + starter.error;
        return result;
    }
    if (starter.Entries().empty()) {
        result.error = "LIBRERIA INIZIALE NON TROVATA IN " + MatrixFolder(bundle).string();
        return result;
    }
    const MatrixIndex index = ReadMatrixIndex(programFolder);
    if (!index.ok()) {
        result.error = index.error;
        return result;
    }
    const std::vector<std::string> present = index.Entries();
    std::vector<std::string> added;
    for (const std::string& name : starter.Entries()) {
        const bool listed = std::find(present.begin(), present.end(), name) != present.end() ||
                            std::find(added.begin(), added.end(), name) != added.end();
        if (listed) continue;
        const fs::path from = MatrixFolder(bundle) / name;
        const fs::path to = MatrixFolder(programFolder) / name;
        std::error_code error;
        if (!fs::exists(to, error)) {
            fs::create_directories(to.parent_path(), error);
            if (!CopyWholeFile(from, to)) {
                result.notes.push_back("IMPOSSIBILE COPIARE " + name + " NELLA CARTELLA matrion");
                continue;
            }
        } else if (!SameBytes(from, to)) {
            result.notes.push_back("IL FILE " + name +
                                   " DELLA CARTELLA matrion E' DIVERSO DA QUELLO DELLA LIBRERIA INIZIALE: "
                                   "RESTA COM'E' E NON VIENE REGISTRATO");
            continue;
        }
        added.push_back(name);
    }
    if (added.empty()) return result;
    if (const FileOutcome registered = RegisterMatrices(programFolder, added); !registered.ok()) {
        result.error = registered.error;
        return result;
    }
    result.registered = std::move(added);
    return result;
}

}  // namespace fortunara
