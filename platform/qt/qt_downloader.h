#pragma once

#include <chrono>

#include "platform/api/downloader.h"

namespace fortunara {

// Downloads with Qt Network while a local event loop keeps the windows painted. The data go
// to a temporary file beside the target, which replaces the target only when all arrived.
class QtDownloader : public Downloader {
public:
    // A download that receives nothing for this long fails.
    explicit QtDownloader(std::chrono::milliseconds idleTimeout = std::chrono::seconds(60))
        : idleTimeout_(idleTimeout) {}

    bool Download(const std::string& url, const std::filesystem::path& target, const Progress& progress) override;

private:
    std::chrono::milliseconds idleTimeout_;
};

}  // namespace fortunara
