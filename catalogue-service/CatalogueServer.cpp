#include "CatalogueServer.h"

#include "HostBase.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

namespace catalogueservice {

namespace {

QByteArray MethodName(QHttpServerRequest::Method method) {
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    default:
        return "OTHER";
    }
}

QByteArray HeaderValue(const QHttpServerRequest& request, const QByteArray& name) {
    for (const auto& header : request.headers()) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return {};
}

} // namespace

CatalogueServer::CatalogueServer(Catalogue catalogue, RequestLog& log, QObject* parent)
    : QAbstractHttpServer(parent), catalogue_(std::move(catalogue)), log_(log) {}

quint16 CatalogueServer::start(const QHostAddress& address, quint16 port) {
    port_ = listen(address, port);
    address_ = address;
    return port_;
}

QString CatalogueServer::fallbackBase() const {
    const bool any = address_ == QHostAddress::Any || address_ == QHostAddress::AnyIPv4 ||
                     address_ == QHostAddress::AnyIPv6;
    QString host = any ? QStringLiteral("127.0.0.1") : address_.toString();
    if (address_.protocol() == QAbstractSocket::IPv6Protocol && !any)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("http://%1:%2").arg(host).arg(port_);
}

bool CatalogueServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const QUrl url = request.url();
    ServiceRequest serviceRequest;
    serviceRequest.method = MethodName(request.method());
    serviceRequest.path = url.path(QUrl::FullyDecoded);
    serviceRequest.rawQuery = url.query(QUrl::FullyEncoded).toLatin1();
    serviceRequest.base = BaseFromHost(HeaderValue(request, "Host"), fallbackBase());
    serviceRequest.when = clock_();

    const ServiceResponse response = Route(catalogue_, serviceRequest, &memory_);
    QHttpServerResponder responder = makeResponder(request, socket);
    responder.write(response.body,
                    {{"Content-Type", response.mimeType},
                     // Every fetch must get a fresh picture, never a cached one.
                     {"Cache-Control", "no-store"}},
                    static_cast<QHttpServerResponder::StatusCode>(response.status));

    QString target = url.path(QUrl::FullyEncoded);
    if (url.hasQuery())
        target += QLatin1Char('?') + url.query(QUrl::FullyEncoded);
    log_.record(serviceRequest.when, serviceRequest.method, target, response.status);
    return true;
}

void CatalogueServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

} // namespace catalogueservice
