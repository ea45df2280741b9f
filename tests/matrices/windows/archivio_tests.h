#pragma once

#include <QObject>

namespace fortunara::test {

// The tab "Sistemi Presenti" and the window's controls, also opened from the main window.
class ArchivioLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheMainWindowOnTheBundledLibrary();
    void buttonsPageThroughMoreThanSixteen();
    void aMatrixButtonOpensTheCheckWindowOnItsMatrix();
};

// The tab "Nuovo Sistema": a matrix typed in, its comments, the text editor.
class ArchivioEditorTest : public QObject {
    Q_OBJECT

private slots:
    void typedMatrixIsWrittenAndRegistered();
    void refusalsWriteNothing();
    void cancelledEntryStaysUnregistered();
};

}  // namespace fortunara::test
