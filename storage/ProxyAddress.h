#pragma once
// The proxy host and port from the connection frame's boxes. Users often type the proxy as
// "host:port" in the address box, as browsers show it; the port box wins when both give one.

#include <QString>

struct ProxyAddress {
    QString host;
    int port = 0; // 0: none given, the HTTP control uses its usual proxy port
};

ProxyAddress proxyAddress(const QString& addressText, const QString& portText);
