#pragma once

#include <chrono>

#include "platform/api/downloader.h"

class QNetworkReply;

namespace fortunara {

// Downloads with Qt Network (HTTP, HTTPS and file addresses) while a local event loop keeps the
// windows painted and their buttons working, so that a cancel button can stop it. The data go to
// a temporary file beside the target, which replaces the target only when all arrived.
class QtDownloader : public Downloader {
public:
    // A download that receives nothing for this long fails.
    explicit QtDownloader(std::chrono::milliseconds idleTimeout = std::chrono::seconds(60))
        : idleTimeout_(idleTimeout) {}

    DownloadResult Download(const std::string& url, const std::filesystem::path& target,
                            const Progress& progress) override;
    void Cancel() override;

private:
    std::chrono::milliseconds idleTimeout_;
    QNetworkReply* running_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace fortunara
