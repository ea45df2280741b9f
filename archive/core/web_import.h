#pragma once

#include <string>
#include <string_view>

namespace fortunara {

// The import of a draw from a row copied off a results page: the draw's date, a tab, then the
// eight numbers as two-digit fields separated by single tabs ("15/03/2009\t01\t02\t...\t08").

// What is wrong with a pasted text before it is converted: "" for one row (with or without its line
// end), else the message. Two or more rows would give the date of the first row with the numbers of
// the last, a draw that never was.
std::string PastedRowFault(std::string_view text);

// The record text of a pasted row; "" for a text of more than one row. The date part is the text up to the first tab
// among the first 16 characters (17 characters when there is none), read day first; a date part that is no date gives
// nothing. The numbers are the last 23 characters with blanks and line ends around them and every tab removed. A
// well-formed row gives 25 characters; the user may correct them.
std::string ConvertPastedRow(std::string_view row);

// The message for a record text that is not 25 characters long (shown as it is, blank first).
inline constexpr const char* kImportLengthMessage = " il formato del campo estrazioni non è corretto <>25 caratteri";

// What a record text must be before the import appends it: "" when it may be appended, else the
// message (the length message above, or what is wrong with the draw).
std::string ImportFault(std::string_view record);

// " Aggiunta estrazione del 15MAR2009  all'archivio !!"
std::string ImportedMessage(std::string_view record);

}  // namespace fortunara
