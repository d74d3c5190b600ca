#include "platform/qt/ProxyChoice.h"

#include <QHostAddress>

namespace platform {

bool isLoopbackHost(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
        host.endsWith(QLatin1String(".localhost"), Qt::CaseInsensitive))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QList<QNetworkProxy> ProxyChoice::queryProxy(const QNetworkProxyQuery& query) {
    if (isLoopbackHost(query.peerHostName()))
        return {QNetworkProxy(QNetworkProxy::NoProxy)};
    QList<QNetworkProxy> proxies = chooser_ ? chooser_(query) : QList<QNetworkProxy>();
    if (proxies.isEmpty())
        proxies.append(QNetworkProxy(QNetworkProxy::NoProxy));
    return proxies;
}

} // namespace platform
