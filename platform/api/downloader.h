#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace fortunara {

struct DownloadResult {
    bool ok = false;
    bool cancelled = false;  // stopped by Cancel()
    std::string error;       // Italian, why it failed: no connection, the server's answer, ...
};

// Downloads an address into a local file. The file is replaced only when the whole
// download succeeded; on failure the old file stays as it was.
class Downloader {
public:
    // Bytes received and the total (-1 when the server does not say).
    using Progress = std::function<void(std::int64_t received, std::int64_t total)>;

    virtual ~Downloader() = default;
    virtual DownloadResult Download(const std::string& url, const std::filesystem::path& target,
                                    const Progress& progress) = 0;
    // Stops the download under way, from a handler that runs while it waits (a cancel button).
    virtual void Cancel() = 0;
};

}  // namespace fortunara
