#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/file_replacement.h"

namespace fortunara {

class ArchiveLock;

// Saving an entered draw: the date checked, the record text built, the newest records searched
// for the same date, then the record replaced or appended.

// How many of the newest records the save searches for the same date.
inline constexpr int kDuplicateScanDepth = 105;

// The question for each record of the newest that has the date already.
inline constexpr const char* kReplaceQuestion = "LA DATA E' GIA' PRESENTE !!!!  SOSTITUISCO ?";
inline constexpr const char* kReplaceTitle = "ATTENZIONE !";

// The form of a date, as the messages about a date that cannot go into the archive tell it.
inline constexpr std::string_view kDateForm =
    "9 CARATTERI, GIORNO A DUE CIFRE, MESE GEN FEB MAR APR MAG GIU LUG AGO SET OTT NOV DIC, ANNO A QUATTRO CIFRE "
    "(PER ESEMPIO 12GEN2010)";

// "" when the date typed in the window's date box can go into the archive; otherwise the message.
std::string DateFault(std::string_view date);

// The record of an entered draw: the date, then each of the eight numbers (indices 1-8) as the
// last two characters of its text form: " 5" for 5, "45" for 45, " 0" for 0.
std::string EnteredDrawRecord(std::string_view date, const std::array<int, 11>& numbers);

struct DateMatches {
    std::string error;  // the archive could not be opened
    int recordCount = 0;
    std::vector<int> records;  // newest first, among the kDuplicateScanDepth newest records
};

// The records among the newest whose first nine characters are exactly the date.
DateMatches FindDateAmongNewest(const std::filesystem::path& programFolder, std::string_view date);

// Asks about each match in turn; the answer about the last one decides. Returns the record to
// replace, or 0 for an append.
int ChooseSaveTarget(const std::vector<int>& matches, const std::function<bool(int record)>& replace);

struct DrawWrite {
    std::string error;    // Italian; nothing was written when set
    int record = 0;       // the record written
    int recordCount = 0;  // records of the archive afterwards
    bool ok() const { return error.empty(); }
};

// What an append of a date would put out of order: the newest draw when its date is later, and a
// record older than the kDuplicateScanDepth newest that has the date already (which the save's
// search does not see).
struct AppendOrder {
    std::string error;  // the archive could not be opened
    int newer = 0;      // the newest record, when its date is later than the date; else 0
    std::string newerDate;
    int earlier = 0;  // the newest record with the date farther back than the newest ones; else 0
    bool InOrder() const { return newer == 0 && earlier == 0; }
};
AppendOrder CheckAppendOrder(const std::filesystem::path& programFolder, std::string_view date);

// What the user is told about such an append, one line for each reason ("L'ESTRAZIONE 4253 DEL
// 21AGO2026 E' PIU' RECENTE DEL 12GEN2010"); "" when the append is in order.
std::string AppendOrderText(const AppendOrder& order, std::string_view date);
inline constexpr const char* kAppendOrderQuestion = "AGGIUNGO LO STESSO LA NUOVA ESTRAZIONE IN CODA ALL'ARCHIVIO ?";

// Writes the record as record `target`, or appends it when target is 0, under the lock the caller
// holds (a lock not taken writes nothing). A replacement keeps the archive as it was in
// dati/estraz09.bak first; nothing is written when that fails. Any failure leaves the archive as it
// was. writeLimit: as for DrawArchive.
DrawWrite WriteDraw(const std::filesystem::path& programFolder, std::string_view record, int target,
                    const ArchiveLock& lock, std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
