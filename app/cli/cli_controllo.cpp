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
    Records winners{{"bolletta", "numeri", "jolly"}, {}};
    for (const WinningTicket& winner : check.winners) {
        std::vector<std::string>& row = winners.rows.emplace_back();
        row = {Plain(winner.ticket), Joined(winner.matched)};
        if (context.Csv()) {
            row.push_back(winner.withJolly ? Plain(winner.jolly) : "");
        } else if (winner.withJolly) {
            row.insert(row.end(), {"jolly", Plain(winner.jolly)});
        }
    }
    WriteHeadedRecords(context.out, context.Csv(), kCountsHeader, CountFields(check.counts), winners);
}

// A range: one line per draw with a win (record, date, the five counts), then the totals and the
// draws checked and won. As CSV one table, the totals at the start of every row.
void RecordOverDraws(const CliContext& context, const Tickets& tickets, const ScanRange& range) {
    const SystemRecord record = RecordOverRange(context.folder, tickets, range);
    if (!record.error.empty()) throw CliError(record.error);
    Records draws{{"estrazione", "data"}, {}};
    draws.header.insert(draws.header.end(), kCountsHeader.begin(), kCountsHeader.end());
    for (const DrawWins& won : record.draws) {
        std::vector<std::string>& row = draws.rows.emplace_back();
        row = {Plain(won.record), won.date};
        const std::vector<std::string> counts = CountFields(won.counts);
        row.insert(row.end(), counts.begin(), counts.end());
    }
    const std::vector<std::string> totals = CountFields(record.total);
    const std::string checked = Plain(record.checked);
    const std::string won = Plain(static_cast<long long>(record.draws.size()));
    if (context.Csv()) {
        std::vector<std::string> header;
        for (const std::string& name : kCountsHeader) header.push_back("totale_" + name);
        header.insert(header.end(), {"estrazioni", "vincenti"});
        std::vector<std::string> heading = totals;
        heading.insert(heading.end(), {checked, won});
        WriteHeadedRecords(context.out, true, header, heading, draws);
        return;
    }
    RecordWriter writer(context.out, false, {});
    for (const std::vector<std::string>& row : draws.rows) writer.Row(row);
    std::vector<std::string> total = {"TOTALE"};
    total.insert(total.end(), totals.begin(), totals.end());
    writer.Row(total);
    writer.Row({"ESTRAZIONI", checked, "VINCENTI", won});
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
