#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"

namespace fortunara {

// archivio [--dal R] [--al R]: the records from --dal to --al, newest first by default.
int RunArchivio(const CliContext& context) {
    DrawArchive archive(context.folder);
    if (!archive.OpenDrawArchive()) throw CliError(archive.Error());
    const int count = archive.RecordCount();
    RecordWriter writer(context.out, context.Csv(),
                        {"estrazione", "data", "n1", "n2", "n3", "n4", "n5", "n6", "jolly", "superstar"});
    if (count == 0 && !context.arguments.Has("--dal") && !context.arguments.Has("--al")) return kCliOk;
    const int from = ParseRecord(context.arguments.Get("--dal", "ultima"), count, "--dal");
    const int to = ParseRecord(context.arguments.Get("--al", "1"), count, "--al");
    const int step = from <= to ? 1 : -1;
    for (int k = from;; k += step) {
        const DrawRecord draw = ParseDrawRecord(archive.ReadDrawRecord(k));
        std::vector<std::string> fields = {Plain(k), draw.date};
        for (int i = 1; i <= 8; ++i) fields.push_back(Plain(draw.numbers[static_cast<std::size_t>(i)]));
        writer.Row(fields);
        if (k == to) break;
    }
    return kCliOk;
}

}  // namespace fortunara
