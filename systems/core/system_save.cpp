#include "systems/core/system_save.h"

#include "matrices/core/matrix_index.h"
#include "platform/text/number_text.h"
#include "systems/core/position_index.h"
#include "systems/core/system_texts.h"

namespace fortunara {

namespace {

const std::string kHyphens(80, '-');

// Every development the window can save must read back whole.
static_assert(kSystemCapacity <= kMostFileCombinations, "a saved development would be cut on reading");

}  // namespace

void StoreDevelopment(const SystemRequest& request, const SystemRun& run, ProgramState& state) {
    if (!run.Completed()) return;
    for (int r = 1; r <= run.Count(); ++r) {
        std::array<int, 7>& row = state.SystemCombos[Index(r)];
        for (int c = 1; c <= 6; ++c) row[Index(c)] = run.positions[Index(r - 1)][Index(c - 1)];
    }
    state.SystemComboCount = run.Count();
    state.TicketCount = run.Count();
    state.SystemNumberCount = request.quantity;
    state.SystemComboSize = 6;
}

bool EntryIsConsecutiveRun(const ProgramState& state, int quantity) {
    if (quantity > kHighestPosition) return false;
    // The entry box can give the smallest int, so no "quantity - 1" here.
    for (int i = 1; i < quantity; ++i) {
        if (state.EnteredNumbers[Index(i)] + 1 != state.EnteredNumbers[Index(i + 1)]) return false;
    }
    return true;
}

MatrixData PrepareSystemSave(ProgramState& state, const SaveChoice& choice) {
    state.SystemNumberCount = choice.quantity;
    state.SystemComboSize = 6;
    const int combos = std::clamp(state.SystemComboCount, 0, kSystemCapacity);

    state.TicketNumbers.assign(Index(6 * combos + 1), 0);
    int k = 0;
    for (int r = 1; r <= combos; ++r) {
        for (int c = 1; c <= 6; ++c) {
            const int position = state.SystemCombos[Index(r)][Index(c)];
            state.TicketNumbers[Index(++k)] =
                position >= 1 && position <= kHighestPosition ? state.EnteredNumbers[Index(position)] : 0;
        }
    }

    std::vector<std::string>& comments = state.CommentLines;
    const bool matrix = choice.kind == SavedSystemKind::Matrix;
    comments[1] = " SISTEMA DI " + choice.quantityText + " NUMERI IN " + TextForm(combos) + (matrix ? " " : " SESTINE");
    comments[2] = kHyphens;
    const int mode = state.GuaranteeMode;
    const int option = choice.selectedReduction;
    if (mode >= 2 && mode <= 5) {
        comments[3] = "GARANZIA DEL " + std::string(kGuaranteeNames[Index(mode - 1)]);
    } else if (mode == 1) {
        if (option >= 0 && option <= 3) comments[3] = " RIDOTTO " + std::string(kReductionCaptions[Index(option)]);
        comments[4] = option == 0 ? " SISTEMA INTEGRALE " : "";
        comments[5] = kHyphens;
    }

    MatrixData data;
    data.numberCount = state.SystemNumberCount;
    data.comboCount = combos;
    data.comboSize = 6;
    data.numbers.assign(state.TicketNumbers.begin() + 1, state.TicketNumbers.end());
    for (int i = 1; i <= 10; ++i) data.comments[Index(i - 1)] = comments[Index(i)];
    return data;
}

MatrixSave SaveSystemAsMatrix(ProgramState& state, const MatrixData& data, const EntryProgress& onEntry,
                              std::uintmax_t writeLimit) {
    const std::optional<std::string> name = MatrixFileName(data.numberCount, data.comboCount, data.comboSize);
    if (!name) {
        return {"", "IL SISTEMA HA TROPPE COMBINAZIONI PER UNA MATRICE (AL MASSIMO 999): SALVALO COME SISTEMA", true};
    }
    if (const FileOutcome room = CheckMatrixRoom(state.programFolder); !room.ok()) {
        return {*name, room.error + ": SALVALO COME SISTEMA", true};
    }
    // The name is the matrix last made as soon as it exists, whatever the writing then meets.
    state.CurrentMatrixName = *name;
    std::vector<std::string> lines;
    FileOutcome written = MatrixFileLines(state.programFolder, *name, data, onEntry, lines);
    if (written.ok()) written = WriteRegisteredMatrix(state.programFolder, *name, lines, writeLimit);
    return {*name, written.error, false};
}

}  // namespace fortunara
