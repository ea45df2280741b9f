#pragma once

#include <cstdint>
#include <filesystem>

namespace fortunara {

// An advisory lock on a file, held from a successful TryLock until the object goes. Holders of a
// FileLock on the same file exclude each other, threads of one process as well as programs; a
// program that takes no lock is not stopped. The file is created when it is missing and stays.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& file);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when the file could be neither opened nor created.
    bool opened() const;
    // Takes the lock when nobody holds it; returns false at once otherwise.
    bool TryLock();

private:
    std::intptr_t handle_;  // a file descriptor, or a handle where the system has handles
    bool locked_ = false;
};

}  // namespace fortunara
