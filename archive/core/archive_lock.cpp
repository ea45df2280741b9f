#include "archive/core/archive_lock.h"

#include <optional>
#include <system_error>
#include <thread>

#include "archive/core/draw_archive.h"
#include "platform/text/file_lock.h"
#include "platform/text/file_replacement.h"

namespace fortunara {

namespace fs = std::filesystem;

ArchiveLock::ArchiveLock(const fs::path& programFolder, std::chrono::milliseconds wait) {
    const fs::path archive = DrawArchive::ArchivePath(programFolder);
    std::error_code ec;
    fs::create_directories(archive.parent_path(), ec);
    const fs::path target = FollowLinks(archive).value_or(archive);
    const fs::path file = target.parent_path() / ("." + target.filename().string() + ".lock");
    lock_ = std::make_unique<FileLock>(file);
    if (!lock_->opened()) {
        error_ = "L'ARCHIVIO NON SI PUO' SCRIVERE: IMPOSSIBILE CREARE IL FILE " + file.string() +
                 ". NON E' STATO SCRITTO NIENTE";
        return;
    }
    constexpr std::chrono::milliseconds kPause{25};
    const auto end = std::chrono::steady_clock::now() + wait;
    while (!lock_->TryLock()) {
        if (std::chrono::steady_clock::now() >= end) {
            error_ =
                "L'ARCHIVIO E' IN USO: UN ALTRO PROGRAMMA LO STA AGGIORNANDO. RIPROVA FRA POCO: NON E' STATO "
                "SCRITTO NIENTE";
            return;
        }
        std::this_thread::sleep_for(kPause);
    }
}

ArchiveLock::~ArchiveLock() = default;

}  // namespace fortunara
