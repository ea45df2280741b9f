#include <QApplication>
#include <QTest>

#include "tests/checks/windows/checks_window_tests.h"
#include "tests/windows/window_test_main.h"
#include "ui/look.h"

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::PresentiTest presenti;
        fortunara::test::ControlloTest controllo;
        int failed = QTest::qExec(&presenti, count, arguments);
        failed += QTest::qExec(&controllo, count, arguments);
        return failed;
    });
}
