#include <QApplication>
#include <QTest>

#include "tests/matrices/windows/archivio_tests.h"
#include "tests/windows/window_test_main.h"
#include "ui/look.h"

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::ArchivioLibraryTest library;
        fortunara::test::ArchivioEditorTest editor;
        int failed = QTest::qExec(&library, count, arguments);
        failed += QTest::qExec(&editor, count, arguments);
        return failed;
    });
}
