#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

#include "archive/windows/archive_views.h"
#include "platform/api/platform.h"
#include "state/program_state.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace fortunara {

// "DOWNLOAD ESTRAZIONI AGGIORNATE", opened modal by "Aggiorna in Internet": downloads a fresh copy
// of the whole archive from the address in its box, checks it and only then puts it in place of
// the archive; starts the updater program beside the program.
class Form45 : public QWidget {
    Q_OBJECT

public:
    Form45(ProgramState& state, Platform& platform, ArchiveViews views, QWidget* parent = nullptr);

    // Whether a download is under way (its event loop keeps the window working meanwhile).
    bool Downloading() const { return downloading_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Update();
    void Download();
    // Checks the copy and writes it over the archive, under the archive's lock. Returns "" when it
    // did (copyCount is then its draws), else what the user is told.
    std::string Install(const std::filesystem::path& copy, int& copyCount);
    void ShowProgress(std::int64_t received, std::int64_t total);
    void OpenWebPage();
    void StartUpdater();
    void Tell(const std::string& text, DialogIcon icon);
    void RememberAddress();

    ProgramState& state_;
    Platform& platform_;
    ArchiveViews views_;
    QLabel* lblIndirizzo;
    QLineEdit* txtIndirizzo;
    QPushButton* Command3D14;  // "AGGIORNA"
    QPushButton* SSCommand1;   // "PAGE WEB"
    QPushButton* SSCommand2;   // "COPIA/INCOLLA"
    QProgressBar* ProgressBar1;
    QPushButton* cmdAnnulla;  // "ANNULLA"
    bool downloading_ = false;
};

}  // namespace fortunara
