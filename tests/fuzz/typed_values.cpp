// Dates and numbers as users type them: the archive's date, the date of a pasted row, the numbers of
// the prompts and boxes. A date taken is a day of the calendar that reads back as typed; a reason
// why a date does not exist is given only for a text that is no date; a whole number taken lies
// within its bounds and is the value the boxes read; no text overflows a reader.
#include <cmath>
#include <cstring>

#include "archive/core/archive_date.h"
#include "archive/core/draw_entry.h"
#include "archive/core/draw_save.h"
#include "checks/core/played_system.h"
#include "platform/text/cp1252.h"
#include "platform/text/number_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace fortunara {
namespace {

using fuzz::Expect;

void CheckArchiveDate(std::string_view text) {
    const int key = ArchiveDateKey(text);
    Expect(IsArchiveDate(text) == (key != 0), "a date has a key, anything else none");
    if (key == 0) {
        Expect(!DateFault(text).empty(), "the save refuses what is no date");
        return;
    }
    Expect(ArchiveDate(key % 100, key / 100 % 100, key / 10000) == text, "a date reads back as typed");
    Expect(MissingDayReason(text).empty() && DateFault(text).empty(), "a date is taken without a reason");
}

void CheckNumbers(std::string_view text, int highest) {
    const int value = NumericValue(text);
    Expect(NumericValue(Plain(value)) == value, "a box's value reads back from its digits");
    if (const std::optional<int> whole = WholeNumber(text, highest)) {
        Expect(*whole >= 0 && *whole <= highest && *whole == value,
               "a whole number taken lies within its bounds and is the box's value");
    }
    const std::optional<int> prompt = ReadPromptNumber(text);
    Expect(prompt == WholeNumber(text, 90), "the draw entry's prompt takes 0 to 90");
    const int given[] = {7};
    const TypedSystemNumber system = ReadSystemNumber(text, given);
    Expect(system.refusal.empty() == (prompt.value_or(0) >= 1 && prompt != 7), "SISTEMA takes 1 to 90 once each");
    const double italian = ParseItalianNumber(std::string(text));
    Expect(!std::isnan(italian), "a grouped text reads as a number or 0");
}

}  // namespace
}  // namespace fortunara

// Bytes 0-3 are the highest whole number a box takes, bytes 4-6 a day, a month and a year; the rest
// is the text typed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    if (size < 7) return 0;
    int highest = 0;
    std::memcpy(&highest, data, sizeof highest);
    const std::string_view text(reinterpret_cast<const char*>(data) + 7, size - 7);

    CheckArchiveDate(text);
    const std::string day = ArchiveDate(data[4] % 40, data[5] % 14, 1900 + data[6]);
    Expect(day.empty() || ArchiveDateKey(day) == (1900 + data[6]) * 10000 + data[5] % 14 * 100 + data[4] % 40,
           "a day of the calendar is written as the archive writes it", day);
    const std::string pasted = ReadDayFirstDate(text);
    Expect(pasted.empty() || IsArchiveDate(pasted), "a pasted date is a day of the calendar", pasted);
    CheckNumbers(text, std::max(highest, 0));
    Expect(Utf8ToCp1252(Cp1252ToUtf8(text)) == text, "every byte of a file survives the way through UTF-8");
    return 0;
}
