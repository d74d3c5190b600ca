// The HTTP server: every request goes through Route and is written to the request log.
#pragma once

#include "Catalogue.h"
#include "RequestLog.h"

#include <QAbstractHttpServer>
#include <QHostAddress>

namespace catalogueservice {

class CatalogueServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    CatalogueServer(Catalogue catalogue, RequestLog& log, QObject* parent = nullptr);

    // Port 0 picks a free port. Returns the port listened on, 0 on failure.
    quint16 start(const QHostAddress& address, quint16 port);

    const Catalogue& catalogue() const { return catalogue_; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    QString fallbackBase() const;

    Catalogue catalogue_;
    RequestLog& log_;
    QHostAddress address_;
    quint16 port_ = 0;
};

} // namespace catalogueservice
