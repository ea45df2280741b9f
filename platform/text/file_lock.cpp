#include "platform/text/file_lock.h"

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace fortunara {

// The lock belongs to the open file (flock, LockFileEx), not to the process as record locks do, so
// two threads of one program exclude each other as two programs do.
#if defined(_WIN32)

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

HANDLE Open(const std::filesystem::path& file, DWORD access, DWORD disposition) {
    return CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& file) {
    HANDLE handle = Open(file, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (handle == INVALID_HANDLE_VALUE) handle = Open(file, GENERIC_READ, OPEN_EXISTING);
    handle_ = reinterpret_cast<std::intptr_t>(handle);
}

FileLock::~FileLock() {
    if (!opened()) return;
    OVERLAPPED start{};
    if (locked_) UnlockFileEx(AsHandle(handle_), 0, 1, 0, &start);
    CloseHandle(AsHandle(handle_));
}

bool FileLock::opened() const {
    return AsHandle(handle_) != INVALID_HANDLE_VALUE;
}

bool FileLock::TryLock() {
    if (!opened()) return false;
    OVERLAPPED start{};
    locked_ =
        locked_ || LockFileEx(AsHandle(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start);
    return locked_;
}

#else

FileLock::FileLock(const std::filesystem::path& file) {
    int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    handle_ = fd;
}

FileLock::~FileLock() {
    if (!opened()) return;
    if (locked_) flock(static_cast<int>(handle_), LOCK_UN);
    close(static_cast<int>(handle_));
}

bool FileLock::opened() const {
    return handle_ >= 0;
}

bool FileLock::TryLock() {
    if (!opened()) return false;
    locked_ = locked_ || flock(static_cast<int>(handle_), LOCK_EX | LOCK_NB) == 0;
    return locked_;
}

#endif

}  // namespace fortunara
