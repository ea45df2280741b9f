// Renders each tab of the main window to PNG files, on whatever platform Qt runs (the script uses
// the offscreen one). Usage: fortunara-screenshots PROGRAM_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "app/core/program_folder.h"
#include "app/core/program_state.h"
#include "app/startup/startup.h"
#include "app/windows/look.h"
#include "app/windows/module1.h"
#include "app/windows/program_hooks.h"
#include "app/windows/sestine.h"
#include "platform/api/platform.h"

namespace {

using namespace fortunara;

// A silent machine: no printer, no sounds, no desktop; dialogs answer OK.
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
    void Clear() override { text_.clear(); }
    void SetText(const std::string& text) override { text_ = text; }
    std::string Text() const override { return text_; }

private:
    std::string text_;
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
        std::fprintf(stderr, "uso: fortunara-screenshots CARTELLA_PROGRAMMA CARTELLA_IMMAGINI\n");
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
    SilentPrinter printer;
    SilentDialogs dialogs;
    SilentClipboard clipboard;
    SilentSounds sounds;
    SilentLauncher launcher;
    SilentDownloader downloader;
    Platform platform{printer, dialogs, clipboard, sounds, launcher, downloader};

    const std::unique_ptr<Sestine> window = Module1(state, platform, ProgramHooks(state, platform));
    if (!QTest::qWaitForWindowExposed(window.get())) return 1;
    for (int tab = 0; tab < window->Tabella()->count(); ++tab) {
        window->Tabella()->setCurrentIndex(tab);
        QTest::qWait(50);
        const QString file = output.filePath(QString("tab-%1.png").arg(tab));
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
