#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/api/downloader.h"

namespace fortunara::test {

// Serves the scripted bytes for every download, or fails with `error` when none are scripted; a
// failed download leaves the target untouched, like the real one.
class FakeDownloader : public Downloader {
public:
    struct Request {
        std::string url;
        std::filesystem::path target;
    };

    DownloadResult Download(const std::string& url, const std::filesystem::path& target,
                            const Progress& progress) override;
    void Cancel() override { ++cancels; }

    std::optional<std::string> bytes;
    std::string error = "CONNESSIONE NON RIUSCITA";
    std::vector<Request> requests;
    int cancels = 0;
};

}  // namespace fortunara::test
