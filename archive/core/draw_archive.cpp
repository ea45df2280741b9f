#include "archive/core/draw_archive.h"

#include <algorithm>
#include <system_error>

#include "platform/text/number_text.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

// The file length over 25, rounded: a trailing fragment of 13 bytes or more counts as a record.
std::uintmax_t RecordsIn(std::uintmax_t length) {
    return length / kDrawRecordLength + (length % kDrawRecordLength >= (kDrawRecordLength + 1) / 2 ? 1 : 0);
}

}  // namespace

DrawArchive::DrawArchive(fs::path programFolder, std::uintmax_t writeLimit)
    : folder_(std::move(programFolder)), room_(writeLimit) {}

DrawArchive::~DrawArchive() {
    CloseDrawArchive();
}

fs::path DrawArchive::ArchivePath(const fs::path& programFolder) {
    return programFolder / "dati" / "estraz09.txt";
}

void DrawArchive::Fail(std::string message) {
    error_ = std::move(message);
}

bool DrawArchive::OpenDrawArchive() {
    CloseDrawArchive();
    error_.clear();
    const fs::path path = ArchivePath(folder_);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (!fs::exists(path, ec)) {
        std::ofstream create(path, std::ios::binary);
        if (!create) {
            Fail("IMPOSSIBILE CREARE L'ARCHIVIO " + path.string());
            return false;
        }
    }
    // A folder opens as a stream of nothing: it is no archive, and saying so beats showing none.
    if (fs::is_directory(path, ec)) {
        Fail("IMPOSSIBILE APRIRE L'ARCHIVIO " + path.string() + ": E' UNA CARTELLA");
        return false;
    }
    readOnly_ = false;
    file_.open(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file_.is_open()) {
        readOnly_ = true;
        file_.open(path, std::ios::in | std::ios::binary);
    }
    if (!file_.is_open()) {
        Fail("IMPOSSIBILE APRIRE L'ARCHIVIO " + path.string());
        return false;
    }
    file_.seekg(0, std::ios::end);
    const auto end = file_.tellg();
    length_ = end > 0 ? static_cast<std::uintmax_t>(end) : 0;
    if (RecordsIn(length_) > static_cast<std::uintmax_t>(kMostDrawRecords)) {
        CloseDrawArchive();
        length_ = 0;
        recordCount_ = 0;
        Fail("L'ARCHIVIO " + path.string() + " E' TROPPO GRANDE: PIU' DI " + Grouped(kMostDrawRecords) + " ESTRAZIONI");
        return false;
    }
    recordCount_ = static_cast<int>(RecordsIn(length_));
    return true;
}

void DrawArchive::CloseDrawArchive() {
    if (file_.is_open()) file_.close();
    file_.clear();
}

std::string DrawArchive::ReadDrawRecord(int k) {
    if (!file_.is_open() || k < 1 || k > recordCount_) return {};
    std::vector<std::string> one = ReadDrawRecords(k, k);
    return one.empty() ? std::string() : one.front();
}

std::string DrawArchive::ReadBlock(int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, recordCount_);
    if (!file_.is_open() || first > last) return {};
    const std::uintmax_t offset = static_cast<std::uintmax_t>(first - 1) * kDrawRecordLength;
    const std::uintmax_t wanted = static_cast<std::uintmax_t>(last - first + 1) * kDrawRecordLength;
    std::string block = ReadBytes(offset, std::min(wanted, length_ - offset));
    block.resize(wanted, ' ');  // a partial last record reads as if padded with blanks
    return block;
}

std::string DrawArchive::ReadBytes(std::uintmax_t offset, std::uintmax_t count) {
    std::string bytes(static_cast<std::size_t>(count), ' ');
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    file_.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(file_.gcount(), 0)));
    return bytes;
}

std::vector<std::string> DrawArchive::ReadDrawRecords(int first, int last) {
    const std::string block = ReadBlock(first, last);
    std::vector<std::string> records;
    records.reserve(block.size() / kDrawRecordLength);
    for (std::size_t at = 0; at < block.size(); at += kDrawRecordLength) {
        records.push_back(block.substr(at, kDrawRecordLength));
    }
    return records;
}

