#include "tests/archive/windows/local_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <memory>

namespace fortunara::test {

LocalHttpServer::LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto request = std::make_shared<std::string>();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
                *request += socket->readAll().toStdString();
                if (request->find("\r\n\r\n") != std::string::npos) Answer(socket, *request);
            });
        }
    });
}

std::string LocalHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
}

void LocalHttpServer::Answer(QTcpSocket* socket, const std::string& request) {
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    const auto found = replies_.find(path);
    HttpReply reply = found != replies_.end() ? found->second : HttpReply{404, "Not Found", "text/html", "<html/>"};
    const long long length = reply.announced >= 0 ? reply.announced : static_cast<long long>(reply.body.size());
    const std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reply.reason +
                             "\r\nContent-Type: " + reply.contentType +
                             "\r\nContent-Length: " + std::to_string(length) + "\r\nConnection: close\r\n\r\n";
    socket->write((head + reply.body).data(), static_cast<qint64>(head.size() + reply.body.size()));
    socket->flush();
    const bool whole = length == static_cast<long long>(reply.body.size());
    if (whole || reply.hangUp) socket->disconnectFromHost();
}

}  // namespace fortunara::test
