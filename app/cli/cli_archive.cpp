#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_scan.h"
#include "platform/text/number_text.h"

namespace fortunara {

// archivio [--dal R] [--al R]: the records from --dal to --al, newest first by default, written as
// they are read a block at a time.
int RunArchivio(const CliContext& context) {
    int count = 0;
    {
        DrawArchive archive(context.folder);
        if (!archive.OpenDrawArchive()) throw CliError(archive.Error());
        count = archive.RecordCount();
    }
    const std::vector<std::string> header = {"estrazione", "data", "n1", "n2",    "n3",
                                             "n4",         "n5",   "n6", "jolly", "superstar"};
    if (count == 0 && !context.arguments.Has("--dal") && !context.arguments.Has("--al")) {
        const RecordWriter headerOnly(context.out, context.Csv(), header);  // an empty table keeps its header
        return kCliOk;
    }
    const ScanRange range{ParseRecord(context.arguments.Get("--dal", "ultima"), count, "--dal"),
                          ParseRecord(context.arguments.Get("--al", "1"), count, "--al")};
    RecordWriter writer(context.out, context.Csv(), header);
    std::vector<std::string> fields(10);
    int record = range.from;
    const ScanOutcome scan = VisitScan(context.folder, range, [&](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            fields[0] = Plain(record);
            fields[1] = draw.date;
            for (std::size_t i = 1; i <= 8; ++i) fields[i + 1] = Plain(draw.numbers[i]);
            writer.Row(fields);
            record += ScanStep(range);
        }
        return true;
    });
    if (!scan.error.empty()) throw CliError(scan.error);
    return kCliOk;
}

}  // namespace fortunara
