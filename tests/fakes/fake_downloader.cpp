#include "tests/fakes/fake_downloader.h"

#include <cstdint>
#include <fstream>

namespace fortunara::test {

bool FakeDownloader::Download(const std::string& url, const std::filesystem::path& target, const Progress& progress) {
    requests.push_back({url, target});
    if (!bytes) return false;
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << *bytes;
    if (!out) return false;
    const auto size = static_cast<std::int64_t>(bytes->size());
    if (progress) progress(size, size);
    return true;
}

}  // namespace fortunara::test
