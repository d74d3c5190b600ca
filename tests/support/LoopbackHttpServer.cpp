#include "LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace testsupport {
namespace {

// Splits a complete request head; false while the head is not complete yet.
bool parseHead(const QByteArray& head, HttpRequest& request) {
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    if (first.size() < 2)
        return false;
    request.method = first[0];
    request.target = first[1];
    // A proxy gets the absolute address; route by its path all the same.
    const QUrl url =
        request.target.startsWith('/')
            ? QUrl(QStringLiteral("http://localhost") + QString::fromLatin1(request.target))
            : QUrl(QString::fromLatin1(request.target));
    request.path = url.path();
    request.query = url.query(QUrl::FullyEncoded);
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(),
                                   line.mid(colon + 1).trimmed());
    }
    return true;
}

} // namespace

HttpResponse HttpResponse::ok(const QByteArray& body, const QByteArray& contentType) {
    HttpResponse r;
    r.body = body;
    r.withHeader("Content-Type", contentType);
    return r;
}

HttpResponse HttpResponse::withStatus(int status, const QByteArray& body) {
    HttpResponse r;
    r.status = status;
    r.body = body;
    return r;
}

HttpResponse HttpResponse::redirect(const QByteArray& location, int status) {
    HttpResponse r;
    r.status = status;
    r.withHeader("Location", location);
    return r;
}

HttpResponse HttpResponse::hang() {
    HttpResponse r;
    r.neverAnswer = true;
    return r;
}

HttpResponse HttpResponse::drop() {
    HttpResponse r;
    r.dropConnection = true;
    return r;
}

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 307:
        return "Temporary Redirect";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 407:
        return "Proxy Authentication Required";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent) {
    connect(&server_, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
    server_.listen(QHostAddress::LocalHost, 0);
}

LoopbackHttpServer::~LoopbackHttpServer() {
    close();
}

QString LoopbackHttpServer::url(const QString& pathAndQuery) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(pathAndQuery);
}

void LoopbackHttpServer::route(const QString& path, const HttpResponse& response) {
    routes_.insert(path, [response](const HttpRequest&) { return response; });
}

void LoopbackHttpServer::route(const QString& path, Handler handler) {
    routes_.insert(path, std::move(handler));
}

void LoopbackHttpServer::setFallback(Handler handler) {
    fallback_ = std::move(handler);
}

int LoopbackHttpServer::requestCount(const QString& path) const {
    int n = 0;
    for (const HttpRequest& r : requests_)
        n += r.path == path ? 1 : 0;
    return n;
}

void LoopbackHttpServer::close() {
    server_.close();
    buffers_.clear();
    // Answered, hanging and half-read connections alike.
    const auto sockets = findChildren<QTcpSocket*>(QString(), Qt::FindDirectChildrenOnly);
    for (QTcpSocket* s : sockets) {
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
}

void LoopbackHttpServer::onNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        buffers_.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            buffers_.remove(socket);
            socket->deleteLater();
            emit connectionClosed();
        });
    }
}

void LoopbackHttpServer::onReadyRead(QTcpSocket* socket) {
    auto it = buffers_.find(socket);
    if (it == buffers_.end())
        return;
    QByteArray& buffer = it.value();
    buffer += socket->readAll();
    const int headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    HttpRequest request;
    if (!parseHead(buffer.left(headEnd), request)) {
        respond(socket, HttpResponse::withStatus(400));
        return;
    }
    const qsizetype length = request.header("content-length").toLongLong();
    if (buffer.size() - headEnd - 4 < length)
        return;
    request.body = buffer.mid(headEnd + 4, length);
    // Handled: further bytes on this connection are ignored.
    buffers_.remove(socket);
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);

    requests_.append(request);
    const Handler handler = routes_.value(request.path, fallback_);
    const HttpResponse response =
        handler ? handler(request) : HttpResponse::withStatus(404, "not found");
    emit requestReceived(request.path);
    respond(socket, response);
}

void LoopbackHttpServer::respond(QTcpSocket* socket, const HttpResponse& response) {
    if (response.neverAnswer)
        return;
    if (response.dropConnection) {
        socket->abort();
        return;
    }
    auto send = [socket, response] {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                         reasonPhrase(response.status) + "\r\n";
        for (const auto& h : response.headers)
            out += h.first + ": " + h.second + "\r\n";
        if (response.sendContentLength)
            out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        out += "Connection: close\r\n\r\n";
        out += response.body;
        socket->write(out);
        socket->disconnectFromHost();
    };
    if (response.delayMs > 0)
        QTimer::singleShot(response.delayMs, socket, send);
    else
        send();
}

} // namespace testsupport
