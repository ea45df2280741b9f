#include "platform/qt/qt_downloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <memory>

#include "platform/qt/qt_paths.h"

namespace fortunara {

bool QtDownloader::Download(const std::string& url, const std::filesystem::path& target, const Progress& progress) {
    const QUrl address(QString::fromStdString(url));
    if (!address.isValid()) return false;
    QSaveFile file(ToQString(target));
    if (!file.open(QIODevice::WriteOnly)) return false;

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(idleTimeout_);
    bool failed = false;
    std::int64_t stored = 0;
    const auto store = [&] {
        const qint64 written = file.write(reply->readAll());
        if (written < 0) {
            failed = true;
            reply->abort();
            return;
        }
        stored += written;
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        idle.start();
        store();
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        idle.start();
        if (progress) progress(received, total);
    });
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        failed = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    idle.start();
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    idle.stop();
    if (!failed) store();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (failed || reply->error() != QNetworkReply::NoError || (status.isValid() && status.toInt() >= 400)) {
        file.cancelWriting();
        return false;
    }
    // Local files finish without progress signals; the caller still sees the whole count.
    if (progress) progress(stored, stored);
    return file.commit();
}

}  // namespace fortunara
