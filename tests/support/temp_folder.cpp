#include "tests/support/temp_folder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace fortunara::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device random;
    const fs::path base = fs::temp_directory_path();
    do {
        path_ = base / ("fortunara-test-" + std::to_string(random()));
    } while (fs::exists(path_));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Make everything writable again so a test that locked a folder still cleans up.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TempFolder::WriteFile(const fs::path& relative, const std::string& bytes) const {
    fs::create_directories((path_ / relative).parent_path());
    std::ofstream out(path_ / relative, std::ios::binary);
    out << bytes;
}

void TempFolder::WriteArchive(const std::string& bytes) const {
    WriteFile(fs::path("dati") / "estraz09.txt", bytes);
}

void TempFolder::CopyFixture(const std::string& name, const fs::path& relative) const {
    fs::create_directories((path_ / relative).parent_path());
    fs::copy_file(TestData(name), path_ / relative, fs::copy_options::overwrite_existing);
}

std::string TempFolder::ReadFile(const fs::path& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path TestData(const std::string& name) {
    return fs::path(FORTUNARA_TEST_DATA) / name;
}
fs::path Assets() {
    return fs::path(FORTUNARA_ASSETS);
}
fs::path RealArchive() {
    return Assets() / "dati" / "estraz09.txt";
}

}  // namespace fortunara::test
