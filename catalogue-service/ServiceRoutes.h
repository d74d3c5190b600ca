// What the service answers at each address, independent of the HTTP server that carries it.
#pragma once

#include "Catalogue.h"
#include "PictureCache.h"
#include "SitePictures.h"
#include "VersionPage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

namespace catalogueservice {

inline constexpr char kCataloguePath[] = "/nimbrisco/catalogue";
inline constexpr char kVersionPagePath[] = "/currentversion.html";
inline constexpr char kCollectionsPath[] = "/collections.tar.gz";

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

// What the running service keeps from one request to the next, and what its version page says.
struct ServiceMemory {
    VersionPageMode versionPage = VersionPageMode::Same;
    PictureCache pictures;
    // The site's own pictures, when the service serves a folder of them.
    std::unique_ptr<SitePictures> site;
};

// Without memory every picture is drawn for its request, no site folder is served and the
// version page says what the catalogue says.
ServiceResponse Route(const Catalogue& catalogue, const ServiceRequest& request,
                      ServiceMemory* memory = nullptr);

} // namespace catalogueservice