std::vector<DrawRecord> DrawArchive::ReadDraws(int first, int last) {
    const std::string block = ReadBlock(first, last);
    std::vector<DrawRecord> draws;
    draws.reserve(block.size() / kDrawRecordLength);
    for (std::size_t at = 0; at < block.size(); at += kDrawRecordLength) {
        draws.push_back(ParseDrawRecord(std::string_view(block).substr(at, kDrawRecordLength)));
    }
    return draws;
}

bool DrawArchive::WriteDrawRecord(int k, std::string_view text) {
    if (!file_.is_open() || readOnly_) {
        Fail("L'ARCHIVIO NON SI PUO' SCRIVERE");
        return false;
    }
    if (k < 1 || k > recordCount_ + 1 || k > kMostDrawRecords) {
        Fail("NUMERO DI ESTRAZIONE NON VALIDO");
        return false;
    }
    std::string record(text.substr(0, std::min<std::size_t>(text.size(), kDrawRecordLength)));
    record.resize(kDrawRecordLength, ' ');
    const std::uintmax_t offset = static_cast<std::uintmax_t>(k - 1) * kDrawRecordLength;
    // Appending after a partial last record: that record is padded with blanks in the same write, so
    // the file never gets a hole of undefined bytes between the two.
    const std::uintmax_t at = std::min(offset, length_);
    const std::string bytes = std::string(static_cast<std::size_t>(offset - at), ' ') + record;
    // What the write covers of the file as it is (a record replaced, a fragment under 13 bytes).
    const std::string overwritten =
        length_ > at ? ReadBytes(at, std::min<std::uintmax_t>(bytes.size(), length_ - at)) : std::string();
    if (!WriteAt(at, bytes)) {
        // A full disk takes part of a write: half a record would read as a draw that never was.
        Fail(Restore(at, overwritten) ? "SCRITTURA DELL'ARCHIVIO NON RIUSCITA: L'ARCHIVIO E' RIMASTO COM'ERA"
                                      : "SCRITTURA DELL'ARCHIVIO NON RIUSCITA, E L'ARCHIVIO NON SI E' POTUTO RIPORTARE "
                                        "COM'ERA");
        return false;
    }
    length_ = std::max<std::uintmax_t>(length_, offset + kDrawRecordLength);
    recordCount_ = static_cast<int>(RecordsIn(length_));
    return true;
}

bool DrawArchive::WriteAt(std::uintmax_t offset, const std::string& bytes) {
    const auto fits = static_cast<std::size_t>(std::min<std::uintmax_t>(bytes.size(), room_));
    file_.clear();
    file_.seekp(static_cast<std::streamoff>(offset));
    file_.write(bytes.data(), static_cast<std::streamsize>(fits));
    file_.flush();
    room_ -= fits;
    return file_.good() && fits == bytes.size();
}

bool DrawArchive::Restore(std::uintmax_t offset, const std::string& overwritten) {
    // Closing first: the stream would otherwise write what it still holds of the failed write later.
    file_.close();
    file_.clear();
    const fs::path path = ArchivePath(folder_);
    bool restored = true;
    if (!overwritten.empty()) {
        std::fstream back(path, std::ios::in | std::ios::out | std::ios::binary);
        back.seekp(static_cast<std::streamoff>(offset));
        back.write(overwritten.data(), static_cast<std::streamsize>(overwritten.size()));
        back.flush();
        restored = back.good();
    }
    std::error_code ec;
    fs::resize_file(path, length_, ec);
    file_.open(path, std::ios::in | std::ios::out | std::ios::binary);
    return restored && !ec;
}

std::vector<DrawRecord> LoadDraws(const fs::path& programFolder, int first, int last) {
    DrawArchive archive(programFolder);
    std::vector<DrawRecord> draws;
    if (!archive.OpenDrawArchive()) return draws;
    draws = archive.ReadDraws(first, last);
    archive.CloseDrawArchive();
    return draws;
}

}  // namespace fortunara
