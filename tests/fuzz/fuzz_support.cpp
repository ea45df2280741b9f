#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/temp_folder.h"

namespace fortunara::fuzz {

namespace fs = std::filesystem;

void Broken(std::string_view promise, std::string_view detail) {
    std::fprintf(stderr, "PROMESSA NON MANTENUTA: %.*s\n%.*s\n", static_cast<int>(promise.size()), promise.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

const fs::path& Folder() {
    static const test::TempFolder folder;
    return folder.path();
}

const fs::path& FreshFolder() {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(Folder())) fs::remove_all(entry.path(), ec);
    return Folder();
}

std::string FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Snapshot TakeSnapshot(const fs::path& folder) {
    Snapshot files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().filename() != ".estraz09.txt.lock") {
            files[entry.path()] = FileBytes(entry.path());
        }
    }
    return files;
}

std::vector<std::string> Split(std::string_view input, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = input.find(separator, start);
        parts.emplace_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

}  // namespace fortunara::fuzz
