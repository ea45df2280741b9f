#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "matrices/core/matrix_files.h"
#include "matrices/core/text_fields.h"
#include "state/program_state.h"

namespace fortunara {

// The file dialogs of "CARICA" and "SALVA" start in the program folder on the name "*.SSI"; a
// dialog that gives back that name (or nothing, or the bare pattern) was cancelled.
inline constexpr const char* kPlayedSystemFilter = "Sistemi giocati (*.SSI)";
std::string PlayedSystemDialogName(const ProgramState& state);
bool PlayedSystemChosen(const std::string& answer, const std::string& dialogName);

// Writes a prepared system (PrepareSystemSave) as a played-system file; a relative path is taken
// from the program folder.
FileOutcome SaveAsPlayedSystem(const ProgramState& state, const MatrixData& data, const std::filesystem::path& file);

// A played-system file loaded by "CARICA".
struct LoadedSystem {
    // The rows of the result grid: row r holds the values of combination r that the file holds
    // (the last one may be cut short when the file ends early).
    std::vector<std::vector<int>> rows;
    // The listing printed when "  STAMPA" is ticked: an empty line, then one line per row.
    std::vector<std::string> report;
    std::string error;   // Italian; the file could not be read at all
    std::string notice;  // Italian; what is wrong with the file, which was loaded all the same
};
// Reads the file: SystemNumberCount, SystemComboCount, SystemComboSize, TicketSize, TicketNumbers
// and TicketCount (the combinations the file really holds, so that nothing beyond them is handed
// on) and all ten comment lines, empty where the file has none. SystemCombos is not touched: a
// later "SALVA" saves the last development.
LoadedSystem LoadPlayedSystem(ProgramState& state, const std::filesystem::path& file);

// "CONTROLLO": the combinations of the result grid become the current system. TicketSize is
// SystemComboSize (6 after a development, the file's size after "CARICA"); TicketNumbers and
// TicketCount take the grid's rows of that many numbers, so a row cut short by the end of a file
// is not handed on, nor anything another window left in the counts.
void TakeGridTickets(ProgramState& state, const std::vector<std::vector<int>>& rows);

}  // namespace fortunara
