#pragma once

#include <QObject>
#include <QString>
#include <QTcpServer>
#include <map>
#include <string>

namespace fortunara::test {

// What the server answers for one path.
struct HttpReply {
    int status = 200;
    std::string reason = "OK";
    std::string contentType = "text/plain";
    std::string body;
    // The length announced in Content-Length; -1 announces the body's own length. A longer one
    // with `hangUp` is a connection dropped half-way; without it, a download that stalls.
    long long announced = -1;
    bool hangUp = false;
};

// A small HTTP/1.1 server on 127.0.0.1 that the test starts: each GET gets the reply of its path
// (404 for any other path). It runs in the test's thread; the downloader's event loop serves it.
class LocalHttpServer : public QObject {
    Q_OBJECT

public:
    LocalHttpServer();

    bool Listening() const { return server_.isListening(); }
    void Serve(const std::string& path, HttpReply reply) { replies_[path] = std::move(reply); }
    std::string Url(const std::string& path) const;

private:
    void Answer(QTcpSocket* socket, const std::string& request);

    QTcpServer server_;
    std::map<std::string, HttpReply> replies_;
};

}  // namespace fortunara::test
