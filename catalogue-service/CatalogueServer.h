// The HTTP server: every request goes through Route and is written to the request log.
#pragma once

#include "Catalogue.h"
#include "RequestLog.h"
#include "ServiceRoutes.h"

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QHostAddress>

#include <functional>

namespace catalogueservice {

class CatalogueServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    CatalogueServer(Catalogue catalogue, RequestLog& log, QObject* parent = nullptr);

    // Port 0 picks a free port. Returns the port listened on, 0 on failure.
    quint16 start(const QHostAddress& address, quint16 port);

    const Catalogue& catalogue() const { return catalogue_; }
    ServiceMemory& memory() { return memory_; }
    // The time requests are answered at; tests set their own.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    QString fallbackBase() const;

    Catalogue catalogue_;
    ServiceMemory memory_;
    std::function<QDateTime()> clock_ = [] { return QDateTime::currentDateTime(); };
    RequestLog& log_;
    QHostAddress address_;
    quint16 port_ = 0;
};

} // namespace catalogueservice
