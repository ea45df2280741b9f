#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/api/downloader.h"

namespace fortunara::test {

// Serves the scripted bytes for every download, or fails when none are scripted; a failed
// download leaves the target untouched, like the real one.
class FakeDownloader : public Downloader {
public:
    struct Request {
        std::string url;
        std::filesystem::path target;
    };

    bool Download(const std::string& url, const std::filesystem::path& target, const Progress& progress) override;

    std::optional<std::string> bytes;
    std::vector<Request> requests;
};

}  // namespace fortunara::test
