// The matrix library from the command line: matrici lists what the index registers, libreria adds
// the starter library to an index that lacks it.
#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "matrices/core/matrix_index.h"
#include "matrices/core/matrix_list.h"
#include "matrices/core/starter_library.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

RecordWriter MatrixWriter(const CliContext& context) {
    return RecordWriter(context.out, context.Csv(), {"matrice", "numeri", "combinazioni", "tipo"});
}

void MatrixRow(RecordWriter& writer, const std::string& name) {
    writer.Row({name, Plain(MatrixQuantity(name)), Plain(MatrixCombinations(name)), std::string(MatrixTypeOf(name))});
}

}  // namespace

// matrici [--quantita N]: the registered matrices in index order, or those of N numbers.
int RunMatrici(const CliContext& context) {
    const MatrixIndex index = ReadMatrixIndex(context.folder);
    if (!index.ok()) throw CliError(index.error);
    std::vector<std::string> names = index.Entries();
    if (context.arguments.Has("--quantita")) {
        const int quantity = ParseWhole(context.arguments.Required("--quantita"), "--quantita");
        if (quantity < 1 || quantity > 90) throw CliError("--quantita DEVE ESSERE DA 1 A 90");
        names.clear();
        for (const MatrixListEntry& entry : MatricesFor(index.Entries(), quantity)) names.push_back(entry.fileName);
    }
    RecordWriter writer = MatrixWriter(context);
    for (const std::string& name : names) MatrixRow(writer, name);
    if (!index.cut.empty()) WriteMessage(context.err, index.cut);
    return kCliOk;
}

// libreria: the starter matrices the index lacks, registered.
int RunLibreria(const CliContext& context) {
    if (context.bundle.empty()) throw CliError("LIBRERIA INIZIALE NON TROVATA");
    const StarterRegistration result = RegisterStarterMatrices(context.folder, context.bundle);
    for (const std::string& note : result.notes) WriteMessage(context.err, note);
    if (!result.ok()) throw CliError(result.error);
    RecordWriter writer = MatrixWriter(context);
    for (const std::string& name : result.registered) MatrixRow(writer, name);
    if (result.registered.empty())
        WriteMessage(context.err, "L'ELENCO HA GIA' TUTTE LE MATRICI DELLA LIBRERIA INIZIALE");
    return kCliOk;
}

}  // namespace fortunara
