#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace fortunara {

// Downloads an address into a local file. The file is replaced only when the whole
// download succeeded; on failure the old file stays as it was.
class Downloader {
public:
    // Bytes received and the total (-1 when the server does not say).
    using Progress = std::function<void(std::int64_t received, std::int64_t total)>;

    virtual ~Downloader() = default;
    virtual bool Download(const std::string& url, const std::filesystem::path& target, const Progress& progress) = 0;
};

}  // namespace fortunara
