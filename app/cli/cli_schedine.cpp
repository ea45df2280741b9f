// schedine: the marks the slip window prints, without a printer: the calibration page, or the slips
// of a played system, on the layout of matrion/valori.tab.
#include <algorithm>

#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "platform/text/number_text.h"
#include "slips/core/slip_layout.h"
#include "slips/core/slip_printing.h"
#include "systems/core/sistemi_output.h"

namespace fortunara {

namespace {

SlipLayout ReadLayout(const std::filesystem::path& folder) {
    const SlipLayoutRead read = ReadSlipLayout(folder);
    if (read.missing) throw CliError("MANCA IL FILE " + SlipLayoutPath(folder).string());
    if (!read.error.empty()) throw CliError(read.error);
    SlipLayoutTexts texts;
    for (std::size_t i = 0; i < kSlipValues; ++i) texts[i] = read.texts[i].value_or("");
    return LayoutOf(texts);
}

void WriteMarks(RecordWriter& writer, long long slip, const std::vector<SlipMark>& marks) {
    for (const SlipMark& m : marks) {
        writer.Row({Plain(slip), Plain(m.panel), Plain(m.number), Plain(m.mark.left), Plain(m.mark.top),
                    Plain(m.mark.right), Plain(m.mark.bottom)});
    }
}

}  // namespace

// schedine (--prova | --sistema FILE [--dal C] [--al C]): one line per mark, slip by slip.
int RunSchedine(const CliContext& context) {
    const CliArguments& arguments = context.arguments;
    // The command line already holds --prova or --sistema, not both.
    const bool calibration = arguments.Flag("--prova");
    if (calibration && (arguments.Has("--dal") || arguments.Has("--al"))) {
        throw CliError("--dal E --al VALGONO SOLO CON --sistema");
    }
    const SlipLayout layout = ReadLayout(context.folder);
    const std::vector<std::string> header = {"schedina", "pannello", "numero", "x1", "y1", "x2", "y2"};
    if (calibration) {
        RecordWriter writer(context.out, context.Csv(), header);
        WriteMarks(writer, 1, CalibrationMarks(layout));
        return kCliOk;
    }
    ProgramState state;
    const LoadedSystem loaded = LoadPlayedSystem(state, arguments.Required("--sistema"));
    if (!loaded.error.empty()) throw CliError(loaded.error);
    // A file that is no played system reads as one without combinations: printing no mark at all
    // would look like an answer.
    if (state.TicketCount <= 0) {
        throw CliError("IL FILE " + arguments.Required("--sistema") + " NON HA COMBINAZIONI DA STAMPARE");
    }
    if (!loaded.notice.empty()) WriteMessage(context.err, loaded.notice);
    const int first = arguments.Has("--dal") ? ParseWhole(arguments.Required("--dal"), "--dal") : 1;
    const int last = arguments.Has("--al") ? ParseWhole(arguments.Required("--al"), "--al") : state.TicketCount;
    if (first < 1) throw CliError("--dal DEVE ESSERE ALMENO 1");
    const CombinationSource source = TicketCombinations(state);
    RecordWriter writer(context.out, context.Csv(), header);
    // Slips after the last combination of the system have no mark: they print no line.
    const long long slips = SlipCount(first, std::min(last, state.TicketCount));
    for (long long slip = 0; slip < slips; ++slip) {
        WriteMarks(writer, slip + 1, SlipMarks(layout, FillSlip(SlipStart(first, slip), source)));
    }
    return kCliOk;
}

}  // namespace fortunara
