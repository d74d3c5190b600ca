#pragma once
// Proxy selection per request, with one rule shared by every network service of the program:
// this machine's own loopback addresses are always reached directly, since no proxy can reach
// them (the local catalogue service lives there).

#include <QNetworkProxyFactory>
#include <functional>

namespace platform {

bool isLoopbackHost(const QString& host);

class ProxyChoice : public QNetworkProxyFactory {
public:
    using Chooser = std::function<QList<QNetworkProxy>(const QNetworkProxyQuery&)>;
    explicit ProxyChoice(Chooser chooser) : chooser_(std::move(chooser)) {}

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override;

private:
    Chooser chooser_;
};

} // namespace platform
