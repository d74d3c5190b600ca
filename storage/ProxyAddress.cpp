#include "storage/ProxyAddress.h"

namespace {

// The port a text gives, 1..65535; 0 when it gives none.
int portNumber(const QString& text) {
    const int port = text.trimmed().toInt();
    return port >= 1 && port <= 65535 ? port : 0;
}

// Splits "host:port" and "[IPv6 address]:port"; a bare IPv6 address (more than one colon) and
// a text whose port part is no port are taken whole as the host.
ProxyAddress splitAddress(const QString& text) {
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close <= 1)
            return {text, 0};
        const QString host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (rest.isEmpty())
            return {host, 0};
        const int port = rest.startsWith(QLatin1Char(':')) ? portNumber(rest.mid(1)) : 0;
        return port > 0 ? ProxyAddress{host, port} : ProxyAddress{text, 0};
    }
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon <= 0 || colon != text.lastIndexOf(QLatin1Char(':')))
        return {text, 0};
    const int port = portNumber(text.mid(colon + 1));
    return port > 0 ? ProxyAddress{text.left(colon), port} : ProxyAddress{text, 0};
}

} // namespace

ProxyAddress proxyAddress(const QString& addressText, const QString& portText) {
    ProxyAddress address = splitAddress(addressText.trimmed());
    if (const int boxPort = portNumber(portText))
        address.port = boxPort;
    return address;
}
