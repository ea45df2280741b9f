#include "archive/core/draw_save.h"

#include <algorithm>

#include "archive/core/archive_date.h"
#include "archive/core/archive_files.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"

namespace fortunara {

std::string DateFault(std::string_view date) {
    if (IsArchiveDate(date)) return {};
    return "LA DATA \"" + std::string(date) +
           "\" NON E' VALIDA: SCRIVILA NELLA CASELLA DATA CON 9 CARATTERI, GIORNO A DUE CIFRE, MESE "
           "GEN FEB MAR APR MAG GIU LUG AGO SET OTT NOV DIC, ANNO A QUATTRO CIFRE (PER ESEMPIO 12GEN2010). "
           "NON E' STATO SALVATO NIENTE.";
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

DrawWrite WriteDraw(const std::filesystem::path& programFolder, std::string_view record, int target) {
    DrawWrite write;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        write.error = archive.Error();
        return write;
    }
    if (target > 0) {
        archive.CloseDrawArchive();
        write.error = KeepArchiveBackup(programFolder);
        if (!write.error.empty()) return write;
        if (!archive.OpenDrawArchive()) {
            write.error = archive.Error();
            return write;
        }
    }
    write.record = target > 0 ? target : archive.RecordCount() + 1;
    if (!archive.WriteDrawRecord(write.record, record)) {
        write.error = archive.Error();
        return write;
    }
    write.recordCount = archive.RecordCount();
    return write;
}

}  // namespace fortunara
