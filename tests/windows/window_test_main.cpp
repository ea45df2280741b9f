// The shared main of the window tests: same platform, locale, style and fonts everywhere.
#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QStyleFactory>

#include "tests/windows/window_test_main.h"

namespace fortunara::test {

int RunWindowTests(int argc, char** argv, const std::function<int(int, char**)>& run) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(QFont("DejaVu Sans", 9));
    return run(argc, argv);
}

}  // namespace fortunara::test
