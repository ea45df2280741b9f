#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace fortunara {

class FileLock;

// How long a writer waits for another writer of the archive to finish before it gives up.
inline constexpr std::chrono::milliseconds kArchiveLockWait{1000};

// The advisory lock every writer of the archive (append, replacement, conversion, import,
// download), in the windows and on the command line, holds while it checks and writes, so that two
// writers never interleave. It is the file ".estraz09.txt.lock" beside the archive (beside the file
// a symbolic link points to), which stays. The writers of the archive take the lock as an argument.
class ArchiveLock {
public:
    explicit ArchiveLock(const std::filesystem::path& programFolder, std::chrono::milliseconds wait = kArchiveLockWait);
    ~ArchiveLock();
    ArchiveLock(const ArchiveLock&) = delete;
    ArchiveLock& operator=(const ArchiveLock&) = delete;

    bool ok() const { return error_.empty(); }
    // Why the lock was not taken, in Italian: a writer says it and writes nothing.
    const std::string& Error() const { return error_; }

private:
    std::unique_ptr<FileLock> lock_;
    std::string error_;
};

}  // namespace fortunara
