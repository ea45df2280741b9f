#include "state/range_selector.h"

#include <algorithm>

#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"

namespace fortunara {

SelectorLimits SelectorLimitsFor(int recordCount) {
    if (recordCount < 1) return {};
    return {1, recordCount};
}

int InitialFromPosition(int recordCount) {
    return std::max(recordCount, 0);
}

int InitialToPosition(int recordCount) {
    if (recordCount > 100) return recordCount - 100;
    return recordCount >= 1 ? 1 : 0;
}

std::string SelectorCaption(SelectorEnd end, std::string_view dateText) {
    const std::string prefix = end == SelectorEnd::From ? "DAL: " : "AL: ";
    return prefix + std::string(dateText.substr(0, std::min<std::size_t>(dateText.size(), kDateLength)));
}

std::string SpanCaption(int span) {
    return "SETT. : " + TextForm(span);
}

SelectorReading ReadSelectorDate(const std::filesystem::path& programFolder, int value) {
    SelectorReading reading;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) return reading;
    reading.recordCount = archive.RecordCount();
    if (value >= 1 && value <= reading.recordCount) {
        reading.dateText = ParseDrawRecord(archive.ReadDrawRecord(value)).date;
    }
    archive.CloseDrawArchive();
    return reading;
}

}  // namespace fortunara
