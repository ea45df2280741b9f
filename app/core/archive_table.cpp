#include "app/core/archive_table.h"

#include <algorithm>

#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// Six numbers in ascending order, jolly and superstar in their places.
std::array<int, 9> InOrder(const DrawRecord& draw, ArchiveOrder order) {
    std::array<int, 9> numbers = draw.numbers;
    if (order == ArchiveOrder::Ascending) {
        const std::array<int, 6> sorted = SortedMain(draw);
        std::copy(sorted.begin(), sorted.end(), numbers.begin() + 1);
    }
    return numbers;
}

ArchiveRow RowOf(const std::string& date, const std::array<int, 9>& numbers) {
    ArchiveRow row;
    row[0] = date;
    for (std::size_t i = 1; i <= 8; ++i) row[i] = DrawCell(numbers[i]);
    return row;
}

}  // namespace

ArchiveRow ArchiveHeaders(ArchiveOrder order) {
    if (order == ArchiveOrder::Wheels) return {"DATA", "BA", "FI", "MI", "NA", "PA", "RO", "Jolly", "Star"};
    return {"DATA", "I", "II", "III", "IV", "V", "VI", "Jolly", "Star"};
}

std::string DrawCell(int n) {
    const std::string digits = DigitsOrEmpty(n);
    return digits.empty() ? digits : " " + digits;
}

RecordSpan ArchiveTableSpan(int value, int recordCount) {
    if (recordCount < 1) return {};
    // A bar left past the end of an archive that shrank stands on the newest draw.
    value = std::min(value, recordCount);
    RecordSpan span{value, value - (kArchiveTableRows - 1)};
    if (span.from < kArchiveTableRows) span.to = 1;
    if (span.from < 16) span = {16, 1};
    // A small archive shows what it has.
    span.from = std::clamp(span.from, 1, recordCount);
    span.to = std::clamp(span.to, 1, span.from);
    return span;
}

ArchiveTableFill FillArchiveTable(const std::filesystem::path& programFolder, int value, ArchiveOrder order) {
    ArchiveTableFill fill;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) return fill;
    fill.recordCount = archive.RecordCount();
    fill.span = ArchiveTableSpan(value, fill.recordCount);
    if (fill.span.from >= 1) {
        const std::vector<std::string> records = archive.ReadDrawRecords(fill.span.to, fill.span.from);
        for (auto it = records.rbegin(); it != records.rend(); ++it) {
            const DrawRecord draw = ParseDrawRecord(*it);
            fill.lastDrawShown = InOrder(draw, order);
            fill.rows.push_back(RowOf(draw.date, fill.lastDrawShown));
            fill.anyDrawRead = true;
        }
    }
    archive.CloseDrawArchive();
    return fill;
}

SingleDrawView ShowOneDraw(const std::filesystem::path& programFolder, int value) {
    SingleDrawView view;
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) return view;
    view.recordCount = archive.RecordCount();
    if (value >= 1 && value <= view.recordCount) {
        const DrawRecord draw = ParseDrawRecord(archive.ReadDrawRecord(value));
        view.shown = true;
        view.date = draw.date;
        view.numbers = InOrder(draw, ArchiveOrder::Ascending);
        view.row = RowOf(draw.date, view.numbers);
    }
    archive.CloseDrawArchive();
    return view;
}

}  // namespace fortunara
