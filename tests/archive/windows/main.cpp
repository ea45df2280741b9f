#include <QApplication>
#include <QTest>

#include "tests/archive/windows/archive_window_tests.h"
#include "tests/windows/window_test_main.h"
#include "ui/look.h"

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::UpkeepTabTest upkeep;
        fortunara::test::BrowserTest browser;
        fortunara::test::Form45Test download;
        int failed = QTest::qExec(&upkeep, count, arguments);
        failed += QTest::qExec(&browser, count, arguments);
        failed += QTest::qExec(&download, count, arguments);
        return failed;
    });
}
