// The command line of nimbrisco-catalogue.
#pragma once

#include "VersionPage.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>

namespace catalogueservice {

inline constexpr quint16 kDefaultPort = 8377;

struct ServiceOptions {
    quint16 port = kDefaultPort;
    QHostAddress bind = QHostAddress::LocalHost;
    // Empty: the demo catalogue.
    QString cataloguePath;
    QString logPath;
    // Empty: no folder of the site's own pictures.
    QString picturesFolder;
    bool quiet = false;
    VersionPageMode versionPage = VersionPageMode::Same;
};

// Parses arguments (the program name first). False with a message for a bad option; help set
// when --help was asked for (the message then holds the help text).
bool ParseServiceOptions(const QStringList& arguments, ServiceOptions& out, QString& message,
                         bool& help);

// The demo catalogue next to the program, or the built-in copy when it is not there.
QString DefaultCataloguePath(const QString& programDir);

} // namespace catalogueservice
