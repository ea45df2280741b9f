#include "tools/screenshots/shot_support.h"

#include <QApplication>
#include <cstdio>

#include "app/program/program_folder.h"
#include "archive/core/draw_archive.h"
#include "ui/look.h"

namespace fortunara::shots {

bool StartSession(int argc, char** argv, const char* program, ShotSession& session) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s CARTELLA_PROGRAMMA CARTELLA_IMMAGINI\n", program);
        return false;
    }
    const std::filesystem::path folder = argv[1];
    // The screenshot programs run from the build tree, on the sources' files.
    const FolderFillResult filled = FillProgramFolder(folder, FORTUNARA_SOURCE_ASSETS);
    if (!filled.ok()) {
        std::fprintf(stderr, "%s\n", filled.error.c_str());
        return false;
    }
    session.state.programFolder = folder;
    DrawArchive archive(folder);
    if (archive.OpenDrawArchive()) session.state.RecordCount = archive.RecordCount();
    session.output = QDir(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(session.output.path());
    return true;
}

int RunShots(int argc, char** argv, const char* program, const std::function<bool(ShotSession&)>& shoot) {
    QApplication application(argc, argv);
    ApplyLook(application);
    ShotSession session;
    if (!StartSession(argc, argv, program, session)) return 2;
    return shoot(session) ? 0 : 1;
}

bool SaveShot(QWidget& widget, const ShotSession& session, const QString& name) {
    const QString file = session.output.filePath(name + ".png");
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace fortunara::shots
