#include "archive/core/archive_verification.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "archive/core/archive_date.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "archive/core/draw_scan.h"
#include "archive/core/record_checks.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

constexpr std::size_t kRecord = kDrawRecordLength;

bool IsBlank(std::string_view record) {
    return record.find_first_not_of(' ') == std::string_view::npos;
}

// The first record of each date seen. The dates that come in order (an archive's own order) make a
// sorted run, one append each; the others wait in a map and join the run in one merge once they
// are many, so a key costs a few bytes and a lookup stays logarithmic whatever the order.
class FirstRecordOfDate {
public:
    // The first record seen with the key, or 0 after taking `record` as that record.
    int FirstOrAdd(int key, int record) {
        const auto at = std::lower_bound(run_.begin(), run_.end(), std::pair(key, 0));
        if (at != run_.end() && at->first == key) return at->second;
        if (const auto other = others_.find(key); other != others_.end()) return other->second;
        if (run_.empty() || key > run_.back().first) {
            run_.emplace_back(key, record);
        } else {
            others_.emplace(key, record);
            if (others_.size() >= std::max<std::size_t>(4096, run_.size() / 16)) Merge();
        }
        return 0;
    }

private:
    void Merge() {
        std::vector<std::pair<int, int>> merged;
        merged.reserve(run_.size() + others_.size());
        std::merge(run_.begin(), run_.end(), others_.begin(), others_.end(), std::back_inserter(merged),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
        run_ = std::move(merged);
        others_.clear();
    }

    std::vector<std::pair<int, int>> run_;
    std::map<int, int> others_;
};

// The checks of VerifyArchive record by record, in the order of the file.
class ArchiveVerifier {
public:
    explicit ArchiveVerifier(const ArchiveFindingVisitor& onFinding) : onFinding_(onFinding) {}

    void Record(std::string_view record) {
        const int k = ++records_;
        if (IsBlank(record)) {
            onFinding_({k, "ESTRAZIONE VUOTA"});
            return;
        }
        for (std::string& fault : RecordFaults(record)) onFinding_({k, std::move(fault)});
        const std::string_view date = record.substr(0, kDateLength);
        const int key = ArchiveDateKey(date);
        if (key == 0) return;
        if (const int first = seen_.FirstOrAdd(key, k); first != 0) {
            onFinding_({k, "DATA RIPETUTA: " + std::string(date) + " (COME L'ESTRAZIONE " + Plain(first) + ")"});
        } else if (key < previousKey_) {
            onFinding_({k, "DATA FUORI ORDINE: " + std::string(date) + " DOPO " + previousDate_});
        }
        previousKey_ = key;
        previousDate_ = date;
    }

    // The bytes after the last whole record: from 13 a record cut short, below that a fragment no
    // reader sees.
    void Tail(std::string_view tail) {
        if (tail.size() > kRecord / 2) {
            onFinding_({++records_, "ESTRAZIONE INCOMPLETA: " + Plain(static_cast<long long>(tail.size())) +
                                        " CARATTERI SU " + Plain(kDrawRecordLength)});
        } else if (!tail.empty()) {
            onFinding_({records_ + 1, "FRAMMENTO DI " + Plain(static_cast<long long>(tail.size())) +
                                          " CARATTERI DOPO L'ULTIMA ESTRAZIONE"});
        }
    }

private:
    const ArchiveFindingVisitor& onFinding_;
    int records_ = 0;
    FirstRecordOfDate seen_;
    int previousKey_ = 0;
    std::string previousDate_;
};

}  // namespace

std::vector<ArchiveFinding> VerifyArchive(std::string_view bytes) {
    std::vector<ArchiveFinding> findings;
    const ArchiveFindingVisitor keep = [&findings](const ArchiveFinding& finding) { findings.push_back(finding); };
    ArchiveVerifier verifier(keep);
    const std::size_t whole = bytes.size() / kRecord;
    for (std::size_t i = 0; i < whole; ++i) verifier.Record(bytes.substr(i * kRecord, kRecord));
    verifier.Tail(bytes.substr(whole * kRecord));
    return findings;
}

std::string VerifyArchiveFile(const std::filesystem::path& file, const ArchiveFindingVisitor& onFinding) {
    std::string unreadable = "IMPOSSIBILE LEGGERE IL FILE " + file.string();
    std::error_code kind;
    std::ifstream in;
    if (std::filesystem::is_regular_file(file, kind)) in.open(file, std::ios::binary);
    if (!in.is_open()) return unreadable;
    ArchiveVerifier verifier(onFinding);
    std::string block(kScanBlockRecords * kRecord, '\0');
    std::size_t held = 0;  // bytes of a record the last read cut, kept at the front of the block
    while (in) {
        in.read(block.data() + held, static_cast<std::streamsize>(block.size() - held));
        held += static_cast<std::size_t>(in.gcount());
        const std::size_t whole = held / kRecord;
        for (std::size_t i = 0; i < whole; ++i) verifier.Record(std::string_view(block).substr(i * kRecord, kRecord));
        std::copy(block.begin() + static_cast<std::ptrdiff_t>(whole * kRecord),
                  block.begin() + static_cast<std::ptrdiff_t>(held), block.begin());
        held -= whole * kRecord;
    }
    if (in.bad()) return unreadable;
    verifier.Tail(std::string_view(block).substr(0, held));
    return {};
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
