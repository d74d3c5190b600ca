// The service's own address as the client reached it, for addresses that point back at it.
#pragma once

#include <QByteArray>
#include <QString>

namespace catalogueservice {

// "http://" + the Host header when it is a plain host name or address with an optional port;
// otherwise (missing or odd header) fallback, so a client cannot inject text into addresses.
QString BaseFromHost(const QByteArray& hostHeader, const QString& fallback);

} // namespace catalogueservice
