#include "tests/statistics/windows/statistics_program.h"

#include <fstream>
#include <sstream>

#include "app/widgets/data_grid.h"
#include "app/windows/module1.h"
#include "app/program/program_hooks.h"
#include "archive/core/draw_record.h"

namespace fortunara::test {

StatisticsProgram::StatisticsProgram(const std::string& archiveBytes, RidottiOpener ridotti)
    : platform(fakes.platform()) {
    folder.WriteArchive(archiveBytes);
    state.programFolder = folder.path();
    SestineHooks hooks;
    if (ridotti) {
        hooks.tabHandlers.push_back([ridotti = std::move(ridotti)](Sestine& w) { ConnectStatisticsTabs(w, ridotti); });
    } else {
        hooks = ProgramHooks(state, platform);
    }
    hooks.quit = [] {};
    window = Module1(state, platform, std::move(hooks));
}

const SearchSummary& StatisticsProgram::Summary() const {
    return Find<StatisticsHandlers>("StatisticsHandlers")->Summary();
}

std::vector<std::string> StatisticsProgram::ClickCommands(const std::vector<std::string>& commands) const {
    std::vector<std::string> log = {"MMControl1 " + (folder.path() / "POP.WAV").string()};
    for (const std::string& command : commands) log.push_back("MMControl1 " + command);
    return log;
}

std::string Records(const std::vector<std::pair<std::string, std::array<int, 8>>>& draws) {
    std::string bytes;
    for (const auto& [date, numbers] : draws) bytes += FormatDrawRecord(date, numbers);
    return bytes;
}

const std::string& BundledArchive() {
    static const std::string bytes = [] {
        std::ifstream in(RealArchive(), std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }();
    return bytes;
}

std::string BundledRecord(int k) {
    return BundledArchive().substr(static_cast<std::size_t>(k - 1) * 25, 25);
}

std::vector<std::string> Texts(const QListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text().toStdString());
    return texts;
}

std::vector<std::vector<std::string>> GridRows(const DataGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = 0; c < grid.Columns(); ++c) row.push_back(grid.Text(r, c).toStdString());
    }
    return rows;
}

std::vector<std::string> GridHeaders(const DataGrid& grid) {
    std::vector<std::string> headers;
    for (int c = 0; c < grid.Columns(); ++c) headers.push_back(grid.Text(0, c).toStdString());
    return headers;
}

}  // namespace fortunara::test
