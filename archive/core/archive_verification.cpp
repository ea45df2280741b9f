#include "archive/core/archive_verification.h"

#include <algorithm>
#include <map>

#include "archive/core/archive_date.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "archive/core/record_checks.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

constexpr std::size_t kRecord = kDrawRecordLength;

bool IsBlank(std::string_view record) {
    return record.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::vector<ArchiveFinding> VerifyArchive(std::string_view bytes) {
    std::vector<ArchiveFinding> findings;
    const std::size_t records = (bytes.size() + kRecord / 2) / kRecord;
    std::map<int, int> seen;  // date key -> first record with that date
    int previousKey = 0;
    std::string previousDate;
    for (std::size_t i = 0; i < records; ++i) {
        const int k = static_cast<int>(i) + 1;
        const std::string_view record = bytes.substr(i * kRecord, kRecord);
        if (record.size() < kRecord) {
            findings.push_back({k, "ESTRAZIONE INCOMPLETA: " + Plain(static_cast<long long>(record.size())) +
                                       " CARATTERI SU " + Plain(kDrawRecordLength)});
            continue;
        }
        if (IsBlank(record)) {
            findings.push_back({k, "ESTRAZIONE VUOTA"});
            continue;
        }
        for (std::string& fault : RecordFaults(record)) findings.push_back({k, std::move(fault)});
        const std::string date(record.substr(0, kDateLength));
        const int key = ArchiveDateKey(date);
        if (key == 0) continue;
        const auto [first, isNew] = seen.emplace(key, k);
        if (!isNew) {
            findings.push_back({k, "DATA RIPETUTA: " + date + " (COME L'ESTRAZIONE " + Plain(first->second) + ")"});
        } else if (key < previousKey) {
            findings.push_back({k, "DATA FUORI ORDINE: " + date + " DOPO " + previousDate});
        }
        previousKey = key;
        previousDate = date;
    }
    const std::size_t fragment = bytes.size() % kRecord;
    if (fragment != 0 && fragment <= kRecord / 2) {
        findings.push_back({static_cast<int>(records) + 1, "FRAMMENTO DI " + Plain(static_cast<long long>(fragment)) +
                                                               " CARATTERI DOPO L'ULTIMA ESTRAZIONE"});
    }
    return findings;
}

std::string ArchiveCopyFault(std::string_view bytes) {
    ArchiveCopyChecker checker;
    checker.Feed(bytes);
    return checker.Finish();
}

bool ArchiveCopyChecker::Check(std::string_view record) {
    if (records_ >= static_cast<std::uintmax_t>(kMostDrawRecords)) {
        fault_ = "IL FILE HA PIU' DI " + Grouped(kMostDrawRecords) + " ESTRAZIONI, PIU' DI QUANTE NE TIENE L'ARCHIVIO";
        return false;
    }
    const std::string fault = RecordFault(record);
    if (!fault.empty()) {
        fault_ =
            records_ == 0
                ? "IL FILE NON E' UN ARCHIVIO DELLE ESTRAZIONI: LA PRIMA ESTRAZIONE NON E' VALIDA (" + fault + ")"
                : "L'ESTRAZIONE " + Plain(static_cast<long long>(records_) + 1) + " DEL FILE NON E' VALIDA: " + fault;
        return false;
    }
    ++records_;
    return true;
}

bool ArchiveCopyChecker::Feed(std::string_view bytes) {
    if (!fault_.empty()) return false;
    if (!partial_.empty()) {
        const std::size_t missing = std::min(kRecord - partial_.size(), bytes.size());
        partial_.append(bytes.substr(0, missing));
        bytes.remove_prefix(missing);
        if (partial_.size() < kRecord) return true;
        if (!Check(partial_)) return false;
        partial_.clear();
    }
    for (; bytes.size() >= kRecord; bytes.remove_prefix(kRecord)) {
        if (!Check(bytes.substr(0, kRecord))) return false;
    }
    partial_ = std::string(bytes);
    return true;
}

std::string ArchiveCopyChecker::Finish() const {
    const std::string notAnArchive = "IL FILE NON E' UN ARCHIVIO DELLE ESTRAZIONI: ";
    const std::uintmax_t size = records_ * kRecord + partial_.size();
    if (fault_.empty() && size == 0) return notAnArchive + "E' VUOTO";
    if (fault_.empty() && !partial_.empty()) {
        return notAnArchive + "LA SUA LUNGHEZZA (" + Plain(static_cast<long long>(size)) +
               " BYTE) NON E' UN MULTIPLO DI 25";
    }
    return fault_;
}

}  // namespace fortunara
