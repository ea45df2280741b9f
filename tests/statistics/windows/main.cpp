#include <QApplication>
#include <QTest>

#include "tests/statistics/windows/window_tests.h"
#include "tests/windows/window_test_main.h"
#include "ui/look.h"

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::SearchTabTest search;
        fortunara::test::StatisticsForecastTest statistics;
        fortunara::test::MatrixListTest matrixList;
        fortunara::test::GraficoTest grafico;
        int failed = QTest::qExec(&search, count, arguments);
        failed += QTest::qExec(&statistics, count, arguments);
        failed += QTest::qExec(&matrixList, count, arguments);
        failed += QTest::qExec(&grafico, count, arguments);
        return failed;
    });
}
