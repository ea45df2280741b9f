#include <gtest/gtest.h>

#include <QApplication>

#include "tests/fakes/test_failure.h"

// The Qt implementations need an application object; tests run without a screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    fortunara::test::SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
    return RUN_ALL_TESTS();
}
