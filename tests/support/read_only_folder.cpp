#include "tests/support/read_only_folder.h"

#include <sys/fsuid.h>

namespace fortunara::test {

namespace fs = std::filesystem;

namespace {

// Linux's "nobody": owns nothing in the test folders, and may read what everyone may read.
constexpr unsigned kNobody = 65534;

void ForEachEntry(const fs::path& folder, fs::perms perms, fs::perm_options how) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_symlink(ec)) fs::permissions(it->path(), perms, how, ec);
    }
    fs::permissions(folder, perms, how, ec);
}

constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

}  // namespace

// The file rights of a thread (setfsuid) change for that thread alone, so the other threads of the
// test program, and the folder's cleaning afterwards, keep theirs.
ReadOnlyFolder::ReadOnlyFolder(fs::path folder) : folder_(std::move(folder)) {
    ForEachEntry(folder_, kWrite, fs::perm_options::remove);
    previousGroup_ = static_cast<unsigned>(setfsgid(kNobody));
    previousUser_ = static_cast<unsigned>(setfsuid(kNobody));
}

ReadOnlyFolder::~ReadOnlyFolder() {
    setfsuid(previousUser_);
    setfsgid(previousGroup_);
    ForEachEntry(folder_, fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace fortunara::test
