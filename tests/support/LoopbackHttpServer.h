#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests: answers by path with a set status, body,
// headers and delay, can hang or drop the connection, and records every request it got.
// One request per connection ("Connection: close"), which every client handles.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTcpServer>
#include <functional>

class QTcpSocket;

namespace testsupport {

struct HttpRequest {
    QByteArray method;
    // As sent: "/path?query", or an absolute address when the server acts as a proxy.
    QByteArray target;
    QString path;
    QString query;
    // Header names in lower case.
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;

    QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
};

struct HttpResponse {
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    // Waits this long before answering.
    int delayMs = 0;
    // Keeps the connection open and never answers.
    bool neverAnswer = false;
    // Closes the connection without an answer.
    bool dropConnection = false;
    // Without a Content-Length the body ends when the connection closes.
    bool sendContentLength = true;

    static HttpResponse ok(const QByteArray& body,
                           const QByteArray& contentType = "text/html; charset=iso-8859-1");
    static HttpResponse withStatus(int status, const QByteArray& body = {});
    static HttpResponse redirect(const QByteArray& location, int status = 302);
    static HttpResponse hang();
    static HttpResponse drop();

    HttpResponse& withHeader(const QByteArray& name, const QByteArray& value) {
        headers.append(qMakePair(name, value));
        return *this;
    }
};

class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    // Starts listening on a free port of 127.0.0.1.
    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    bool isListening() const { return server_.isListening(); }
    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>" followed by `pathAndQuery`.
    QString url(const QString& pathAndQuery = QStringLiteral("/")) const;

    // Answers requests for `path` (the query is not part of the match).
    void route(const QString& path, const HttpResponse& response);
    void route(const QString& path, Handler handler);
    // Answers every path without a route (404 otherwise).
    void setFallback(Handler handler);

    int requestCount() const { return requests_.size(); }
    int requestCount(const QString& path) const;
    const QList<HttpRequest>& requests() const { return requests_; }
    // Stops listening and drops open connections, so the port refuses from now on.
    void close();

signals:
    void requestReceived(const QString& path);
    // A client's connection ended (closed by either side).
    void connectionClosed();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const HttpResponse& response);

    QTcpServer server_;
    QHash<QString, Handler> routes_;
    Handler fallback_;
    QList<HttpRequest> requests_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

// The status line's reason text for the codes tests use.
QByteArray reasonPhrase(int status);

} // namespace testsupport
