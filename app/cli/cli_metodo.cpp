#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"
#include "vertible/core/forecast_check.h"
#include "vertible/core/forecast_grid.h"
#include "vertible/core/method_walk.h"

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
// PERCENTUALE. As CSV one table, the figures at the start of every row: they count every line, so
// the CSV walks the range twice, once for them and once writing the lines.
int RunMetodo(const CliContext& context) {
    const CliArguments& arguments = context.arguments;
    if (arguments.choice.empty()) throw CliError("MANCA IL METODO: vertibili o gemelli");
    int recordCount = 0;
    {
        DrawArchive archive(context.folder);
        if (!archive.OpenDrawArchive()) throw CliError(archive.Error());
        recordCount = archive.RecordCount();
    }
    const int from = ParseRecord(arguments.Required("--dal"), recordCount, "--dal");
    const int to = ParseRecord(arguments.Required("--al"), recordCount, "--al");
    const int position = ParseWhole(arguments.Required("--posizione"), "--posizione");
    if (position < 1 || position > 5) {
        throw CliError("POSIZIONE NON VALIDA PER --posizione: " + Plain(position) + " (1 - 5)");
    }
    const int kind = arguments.choice == "vertibili" ? kVertibleMethod : kTwinMethod;
    const bool checked = arguments.Flag("--controllo");
    const std::vector<std::string> lineHeader = {"estrazione", "data", "previsione", "numeri"};
    const auto walk = [&](const ForecastLineVisitor& onLine) {
        const MethodWalk done = WalkMethod(context.folder, from, to, kind, position, checked, onLine);
        if (!done.error.empty()) throw CliError(done.error);
        return done.check;
    };
    if (!checked) {
        RecordWriter writer(context.out, context.Csv(), lineHeader);
        walk([&writer](const ForecastLine& line, const LineOutcome*) { writer.Row(LineFields(line)); });
        return kCliOk;
    }
    std::vector<std::string> checkedHeader = lineHeader;
    checkedHeader.insert(checkedHeader.end(), {"attesa", "sortita", "vincenti"});
    const auto figures = [](const ForecastCheck& check) {
        return std::vector<std::string>{Plain(check.played), Plain(check.won), PlainDecimal2(check.percent)};
    };
    const auto chance = [](const ForecastCheck& check) {
        return std::vector<std::string>{Plain(check.chance.played), PlainDecimal2(check.chance.expected),
                                        PlainDecimal2(check.chance.percent)};
    };
    if (context.Csv()) {
        const ForecastCheck check = walk([](const ForecastLine&, const LineOutcome*) {});
        std::vector<std::string> heading = figures(check);
        const std::vector<std::string> odds = chance(check);
        heading.insert(heading.end(), odds.begin(), odds.end());
        HeadedWriter writer(context.out, true,
                            {"giocate", "vinte", "percentuale", "caso_giocate", "caso_attese", "caso_percentuale"},
                            heading, checkedHeader);
        walk([&writer](const ForecastLine& line, const LineOutcome* outcome) {
            writer.Detail(CheckedFields(line, *outcome, true));
        });
        writer.End();
        return kCliOk;
    }
    RecordWriter writer(context.out, false, {});
    const ForecastCheck check = walk([&writer](const ForecastLine& line, const LineOutcome* outcome) {
        writer.Row(CheckedFields(line, *outcome, false));
    });
    writer.Row(figures(check));
    writer.Row(chance(check));
    return kCliOk;
}

}  // namespace fortunara
