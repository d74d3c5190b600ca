#pragma once
// The root of the web server an address belongs to.

#include <QString>

// "http://host:port/" of `address` (its scheme and authority and one "/"); empty when
// `address` names no host.
QString siteRootOf(const QString& address);
