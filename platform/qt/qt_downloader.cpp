#include "platform/qt/qt_downloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/text/file_replacement.h"

namespace fortunara {

bool QtDownloader::Download(const std::string& url, const std::filesystem::path& target, const Progress& progress) {
    const QUrl address(QString::fromStdString(url));
    if (!address.isValid()) return false;
    // The old file stays until the whole download is in.
    FileReplacement file(target);
    if (!file.ok()) return false;

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
        const QByteArray data = reply->readAll();
        if (!file.Write(std::string_view(data.constData(), static_cast<std::size_t>(data.size())))) {
            failed = true;
            reply->abort();
            return;
        }
        stored += data.size();
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
        return false;  // the replacement, never committed, removes what it wrote
    }
    // Local files finish without progress signals; the caller still sees the whole count.
    if (progress) progress(stored, stored);
    return file.Commit();
}

}  // namespace fortunara
