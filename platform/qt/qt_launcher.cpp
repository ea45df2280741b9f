#include "platform/qt/qt_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <system_error>

#include "platform/qt/qt_paths.h"

namespace fortunara {

bool QtLauncher::OpenAddress(const std::string& url) {
    // Addresses typed without a scheme ("www.example.it") are taken as web addresses.
    const QUrl address = QUrl::fromUserInput(QString::fromStdString(url));
    return address.isValid() && QDesktopServices::openUrl(address);
}

bool QtLauncher::OpenTextFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(std::filesystem::absolute(file, ec))));
}

bool QtLauncher::StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) list.append(QString::fromStdString(argument));
    return QProcess::startDetached(ToQString(program), list);
}

}  // namespace fortunara
