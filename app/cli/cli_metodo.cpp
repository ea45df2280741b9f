#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"
#include "vertible/core/forecast_check.h"
#include "vertible/core/forecast_grid.h"
#include "vertible/core/method_run.h"

namespace fortunara {

namespace {

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : " ") + Plain(n);
    return text;
}

std::vector<std::string> LineFields(const ForecastLine& line) {
    return {Plain(line.record), line.date, std::string(ForecastLabel(line.kind)), Joined(line.numbers)};
}

// The forecast's fields, then the check's: the draws waited, the date and the numbers of the win,
// or "/" alone (the text output leaves the empty fields out, the CSV keeps its columns).
std::vector<std::string> CheckedFields(const ForecastLine& line, const LineOutcome& outcome, bool csv) {
    std::vector<std::string> fields = LineFields(line);
    if (outcome.waited == 0) {
        fields.emplace_back("/");
        if (csv) fields.insert(fields.end(), {"", ""});
    } else {
        fields.insert(fields.end(), {Plain(outcome.waited), outcome.date, Joined(outcome.matched)});
    }
    return fields;
}

}  // namespace

// metodo vertibili|gemelli --dal R --al R --posizione P [--controllo]: one line per forecast row;
// with --controllo the check columns too, then GIOCATE VINTE PERCENTUALE and CASO ATTESE
// PERCENTUALE. As CSV one table, the figures at the start of every row.
int RunMetodo(const CliContext& context) {
    const CliArguments& arguments = context.arguments;
    if (arguments.choice.empty()) throw CliError("MANCA IL METODO: vertibili o gemelli");
    ProgramState state;
    state.programFolder = context.folder;
    {
        DrawArchive archive(context.folder);
        if (!archive.OpenDrawArchive()) throw CliError(archive.Error());
        state.RecordCount = archive.RecordCount();
    }
    const MethodRange range{ParseRecord(arguments.Required("--dal"), state.RecordCount, "--dal"),
                            ParseRecord(arguments.Required("--al"), state.RecordCount, "--al")};
    const int position = ParseWhole(arguments.Required("--posizione"), "--posizione");
    if (position < 1 || position > 5) {
        throw CliError("POSIZIONE NON VALIDA PER --posizione: " + Plain(position) + " (1 - 5)");
    }
    const MethodRun run =
        RunMethod(state, arguments.choice == "vertibili" ? kVertibleMethod : kTwinMethod, position, range);
    if (!run.error.empty()) throw CliError(run.error);

    Records rows{{"estrazione", "data", "previsione", "numeri"}, {}};
    if (!arguments.Flag("--controllo")) {
        RecordWriter writer(context.out, context.Csv(), rows.header);
        for (const ForecastLine& line : run.lines) writer.Row(LineFields(line));
        return kCliOk;
    }
    const ForecastCheck check = CheckForecasts(context.folder, run.lines);
    if (!check.error.empty()) throw CliError(check.error);
    rows.header.insert(rows.header.end(), {"attesa", "sortita", "vincenti"});
    for (std::size_t i = 0; i < run.lines.size(); ++i) {
        rows.rows.push_back(CheckedFields(run.lines[i], check.outcomes[i], context.Csv()));
    }
    const std::vector<std::string> figures = {Plain(check.won), PlainDecimal2(check.percent)};
    const std::vector<std::string> chance = {Plain(check.chance.played), PlainDecimal2(check.chance.expected),
                                             PlainDecimal2(check.chance.percent)};
    if (context.Csv()) {
        WriteHeadedRecords(context.out, true,
                           {"giocate", "vinte", "percentuale", "caso_giocate", "caso_attese", "caso_percentuale"},
                           {Plain(check.played), figures[0], figures[1], chance[0], chance[1], chance[2]}, rows);
        return kCliOk;
    }
    RecordWriter writer(context.out, false, {});
    for (const std::vector<std::string>& row : rows.rows) writer.Row(row);
    writer.Row({Plain(check.played), figures[0], figures[1]});
    writer.Row(chance);
    return kCliOk;
}

}  // namespace fortunara
