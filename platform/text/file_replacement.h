#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string_view>

namespace fortunara {

inline constexpr std::uintmax_t kNoWriteLimit = std::numeric_limits<std::uintmax_t>::max();

// Replaces a file as a whole, so that a failure never leaves half a file. The new content goes to
// a temporary file of its own beside the file; Commit flushes it to the disk, gives it the old
// file's permissions and renames it over the file. Until then the old file stays as it was, and a
// replacement that is not committed (a write failed, or the caller gave up) removes its temporary
// file. A symbolic link is followed: the file it points to is replaced, the link stays.
class FileReplacement {
public:
    // The writes fail once writeLimit bytes are written, as on a full disk: the seam for tests.
    explicit FileReplacement(const std::filesystem::path& file, std::uintmax_t writeLimit = kNoWriteLimit);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False as soon as anything failed: the temporary file, a write, the flush, the close or the rename.
    bool ok() const { return !failed_; }
    bool Write(std::string_view bytes);
    // Puts the new content in place of the file. Returns false, leaving the old file untouched,
    // when any step failed.
    bool Commit();

private:
    void Fail();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* out_ = nullptr;
    std::uintmax_t room_;
    bool failed_ = false;
    bool committed_ = false;
};

// Copies a file through a FileReplacement: the copy is there whole or not at all.
bool CopyWholeFile(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
