// Renders each tab of the system window to PNG files, with a developed system in the grid.
// Usage: sistemi-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it offscreen).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/core/program_folder.h"
#include "app/startup/startup.h"
#include "app/windows/look.h"
#include "archive/core/draw_archive.h"
#include "platform/api/platform.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/sistemi_launcher.h"

namespace {

using namespace fortunara;

// A silent machine: nothing printed, no sounds, no desktop; dialogs answer OK or nothing.
class SilentPrinter : public Printer {
public:
    bool ChoosePrinter() override { return false; }

protected:
    void Deliver(const PrintJob&) override {}
};

class SilentDialogs : public Dialogs {
public:
    DialogAnswer Message(const std::string&, const std::string&, DialogButtons, DialogIcon) override {
        return DialogAnswer::Ok;
    }
    std::string Input(const std::string&, const std::string&, const std::string&, int, int) override { return {}; }
    std::string OpenFile(const std::string&, const std::string& initial, const std::string&) override {
        return initial;
    }
    std::string SaveFile(const std::string&, const std::string& initial, const std::string&) override {
        return initial;
    }
};

class SilentClipboard : public Clipboard {
public:
    void Clear() override {}
    void SetText(const std::string&) override {}
    std::string Text() const override { return {}; }
};

class SilentSounds : public Sounds {
public:
    void SetFile(const std::string&, const std::filesystem::path&) override {}
    void Command(const std::string&, const std::string&) override {}
    void PlayWave(const std::filesystem::path&) override {}
};

class SilentLauncher : public Launcher {
public:
    bool OpenAddress(const std::string&) override { return false; }
    bool OpenTextFile(const std::filesystem::path&) override { return false; }
    bool StartProgram(const std::filesystem::path&, const std::vector<std::string>&) override { return false; }
};

class SilentDownloader : public Downloader {
public:
    bool Download(const std::string&, const std::filesystem::path&, const Progress&) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: sistemi-screenshots CARTELLA_PROGRAMMA CARTELLA_IMMAGINI\n");
        return 2;
    }
    ApplyLook(application);
    const std::filesystem::path folder = argv[1];
    const FolderFillResult filled = FillProgramFolder(folder, BundledAssets());
    if (!filled.ok()) {
        std::fprintf(stderr, "%s\n", filled.error.c_str());
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(output.path());

    ProgramState state;
    state.programFolder = folder;
    DrawArchive archive(folder);
    if (archive.OpenDrawArchive()) state.RecordCount = archive.RecordCount();
    archive.CloseDrawArchive();
    SilentPrinter printer;
    SilentDialogs dialogs;
    SilentClipboard clipboard;
    SilentSounds sounds;
    SilentLauncher launcher;
    SilentDownloader downloader;
    Platform platform{printer, dialogs, clipboard, sounds, launcher, downloader};

    // Twelve numbers, reduced "    n - 2", conditioned on an even count of 2 to 4.
    SistemiLauncher sistemi(state, platform);
    std::unique_ptr<Sistemi> window(sistemi.Make(nullptr));
    window->HandOverNumbers(12, {3, 8, 14, 21, 27, 33, 45, 52, 58, 66, 71, 84});
    window->OptionButton1[2]->click();
    window->CheckBox5->setChecked(true);
    for (int even : {2, 3, 4}) window->checkbox2[static_cast<std::size_t>(even)]->setChecked(true);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return 1;
    window->CommandButton11->click();
    if (!QTest::qWaitFor([&] { return !window->Running(); }, 10000)) return 1;

    for (int tab = 0; tab < window->SSTab1->count(); ++tab) {
        window->SSTab1->setCurrentIndex(tab);
        QTest::qWait(50);
        const QString file = output.filePath(QString("sistemi-%1.png").arg(tab));
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
