#include <QTest>

#include "tests/systems/windows/sistemi_tests.h"
#include "tests/windows/window_test_main.h"

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::test::SistemiEntryTest entry;
        fortunara::test::SistemiDevelopmentTest development;
        fortunara::test::SistemiOutputTest output;
        fortunara::test::GaranzieTest guarantees;
        int failures = QTest::qExec(&entry, count, arguments);
        failures += QTest::qExec(&development, count, arguments);
        failures += QTest::qExec(&output, count, arguments);
        failures += QTest::qExec(&guarantees, count, arguments);
        return failures;
    });
}
