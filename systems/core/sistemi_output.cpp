#include "systems/core/sistemi_output.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

std::string PlayedSystemDialogName(const ProgramState& state) {
    return (state.programFolder / "*.SSI").string();
}

bool PlayedSystemChosen(const std::string& answer, const std::string& dialogName) {
    return !answer.empty() && answer != dialogName && std::filesystem::path(answer).filename() != "*.SSI";
}

FileOutcome SaveAsPlayedSystem(const ProgramState& state, const MatrixData& data, const std::filesystem::path& file) {
    const std::filesystem::path target = file.is_absolute() ? file : state.programFolder / file;
    return WriteSystemFile(target, data);
}

LoadedSystem LoadPlayedSystem(ProgramState& state, const std::filesystem::path& file) {
    LoadedSystem loaded;
    const std::filesystem::path source = file.is_absolute() ? file : state.programFolder / file;
    const MatrixRead read = ReadSystemFile(source);
    if (!read.ok()) {
        loaded.error = read.error;
        return loaded;
    }
    loaded.notice = read.Notice();
    const MatrixData& data = read.data;
    state.SystemNumberCount = data.numberCount;
    state.SystemComboCount = data.comboCount;
    state.SystemComboSize = data.comboSize;
    state.TicketSize = data.comboSize;

    const std::size_t size = static_cast<std::size_t>(std::max(data.comboSize, 0));
    const std::size_t held = data.numbers.size();
    state.TicketCount = size == 0 ? 0 : static_cast<int>(held / size);
    state.TicketNumbers.assign(1, 0);
    state.TicketNumbers.insert(state.TicketNumbers.end(), data.numbers.begin(), data.numbers.end());

    loaded.report.emplace_back();
    for (std::size_t start = 0; size != 0 && start < held; start += size) {
        std::vector<int>& row = loaded.rows.emplace_back();
        std::string line;
        for (std::size_t k = start; k < std::min(start + size, held); ++k) {
            const int v = data.numbers[k];
            row.push_back(v);
            line += ListedNumber(v);
        }
        loaded.report.push_back(std::move(line));
    }
    // Comment lines the file lacks are empty: a shorter file never keeps the lines of the one before.
    for (std::size_t i = 0; i < data.comments.size(); ++i) state.CommentLines[i + 1] = data.comments[i];
    return loaded;
}

void TakeGridTickets(ProgramState& state, const std::vector<std::vector<int>>& rows) {
    state.TicketSize = state.SystemComboSize;
    const std::size_t size = static_cast<std::size_t>(std::max(state.TicketSize, 0));
    state.TicketNumbers.assign(1, 0);
    int whole = 0;
    for (const std::vector<int>& row : rows) {
        if (row.size() != size) continue;
        state.TicketNumbers.insert(state.TicketNumbers.end(), row.begin(), row.end());
        ++whole;
    }
    state.TicketCount = whole;
}

}  // namespace fortunara
