#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "archive/core/draw_archive.h"
#include "statistics/core/scan_range.h"

namespace fortunara::bench {

// A private copy of the bundled archive as a program folder, removed at the end.
class BundledArchive {
public:
    BundledArchive() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("fortunara-bench-" + std::to_string(random()));
        std::filesystem::create_directories(folder_ / "dati");
        std::filesystem::copy_file(std::filesystem::path(FORTUNARA_ASSETS) / "dati" / "estraz09.txt",
                                   folder_ / "dati" / "estraz09.txt");
        DrawArchive archive(folder_);
        archive.OpenDrawArchive();
        count_ = archive.RecordCount();
    }
    ~BundledArchive() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    BundledArchive(const BundledArchive&) = delete;
    BundledArchive& operator=(const BundledArchive&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    // From the newest draw down to record 1.
    ScanRange Whole() const { return {count_, 1}; }
    int Count() const { return count_; }

private:
    std::filesystem::path folder_;
    int count_ = 0;
};

// The one copy a benchmark program uses.
inline const BundledArchive& Archive() {
    static const BundledArchive archive;
    return archive;
}

}  // namespace fortunara::bench
