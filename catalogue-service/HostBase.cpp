#include "HostBase.h"

#include <QRegularExpression>

namespace catalogueservice {

QString BaseFromHost(const QByteArray& hostHeader, const QString& fallback) {
    static const QRegularExpression plainHost(QStringLiteral(
        "^(?:[A-Za-z0-9](?:[A-Za-z0-9.-]{0,252})|\\[[0-9A-Fa-f:.]{2,45}\\])(?::[0-9]{1,5})?$"));
    const QString host = QString::fromLatin1(hostHeader.trimmed());
    if (!plainHost.match(host).hasMatch())
        return fallback;
    return QStringLiteral("http://") + host;
}

} // namespace catalogueservice
