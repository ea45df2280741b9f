#pragma once

#include <filesystem>
#include <string>

#include "matrices/core/matrix_files.h"
#include "state/program_state.h"
#include "systems/core/development.h"

namespace fortunara {

// After "SVILUPPO": the table, the counts for the check and slip windows, and the shape of the
// system (N numbers, six per combination) that "CONTROLLO" hands on with it. A run that did not
// complete leaves SystemCombos as well as the counts alone, so that "SALVA" always saves one whole
// development (the grid still shows what the stopped run recorded).
void StoreDevelopment(const SystemRequest& request, const SystemRun& run, ProgramState& state);

// "SALVA" asks whether to save a matrix when the quantity's numbers follow each other in entry
// order: EnteredNumbers(i) + 1 = EnteredNumbers(i + 1) for i = 1 .. N - 1. A quantity above 90
// has no such run.
bool EntryIsConsecutiveRun(const ProgramState& state, int quantity);

enum class SavedSystemKind { Matrix, PlayedSystem };

// What "SALVA" reads from the window besides the shared state.
struct SaveChoice {
    std::string quantityText;    // the text of Textbox1, as typed
    int quantity = 0;            // its numeric value
    int selectedReduction = -1;  // the selected OptionButton1, -1 when none
    SavedSystemKind kind = SavedSystemKind::PlayedSystem;
};

// Sets SystemNumberCount, SystemComboSize, TicketNumbers and the comment lines 1 to 10 for the last
// development, and returns the content of the file to write.
MatrixData PrepareSystemSave(ProgramState& state, const SaveChoice& choice);

struct MatrixSave {
    std::string name;   // "10N03506.SIS"
    std::string error;  // Italian
    // Nothing was written, since the system has no matrix name or the index no room for it: it can
    // still be saved as a played system.
    bool refused = false;
    bool ok() const { return error.empty(); }
};

// Names the matrix (the name becomes CurrentMatrixName as it is written), writes it into the matrix
// folder and registers it in SISTEMI.TXT. A system of more than 999 combinations has no matrix name,
// and an index that cannot take one more name takes none: then nothing is written.
// `onEntry` hears of each number entry k as it is written. writeLimit: the tests' full disk.
MatrixSave SaveSystemAsMatrix(ProgramState& state, const MatrixData& data, const EntryProgress& onEntry = {},
                              std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
