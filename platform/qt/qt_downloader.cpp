#include "platform/qt/qt_downloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <memory>

#include "platform/qt/qt_paths.h"
#include "platform/text/file_replacement.h"

namespace fortunara {

namespace {

// Why a reply failed, in the program's language; Qt's own text follows in brackets.
std::string ReplyError(const QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400) {
        const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return ("IL SERVER HA RISPOSTO " + QString::number(status.toInt()) + (reason.isEmpty() ? "" : " " + reason))
            .toStdString();
    }
    QString what;
    switch (reply.error()) {
        case QNetworkReply::HostNotFoundError:
            what = "SERVER NON TROVATO";
            break;
        case QNetworkReply::ConnectionRefusedError:
            what = "CONNESSIONE RIFIUTATA DAL SERVER";
            break;
        case QNetworkReply::RemoteHostClosedError:
            what = "CONNESSIONE INTERROTTA DAL SERVER";
            break;
        case QNetworkReply::TimeoutError:
            what = "NESSUNA RISPOSTA DAL SERVER";
            break;
        case QNetworkReply::SslHandshakeFailedError:
            what = "CONNESSIONE SICURA NON RIUSCITA";
            break;
        case QNetworkReply::ContentNotFoundError:
            what = "FILE NON TROVATO";
            break;
        case QNetworkReply::ProtocolUnknownError:
            what = "TIPO DI INDIRIZZO NON SUPPORTATO";
            break;
        default:
            what = "CONNESSIONE NON RIUSCITA";
            break;
    }
    return (what + " (" + reply.errorString() + ")").toStdString();
}

}  // namespace

DownloadResult QtDownloader::Download(const std::string& url, const std::filesystem::path& target,
                                      const Progress& progress) {
    DownloadResult result;
    cancelled_ = false;
    const QUrl address(QString::fromStdString(url));
    if (!address.isValid() || address.scheme().isEmpty()) {
        result.error = "INDIRIZZO NON VALIDO: " + url;
        return result;
    }
    // The old file stays until the whole download is in.
    FileReplacement file(target);
    if (!file.ok()) {
        result.error = "IMPOSSIBILE SCRIVERE IL FILE " + ToUtf8(target);
        return result;
    }

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    running_ = reply.get();

    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(idleTimeout_);
    bool timedOut = false;
    bool unwritable = false;
    std::int64_t stored = 0;
    const auto store = [&] {
        const QByteArray data = reply->readAll();
        if (!file.Write(std::string_view(data.constData(), static_cast<std::size_t>(data.size())))) {
            unwritable = true;
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
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    idle.start();
    // User input is served too: the window's cancel button must work while the data arrive.
    if (!reply->isFinished()) loop.exec();
    idle.stop();
    running_ = nullptr;
    if (!unwritable && !cancelled_ && !timedOut) store();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool httpFailed = status.isValid() && status.toInt() >= 400;
    if (cancelled_ || timedOut || unwritable || httpFailed || reply->error() != QNetworkReply::NoError) {
        // The replacement, never committed, removes what it wrote.
        result.cancelled = cancelled_;
        result.error =
            cancelled_   ? "DOWNLOAD ANNULLATO"
            : timedOut   ? "NESSUNA RISPOSTA DAL SERVER PER " + std::to_string(idleTimeout_.count() / 1000) + " SECONDI"
            : unwritable ? "IMPOSSIBILE SCRIVERE IL FILE " + ToUtf8(target)
                         : ReplyError(*reply);
        return result;
    }
    // Local files finish without progress signals; the caller still sees the whole count.
    if (progress) progress(stored, stored);
    if (!file.Commit()) {
        result.error = "IMPOSSIBILE SCRIVERE IL FILE " + ToUtf8(target);
        return result;
    }
    result.ok = true;
    return result;
}

void QtDownloader::Cancel() {
    if (running_ == nullptr) return;
    cancelled_ = true;
    running_->abort();
}

}  // namespace fortunara
