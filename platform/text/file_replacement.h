#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
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
    // What is left of the write limit: a writer of several files gives it to the next one, so that
    // the limit counts the bytes of the whole write.
    std::uintmax_t Room() const { return room_; }
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
// Writes every byte of the file into the replacement, a block at a time, without committing it.
bool CopyInto(const std::filesystem::path& from, FileReplacement& out);

// A new empty file of a name no other file has, beside `file`, named as FileReplacement names its
// temporary files; removed when the object goes. For content that is checked before it replaces a
// file, such as a downloaded archive: each run has a file of its own.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& file);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // False when no file could be created there; path() is then empty.
    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The file a chain of symbolic links ends at (the path itself when it is no link); none when the
// chain does not end.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path);

// Whether a file name is one the program gives its temporary files: ".NAME.<12 hex digits>.tmp".
bool IsTemporaryFileName(const std::string& name);

// Removes from the folder (not from the folders inside it) the program's temporary files last
// written before `before`: what a writer killed half-way left behind. No other file is touched.
// Returns how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder, std::filesystem::file_time_type before);

}  // namespace fortunara
