// What the service answers at each address, independent of the HTTP server that carries it.
#pragma once

#include "Catalogue.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace catalogueservice {

inline constexpr char kCataloguePath[] = "/nimbrisco/catalogue";
inline constexpr char kVersionPagePath[] = "/currentversion.html";
inline constexpr char kCollectionsPath[] = "/collections.exe";

struct ServiceRequest {
    QByteArray method;
    QString path;
    // As received, percent-escapes included.
    QByteArray rawQuery;
    // "http://host:port" as the client reached the service.
    QString base;
    QDateTime when;
};

struct ServiceResponse {
    int status = 200;
    QByteArray mimeType;
    QByteArray body;
};

ServiceResponse Route(const Catalogue& catalogue, const ServiceRequest& request);

} // namespace catalogueservice
