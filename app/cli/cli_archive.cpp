#include <algorithm>

#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// Records read at a time: one read of 100 KB instead of one per record, and never the whole
// archive in memory.
constexpr int kBlockRecords = 4096;

}  // namespace

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
    std::vector<std::string> fields(10);
    for (int next = from; next != to + step;) {
        // The block from `next` towards `to`, read in ascending order.
        const int end = step > 0 ? std::min(next + kBlockRecords - 1, to) : std::max(next - kBlockRecords + 1, to);
        const std::vector<std::string> block = archive.ReadDrawRecords(std::min(next, end), std::max(next, end));
        for (int k = next; k != end + step; k += step) {
            const std::size_t at = static_cast<std::size_t>(step > 0 ? k - next : k - end);
            const DrawRecord draw = ParseDrawRecord(at < block.size() ? block[at] : std::string());
            fields[0] = Plain(k);
            fields[1] = draw.date;
            for (std::size_t i = 1; i <= 8; ++i) fields[i + 1] = Plain(draw.numbers[i]);
            writer.Row(fields);
        }
        next = end + step;
    }
    return kCliOk;
}

}  // namespace fortunara
