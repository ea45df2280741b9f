// controllo: the win check of a system against one draw, or its record over a range of draws.
#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "app/cli/cli_tickets.h"
#include "archive/core/draw_archive.h"
#include "checks/core/system_record.h"
#include "checks/core/win_check.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// At most this many winning draws (a few MB) are kept between the walks of a CSV record.
constexpr std::size_t kHeldDraws = 65536;

const std::vector<std::string> kCountsHeader = {"terni", "quaterne", "cinquine", "cinque+1", "sestine"};

std::vector<std::string> CountFields(const WinCounts& counts) {
    return {Plain(counts.terni), Plain(counts.quaterne), Plain(counts.cinquine), Plain(counts.cinquePiuUno),
            Plain(counts.sestine)};
}

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    for (const int n : numbers) text += (text.empty() ? "" : " ") + Plain(n);
    return text;
}

int RecordCountOf(const CliContext& context) {
    DrawArchive archive(context.folder);
    if (!archive.OpenDrawArchive()) throw CliError(archive.Error());
    const int count = archive.RecordCount();
    archive.CloseDrawArchive();
    return count;
}

// One draw: the five counts, then one line per winning ticket (its number, the numbers it matched
// and, for a cinque + 1, "jolly" and the jolly).
void CheckOneDraw(const CliContext& context, const Tickets& tickets, int record) {
    const std::vector<DrawRecord> draws = LoadDraws(context.folder, record, record);
    const WinCheck check = CheckTickets(tickets, CheckDrawOf(draws.empty() ? DrawRecord{} : draws.front()));
    HeadedWriter writer(context.out, context.Csv(), kCountsHeader, CountFields(check.counts),
                        {"bolletta", "numeri", "jolly"});
    for (const WinningTicket& winner : check.winners) {
        std::vector<std::string> row = {Plain(winner.ticket), Joined(winner.matched)};
        if (context.Csv()) {
            row.push_back(winner.withJolly ? Plain(winner.jolly) : "");
        } else if (winner.withJolly) {
            row.insert(row.end(), {"jolly", Plain(winner.jolly)});
        }
        writer.Detail(row);
    }
    writer.End();
}

std::vector<std::string> WinFields(const DrawWins& won) {
    std::vector<std::string> row = {Plain(won.record), won.date};
    const std::vector<std::string> counts = CountFields(won.counts);
    row.insert(row.end(), counts.begin(), counts.end());
    return row;
}

// A range: one line per draw with a win (record, date, the five counts), then the totals and the
// draws checked and won. As CSV one table, the totals at the start of every row: the CSV walks the
// range twice, once for the totals and once writing the draws.
void RecordOverDraws(const CliContext& context, const Tickets& tickets, const ScanRange& range) {
    long long won = 0;
    const auto walk = [&](const DrawWinsVisitor& onWin) {
        won = 0;
        SystemRecord record = RecordOverRange(context.folder, tickets, range, [&](const DrawWins& draw) {
            ++won;
            onWin(draw);
        });
        if (!record.error.empty()) throw CliError(record.error);
        return record;
    };
    std::vector<std::string> drawHeader = {"estrazione", "data"};
    drawHeader.insert(drawHeader.end(), kCountsHeader.begin(), kCountsHeader.end());
    if (context.Csv()) {
        // The winning draws of the first walk are kept while they are few, so that a usual system
        // is walked once; past kHeldDraws the range is walked again to write them.
        std::vector<DrawWins> held;
        const SystemRecord record = walk([&held](const DrawWins& draw) {
            if (held.size() <= kHeldDraws) held.push_back(draw);
        });
        std::vector<std::string> header;
        for (const std::string& name : kCountsHeader) header.push_back("totale_" + name);
        header.insert(header.end(), {"estrazioni", "vincenti"});
        std::vector<std::string> heading = CountFields(record.total);
        heading.insert(heading.end(), {Plain(record.checked), Plain(won)});
        HeadedWriter writer(context.out, true, header, heading, drawHeader);
        if (held.size() <= kHeldDraws) {
            for (const DrawWins& draw : held) writer.Detail(WinFields(draw));
        } else {
            walk([&writer](const DrawWins& draw) { writer.Detail(WinFields(draw)); });
        }
        writer.End();
        return;
    }
    RecordWriter writer(context.out, false, {});
    const SystemRecord record = walk([&writer](const DrawWins& draw) { writer.Row(WinFields(draw)); });
    std::vector<std::string> total = {"TOTALE"};
    const std::vector<std::string> totals = CountFields(record.total);
    total.insert(total.end(), totals.begin(), totals.end());
    writer.Row(total);
    writer.Row({"ESTRAZIONI", Plain(record.checked), "VINCENTI", Plain(won)});
}

}  // namespace

// controllo (--sistema FILE | --matrice FILE --numeri LIST) (--estrazione R | --dal R --al R)
int RunControllo(const CliContext& context) {
    const CliArguments& arguments = context.arguments;
    const bool range = arguments.Has("--dal") || arguments.Has("--al");
    if (range == arguments.Has("--estrazione")) throw CliError("SERVE --estrazione R OPPURE --dal R --al R");
    const SystemTickets tickets = ReadSystemTickets(context);
    const int recordCount = RecordCountOf(context);
    if (!range) {
        CheckOneDraw(context, tickets.View(),
                     ParseRecord(arguments.Required("--estrazione"), recordCount, "--estrazione"));
        return kCliOk;
    }
    const ScanRange scan{ParseRecord(arguments.Required("--dal"), recordCount, "--dal"),
                         ParseRecord(arguments.Required("--al"), recordCount, "--al")};
    RecordOverDraws(context, tickets.View(), scan);
    return kCliOk;
}

}  // namespace fortunara
