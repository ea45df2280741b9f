#pragma once

#include <filesystem>

namespace fortunara::test {

// While it lives, nothing in the folder can be written by the calling thread: the write bits of the
// folder and of everything in it are taken off, and where the tests run as root (whom write bits do
// not stop) the thread works with the file rights of an ordinary user. Reading stays as it was.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::filesystem::path folder_;
    unsigned previousUser_;
    unsigned previousGroup_;
};

}  // namespace fortunara::test
