// What the buttons of the download window do.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "archive/core/address_settings.h"
#include "archive/core/archive_download.h"
#include "archive/core/archive_lock.h"
#include "archive/core/draw_archive.h"
#include "archive/windows/form45.h"

namespace fortunara {

namespace {

const std::string kDownloadFailed = "Errore durante il download!";
const std::string kArchiveKept = "L'ARCHIVIO ATTUALE E' RIMASTO COM'ERA";

}  // namespace

void Form45::Tell(const std::string& text, DialogIcon icon) {
    platform_.dialogs.Message(text, "DOWNLOAD ESTRAZIONI AGGIORNATE", DialogButtons::Ok, icon);
}

void Form45::RememberAddress() {
    ArchiveAddresses addresses = ReadAddresses(state_.programFolder);
    const std::string typed = txtIndirizzo->text().trimmed().toStdString();
    if (addresses.archiveFile == typed) return;
    addresses.archiveFile = typed;
    WriteAddresses(state_.programFolder, addresses);
}

void Form45::Update() {
    if (txtIndirizzo->text().trimmed().isEmpty()) return Tell(kNoArchiveFile, DialogIcon::Warning);
    RememberAddress();
    Command3D14->setCursor(Qt::BusyCursor);
    Download();
    Command3D14->setCursor(Qt::PointingHandCursor);
    hide();
}

void Form45::ShowProgress(std::int64_t received, std::int64_t total) {
    if (total <= 0) {
        ProgressBar1->setRange(0, 0);  // the server does not say how much: a moving bar
        return;
    }
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(static_cast<int>(received * 100 / total));
}

void Form45::Download() {
    // A copy of this download's own, removed however the download ends.
    const TemporaryFile copy(DrawArchive::ArchivePath(state_.programFolder));
    if (!copy.ok())
        return Tell(kDownloadFailed + "\n" + NoArchiveCopyError(state_.programFolder), DialogIcon::Critical);
    downloading_ = true;
    Command3D14->setEnabled(false);
    cmdAnnulla->setEnabled(true);
    ProgressBar1->setValue(0);
    const DownloadResult fetched =
        FetchArchiveCopy(platform_.downloader, txtIndirizzo->text().trimmed().toStdString(), copy.path(),
                         [this](std::int64_t received, std::int64_t total) { ShowProgress(received, total); });
    downloading_ = false;
    cmdAnnulla->setEnabled(false);
    Command3D14->setEnabled(true);
    if (!fetched.ok) return Tell(kDownloadFailed + "\n" + fetched.error, DialogIcon::Critical);
    int copyCount = 0;
    if (const std::string failure = Install(copy.path(), copyCount); !failure.empty()) {
        return Tell(failure, failure == kArchiveKept ? DialogIcon::Information : DialogIcon::Critical);
    }
    state_.RecordCount = copyCount;
    if (views_.archiveReplaced) views_.archiveReplaced();
    Tell("Download completato con successo", DialogIcon::Information);
}

std::string Form45::Install(const std::filesystem::path& copy, int& copyCount) {
    // From the check to the write no other writer may change the archive.
    const ArchiveLock lock(state_.programFolder);
    if (!lock.ok()) return kDownloadFailed + "\n" + lock.Error();
    const ArchiveCopyCheck check = CheckArchiveCopy(state_.programFolder, copy);
    if (!check.ok()) return kDownloadFailed + "\n" + check.error;
    if (check.NeedsConfirmation() &&
        platform_.dialogs.Message(ReplacementQuestion(check), "ATTENZIONE !", DialogButtons::YesNoDefaultNo,
                                  DialogIcon::Question) != DialogAnswer::Yes) {
        return kArchiveKept;
    }
    if (const std::string error = InstallArchiveCopy(state_.programFolder, copy, lock); !error.empty()) {
        return kDownloadFailed + "\n" + error;
    }
    copyCount = check.copyCount;
    return {};
}

void Form45::OpenWebPage() {
    const std::string page = ReadAddresses(state_.programFolder).resultsPage;
    if (page.empty()) {
        return Tell(std::string(kNoResultsPage) + " DELLA FINESTRA \"Copia da Internet\"", DialogIcon::Warning);
    }
    if (!platform_.launcher.OpenAddress(page)) {
        Tell("IMPOSSIBILE APRIRE LA PAGINA " + page + " NEL BROWSER", DialogIcon::Warning);
    }
}

void Form45::StartUpdater() {
    const std::filesystem::path updater = UpdaterProgram(state_.programFolder);
    if (updater.empty()) {
        return Tell("IL PROGRAMMA DI AGGIORNAMENTO rinfresco.exe NON E' INSTALLATO NELLA CARTELLA DEL PROGRAMMA",
                    DialogIcon::Information);
    }
    if (!platform_.launcher.StartProgram(updater, {})) {
        Tell("IMPOSSIBILE AVVIARE IL PROGRAMMA DI AGGIORNAMENTO " + updater.string(), DialogIcon::Warning);
    }
}

}  // namespace fortunara
