#include "platform/text/file_replacement.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fortunara {

namespace fs = std::filesystem;

namespace {

// Creates the file only when no file of that name exists, so a temporary file never takes the
// place of another one.
std::FILE* CreateNew(const fs::path& path) {
#if defined(_WIN32)
    return _wfopen(path.c_str(), L"wbx");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

// Hands what the stream holds to the system and waits until the system has it on the disk.
bool FlushToDisk(std::FILE* out) {
    if (std::fflush(out) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(out)) == 0;
#else
    return fsync(fileno(out)) == 0;
#endif
}

std::string RandomSuffix() {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::uint64_t value = generator();
    std::string suffix;
    for (int i = 0; i < 12; ++i, value >>= 4) suffix += kDigits[value & 0xF];
    return suffix;
}

constexpr std::size_t kSuffixDigits = 12;

// Creates a new file ".NAME.<suffix>.tmp" beside the target, open for writing; nullptr (and an
// empty path) when none could be created.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = target.parent_path() / ("." + target.filename().string() + "." + RandomSuffix() + ".tmp");
        errno = 0;
        if (std::FILE* out = CreateNew(temporary)) return out;
        if (errno != EEXIST) break;
    }
    temporary.clear();
    return nullptr;
}

}  // namespace

std::optional<fs::path> FollowLinks(fs::path path) {
    constexpr int kMostLinks = 40;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(path, ec)) return path;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::nullopt;
}

FileReplacement::FileReplacement(const fs::path& file, std::uintmax_t writeLimit) : room_(writeLimit) {
    const std::optional<fs::path> target = FollowLinks(file);
    if (!target) {
        failed_ = true;
        return;
    }
    target_ = *target;
    // ".estraz09.txt.3f9a0c61d2b7.tmp": hidden where the system hides dot files, and never the
    // name of a file of the user's or of another writer's temporary file.
    out_ = CreateTemporary(target_, temporary_);
    if (out_ == nullptr) failed_ = true;
}

FileReplacement::~FileReplacement() {
    if (!committed_) Fail();
}

void FileReplacement::Fail() {
    failed_ = true;
    if (out_ != nullptr) {
        std::fclose(out_);
        out_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
        temporary_.clear();
    }
}

bool FileReplacement::Write(std::string_view bytes) {
    if (failed_ || committed_) return false;
    const std::size_t fits = static_cast<std::size_t>(std::min<std::uintmax_t>(bytes.size(), room_));
    const std::size_t written = fits == 0 ? 0 : std::fwrite(bytes.data(), 1, fits, out_);
    room_ -= written;
    if (written < bytes.size()) {
        Fail();
        return false;
    }
    return true;
}

bool FileReplacement::Commit() {
    if (failed_ || committed_) return false;
    const bool flushed = FlushToDisk(out_);
    const bool closed = std::fclose(out_) == 0;
    out_ = nullptr;
    if (!flushed || !closed) {
        Fail();
        return false;
    }
    std::error_code ec;
    const fs::file_status old = fs::status(target_, ec);
    if (old.type() == fs::file_type::not_found) {
        ec.clear();  // a new file: the permissions the system gives new files
    } else if (!ec) {
        fs::permissions(temporary_, old.permissions(), fs::perm_options::replace, ec);
    }
    if (!ec) fs::rename(temporary_, target_, ec);
    if (ec) {
        Fail();
        return false;
    }
    temporary_.clear();
    committed_ = true;
    return true;
}

bool CopyInto(const fs::path& from, FileReplacement& out) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return false;
    std::array<char, 65536> block;
    while (out.ok() && in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0));
        out.Write(std::string_view(block.data(), got));
    }
    return !in.bad() && out.ok();
}

bool CopyWholeFile(const fs::path& from, const fs::path& to, std::uintmax_t writeLimit) {
    FileReplacement out(to, writeLimit);
    return CopyInto(from, out) && out.Commit();
}

TemporaryFile::TemporaryFile(const fs::path& file) {
    if (std::FILE* out = CreateTemporary(file, path_)) std::fclose(out);
}

TemporaryFile::~TemporaryFile() {
    std::error_code ignored;
    if (ok()) fs::remove(path_, ignored);
}

bool IsTemporaryFileName(const std::string& name) {
    constexpr std::string_view kEnd = ".tmp";
    // "." + at least one character of the name + "." + the digits + ".tmp"
    if (name.size() < 1 + 1 + 1 + kSuffixDigits + kEnd.size() || name.front() != '.') return false;
    if (name.compare(name.size() - kEnd.size(), kEnd.size(), kEnd) != 0) return false;
    const std::size_t digits = name.size() - kEnd.size() - kSuffixDigits;
    if (name[digits - 1] != '.') return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(digits), name.end() - kEnd.size(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

int RemoveStaleTemporaryFiles(const fs::path& folder, fs::file_time_type before) {
    int removed = 0;
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError) || it->is_symlink(fileError)) continue;
        if (!IsTemporaryFileName(it->path().filename().string())) continue;
        const fs::file_time_type written = it->last_write_time(fileError);
        if (fileError || written >= before) continue;
        if (fs::remove(it->path(), fileError)) ++removed;
    }
    return removed;
}

}  // namespace fortunara
