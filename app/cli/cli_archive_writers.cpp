// The commands that keep the archive current: aggiungi, converti, importa, and the archive's
// integrity report verifica. Each follows the same rules as its window.
#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"
#include "archive/core/archive_conversion.h"
#include "archive/core/archive_date.h"
#include "archive/core/archive_download.h"
#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "archive/core/archive_verification.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "archive/core/draw_save.h"
#include "archive/core/record_checks.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// The record as `archivio` prints it.
void PrintRecord(const CliContext& context, int k, const std::string& record) {
    const DrawRecord draw = ParseDrawRecord(record);
    std::vector<std::string> fields = {Plain(k), draw.date};
    for (std::size_t i = 1; i <= 8; ++i) fields.push_back(Plain(draw.numbers[i]));
    RecordWriter(context.out, context.Csv(),
                 {"estrazione", "data", "n1", "n2", "n3", "n4", "n5", "n6", "jolly", "superstar"})
        .Row(fields);
}

// Where the command line has no network, a web address gets this answer.
class NoDownloader : public Downloader {
public:
    DownloadResult Download(const std::string&, const std::filesystem::path&, const Progress&) override {
        return {false, false, "DOWNLOAD NON DISPONIBILE"};
    }
    void Cancel() override {}
};

// What is wrong with the date of --data: a day that does not exist, or the form of a date.
std::string DateOptionFault(const std::string& date) {
    if (IsArchiveDate(date)) return {};
    const std::string quoted = "LA DATA \"" + Printable(date) + "\" ";
    if (const std::string reason = MissingDayReason(date); !reason.empty()) return quoted + "NON ESISTE: " + reason;
    return quoted + "NON E' VALIDA: --data VUOLE " + std::string(kDateForm);
}

const std::string& OnlyWord(const CliContext& context, const std::string& what) {
    if (context.arguments.words.size() != 1) throw CliError("INDICA " + what);
    return context.arguments.words.front();
}

}  // namespace

// aggiungi --data DDMMMYYYY --numeri LIST [--sostituisci] [--forza]: the eight numbers as a new
// draw, or in place of the one among the 105 newest with that date. An append the archive's order
// does not expect (an older date, a date farther back) wants --forza.
int RunAggiungi(const CliContext& context) {
    const std::string& date = context.arguments.Required("--data");
    if (const std::string fault = DateOptionFault(date); !fault.empty()) throw CliError(fault);
    const std::vector<int> list = ParseList(context.arguments.Required("--numeri"), "--numeri");
    if (list.size() != 8) throw CliError("--numeri VUOLE OTTO NUMERI: I SEI ESTRATTI, IL JOLLY E LA SUPERSTAR");
    std::array<int, 11> numbers{};
    for (std::size_t i = 0; i < 8; ++i) {
        if (list[i] < 0 || list[i] > 99) throw CliError("NUMERO NON VALIDO PER --numeri: " + Plain(list[i]));
        numbers[i + 1] = list[i];
    }
    const std::string record = EnteredDrawRecord(date, numbers);
    if (const std::string fault = RecordFault(record); !fault.empty()) throw CliError(fault);
    const ArchiveLock lock(context.folder);
    if (!lock.ok()) throw CliError(lock.Error());
    const DateMatches matches = FindDateAmongNewest(context.folder, date);
    if (!matches.error.empty()) throw CliError(matches.error);
    const bool replace = context.arguments.Flag("--sostituisci");
    if (!matches.records.empty() && !replace) {
        throw CliError("LA DATA " + date + " E' GIA' PRESENTE (ESTRAZIONE " + Plain(matches.records.front()) +
                       "): --sostituisci LA SOSTITUISCE");
    }
    const int target = ChooseSaveTarget(matches.records, [](int) { return true; });
    if (target == 0 && !context.arguments.Flag("--forza")) {
        const AppendOrder order = CheckAppendOrder(context.folder, date);
        if (!order.error.empty()) throw CliError(order.error);
        if (!order.InOrder()) throw CliError(AppendOrderText(order, date) + "\n--forza LA AGGIUNGE IN CODA LO STESSO");
    }
    const DrawWrite written = WriteDraw(context.folder, record, target, lock);
    if (!written.ok()) throw CliError(written.error);
    PrintRecord(context, written.record, record);
    return kCliOk;
}

// converti FILE: the text archive into records 1428 downwards.
int RunConverti(const CliContext& context) {
    const std::string& text = OnlyWord(context, "L'ARCHIVIO DI TESTO");
    const ArchiveLock lock(context.folder);
    if (!lock.ok()) throw CliError(lock.Error());
    const ConversionResult result = ConvertTextArchive(context.folder, text, lock);
    if (!result.ok()) throw CliError(result.error);
    if (result.more) WriteMessage(context.err, LeftOutMessage(result));
    RecordWriter(context.out, context.Csv(), {"convertite", "dal", "al"})
        .Row({Plain(result.written), Plain(kConversionTopRecord), Plain(kConversionTopRecord - result.written + 1)});
    return kCliOk;
}

// importa FILE|ADDRESS [--forza]: a fresh copy of the whole archive, checked like the download's.
int RunImporta(const CliContext& context) {
    const std::string& source = OnlyWord(context, "IL FILE O L'INDIRIZZO DELL'ARCHIVIO DA IMPORTARE");
    const TemporaryFile copy(DrawArchive::ArchivePath(context.folder));
    if (!copy.ok()) throw CliError(NoArchiveCopyError(context.folder));
    NoDownloader none;
    Downloader& downloader = context.downloader != nullptr ? *context.downloader : none;
    const DownloadResult fetched = FetchArchiveCopy(downloader, source, copy.path(), nullptr);
    if (!fetched.ok) throw CliError("Errore durante il download! " + fetched.error);
    const ArchiveLock lock(context.folder);
    if (!lock.ok()) throw CliError(lock.Error());
    const ArchiveCopyCheck check = CheckArchiveCopy(context.folder, copy.path());
    std::string refusal = check.error;
    if (refusal.empty() && check.NeedsConfirmation() && !context.arguments.Flag("--forza")) {
        refusal = ReplacementQuestion(check) + "\n--forza LO SOSTITUISCE";
    }
    if (refusal.empty()) refusal = InstallArchiveCopy(context.folder, copy.path(), lock);
    if (!refusal.empty()) throw CliError(refusal);
    RecordWriter(context.out, context.Csv(), {"estrazioni", "prima"})
        .Row({Plain(check.copyCount), Plain(check.currentCount)});
    return kCliOk;
}

// verifica: one line per fault of the archive, written as it is found; status 0 when there is none,
// 1 otherwise.
int RunVerifica(const CliContext& context) {
    DrawArchive archive(context.folder);
    if (!archive.OpenDrawArchive()) throw CliError(archive.Error());
    archive.CloseDrawArchive();
    RecordWriter writer(context.out, context.Csv(), {"estrazione", "problema"});
    bool found = false;
    const std::string error =
        VerifyArchiveFile(DrawArchive::ArchivePath(context.folder), [&](const ArchiveFinding& finding) {
            found = true;
            writer.Row({Plain(finding.record), finding.text});
        });
    if (!error.empty()) throw CliError(error);
    return found ? kCliFindings : kCliOk;
}

}  // namespace fortunara
