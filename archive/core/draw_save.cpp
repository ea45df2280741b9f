#include "archive/core/draw_save.h"

#include <algorithm>

#include "archive/core/archive_date.h"
#include "archive/core/archive_files.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "archive/core/draw_scan.h"
#include "platform/text/number_text.h"

namespace fortunara {

std::string DateFault(std::string_view date) {
    if (IsArchiveDate(date)) return {};
    return "LA DATA \"" + std::string(date) + "\" NON E' VALIDA: SCRIVILA NELLA CASELLA DATA CON " +
           std::string(kDateForm) + ". NON E' STATO SALVATO NIENTE.";
}

std::string EnteredDrawRecord(std::string_view date, const std::array<int, 11>& numbers) {
    std::string text(date);
    for (std::size_t k = 1; k <= 8; ++k) {
        const std::string form = TextForm(numbers[k]);
        text += form.substr(form.size() - 2);
    }
    text.resize(kDrawRecordLength, ' ');
    return text;
}

DateMatches FindDateAmongNewest(const std::filesystem::path& programFolder, std::string_view date) {
    DateMatches matches;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        matches.error = archive.Error();
        return matches;
    }
    matches.recordCount = archive.RecordCount();
    const int oldest = std::max(1, matches.recordCount - kDuplicateScanDepth + 1);
    const std::vector<std::string> newest = archive.ReadDrawRecords(oldest, matches.recordCount);
    for (int r = matches.recordCount; r >= oldest; --r) {
        if (newest[static_cast<std::size_t>(r - oldest)].substr(0, kDateLength) == date) matches.records.push_back(r);
    }
    return matches;
}

int ChooseSaveTarget(const std::vector<int>& matches, const std::function<bool(int record)>& replace) {
    int target = 0;
    for (int record : matches) target = replace(record) ? record : 0;
    return target;
}

AppendOrder CheckAppendOrder(const std::filesystem::path& programFolder, std::string_view date) {
    AppendOrder order;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        order.error = archive.Error();
        return order;
    }
    const int count = archive.RecordCount();
    const std::string newest = archive.ReadDrawRecord(count).substr(0, kDateLength);
    archive.CloseDrawArchive();
    const int key = ArchiveDateKey(date);
    const int newestKey = ArchiveDateKey(newest);
    if (count > 0 && key != 0 && newestKey > key) {
        order.newer = count;
        order.newerDate = newest;
    }
    // The records the save's search does not reach, newest first.
    int record = count - kDuplicateScanDepth;
    if (record < 1) return order;
    const ScanOutcome scan = VisitScan(programFolder, {record, 1}, [&](std::span<const DrawRecord> draws) {
        for (const DrawRecord& draw : draws) {
            if (draw.date == date) {
                order.earlier = record;
                return false;
            }
            --record;
        }
        return true;
    });
    order.error = scan.error;
    return order;
}

std::string AppendOrderText(const AppendOrder& order, std::string_view date) {
    std::string text;
    if (order.newer != 0) {
        text += "L'ESTRAZIONE " + Plain(order.newer) + " DEL " + order.newerDate + " E' PIU' RECENTE DEL " +
                std::string(date);
    }
    if (order.earlier != 0) {
        if (!text.empty()) text += "\n";
        text += "IL " + std::string(date) + " C'E' GIA': E' L'ESTRAZIONE " + Plain(order.earlier);
    }
    return text;
}

DrawWrite WriteDraw(const std::filesystem::path& programFolder, std::string_view record, int target,
                    const ArchiveLock& lock, std::uintmax_t writeLimit) {
    DrawWrite write;
    if (!lock.ok()) {
        write.error = lock.Error();
        return write;
    }
    DrawArchive archive(programFolder, writeLimit);
    if (!archive.OpenDrawArchive()) {
        write.error = archive.Error();
        return write;
    }
    if (target > 0) {
        // A replacement rewrites the archive as a whole with its backup, so that a failure leaves
        // both as they were, and a run killed half-way the archive old or new.
        write.recordCount = archive.RecordCount();
        if (archive.IsReadOnly()) write.error = "L'ARCHIVIO NON SI PUO' SCRIVERE";
        if (target > write.recordCount) write.error = "NUMERO DI ESTRAZIONE NON VALIDO";
        archive.CloseDrawArchive();
        const FileBytes old = ReadFileBytes(DrawArchive::ArchivePath(programFolder));
        if (write.error.empty()) write.error = old.error;
        if (!write.error.empty()) return write;
        constexpr std::size_t kLength = kDrawRecordLength;
        std::string bytes = old.bytes;
        const std::size_t at = static_cast<std::size_t>(target - 1) * kLength;
        bytes.resize(std::max(bytes.size(), at + kLength), ' ');  // a partial record padded
        std::string text(record.substr(0, std::min(record.size(), kLength)));
        text.resize(kLength, ' ');
        bytes.replace(at, kLength, text);
        write.error = ReplaceArchive(
            programFolder, true, [&bytes](FileReplacement& out) { return out.Write(bytes); }, writeLimit);
        write.record = target;
        return write;
    }
    write.record = archive.RecordCount() + 1;
    if (!archive.WriteDrawRecord(write.record, record)) {
        write.error = archive.Error();
        return write;
    }
    write.recordCount = archive.RecordCount();
    return write;
}

}  // namespace fortunara
