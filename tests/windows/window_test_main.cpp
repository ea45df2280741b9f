// The shared main of the window tests: same platform, screen, locale, style and fonts everywhere.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLocale>
#include <QStyleFactory>
#include <QTest>

#include "tests/fakes/test_failure.h"
#include "tests/windows/window_test_main.h"

namespace fortunara::test {

namespace {

// The offscreen screen of every run: 1366 x 768 at 96 dpi, the smallest screen the windows are
// laid out for. Under QT_SCALE_FACTOR the screen has as many more pixels, so that the windows see
// the same 1366 x 768.
QString WriteScreenConfig() {
    const QString path =
        QDir::temp().filePath(QString("fortunara-schermo-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    bool given = false;
    const double read = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
    const double scale = given && read > 0 ? read : 1.0;
    file.write(QString(R"({"screens": [{"name": "Schermo", "x": 0, "y": 0, "width": %1, "height": %2,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(qRound(1366 * scale))
                   .arg(qRound(768 * scale))
                   .toUtf8());
    return path;
}

}  // namespace

int RunWindowTests(int argc, char** argv, const std::function<int(int, char**)>& run) {
    // FORTUNARA_TEST_PLATFORM=xcb runs on the X server of DISPLAY (a test started by xvfb-run).
    const QString platform = qEnvironmentVariable("FORTUNARA_TEST_PLATFORM");
    const QString config = platform.isEmpty() ? WriteScreenConfig() : QString();
    qputenv("QT_QPA_PLATFORM", (platform.isEmpty() ? "offscreen:configfile=" + config : platform).toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication application(argc, argv);
    QFile::remove(config);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(QFont("DejaVu Sans", 9));
    // A question or a modal window no test scripted fails the test function that caused it.
    SetFailureReporter([](const std::string& what) { QTest::qFail(what.c_str(), __FILE__, __LINE__); });
    return run(argc, argv);
}

}  // namespace fortunara::test
