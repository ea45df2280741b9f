#include "tests/fakes/fake_downloader.h"

#include <cstdint>
#include <fstream>

namespace fortunara::test {

DownloadResult FakeDownloader::Download(const std::string& url, const std::filesystem::path& target,
                                        const Progress& progress) {
    requests.push_back({url, target});
    DownloadResult result;
    if (!bytes) {
        result.error = error;
        return result;
    }
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << *bytes;
    if (!out) {
        result.error = "IMPOSSIBILE SCRIVERE IL FILE " + target.string();
        return result;
    }
    const auto size = static_cast<std::int64_t>(bytes->size());
    if (progress) progress(size, size);
    result.ok = true;
    return result;
}

}  // namespace fortunara::test
