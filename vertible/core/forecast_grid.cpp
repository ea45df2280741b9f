#include "vertible/core/forecast_grid.h"

#include "platform/text/number_text.h"

namespace fortunara {

std::string_view ForecastLabel(ForecastKind kind) {
    return kind == ForecastKind::Superstar ? "S.star" : "Schedina";
}

std::vector<std::string> ForecastCells(const ForecastLine& line) {
    std::vector<std::string> cells(kRecordColumn + 1);
    const bool first = line.kind == ForecastKind::Superstar;
    if (first) cells[kDateColumn] = line.date;
    cells[kKindColumn] = ForecastLabel(line.kind);
    for (std::size_t i = 0; i < line.numbers.size() && i < 6; ++i) {
        cells[kFirstNumberColumn + i] = first ? TextForm(line.numbers[i]) : Plain(line.numbers[i]);
    }
    if (first) cells[kRecordColumn] = Plain(line.record);
    return cells;
}

std::vector<std::string> CheckGridCells(const ForecastLine& line) {
    std::vector<std::string> cells = ForecastCells(line);
    cells[kRecordColumn] = Plain(line.record);
    return cells;
}

std::vector<std::string> OutcomeCells(const LineOutcome& outcome) {
    if (outcome.waited == 0) return {"/"};
    std::vector<std::string> cells = {Plain(outcome.waited), outcome.date};
    for (int number : outcome.matched) cells.push_back(Plain(number));
    return cells;
}

int ForecastGridRows(int lines) {
    int rows = 100;
    const int lastWritten = lines + 1;
    while (lastWritten > rows - 1) rows += 10;
    return rows;
}

}  // namespace fortunara
