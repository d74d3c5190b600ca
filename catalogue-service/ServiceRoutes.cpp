#include "ServiceRoutes.h"

#include "CatalogueProtocol.h"
#include "VersionPage.h"
#include "demo/DemoSources.h"

#include <QUrlQuery>

namespace catalogueservice {

namespace {

// The client reads replies as 8-bit text.
const QByteArray kLatin1Html("text/html; charset=ISO-8859-1");
const QByteArray kPlainText("text/plain; charset=utf-8");

ServiceResponse PlainText(int status, const QString& text) {
    return {status, kPlainText, text.toUtf8() + '\n'};
}

ServiceResponse IndexPage() {
    const QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Nimbrisco catalogue"
            "</title></head><body><h1>Nimbrisco catalogue service</h1><ul>"
            "<li><a href=\"%1?p=1&amp;x00=x8888&amp;x00=y3333\">catalogue probe</a></li>"
            "<li><a href=\"%1?p=1&amp;x00=x7777&amp;x00=y3333\">descriptions</a></li>"
            "<li><a href=\"%2\">version page</a></li>"
            "<li><a href=\"/demo/radar.gif\">demo radar loop</a></li>"
            "<li><a href=\"/demo/forecast.html?town=Roma&amp;place=Lazio\">demo forecast</a></li>"
            "</ul></body></html>\n")
            .arg(QLatin1String(kCataloguePath), QLatin1String(kVersionPagePath));
    return {200, "text/html; charset=utf-8", html.toUtf8()};
}

} // namespace

ServiceResponse Route(const Catalogue& base, const ServiceRequest& request, ServiceMemory* memory) {
    if (request.method != "GET" && request.method != "HEAD")
        return PlainText(405, QStringLiteral("only GET is served"));
    const QString& path = request.path;
    SitePictures* site = memory ? memory->site.get() : nullptr;
    const Catalogue& catalogue = site ? site->catalogue(base, request.when) : base;
    if (site && path.startsWith(QLatin1String(kSitePrefix))) {
        ServedContent picture;
        if (!site->serve(path.mid(int(qstrlen(kSitePrefix))), request.when, memory->pictures,
                         picture))
            return PlainText(404, QStringLiteral("no such picture: ") + path);
        if (picture.body.isEmpty())
            return PlainText(500, QStringLiteral("cannot read the picture ") + path);
        return {200, picture.mimeType, picture.body};
    }
    if (path == QLatin1String(kCataloguePath)) {
        const QString reply = HandleCatalogueQuery(catalogue, request.rawQuery, request.base);
        return {200, kLatin1Html, reply.toLatin1()};
    }
    if (path == QLatin1String(kVersionPagePath))
        return {200, kLatin1Html, VersionPageBody(catalogue)};
    if (path == QLatin1String(kCollectionsPath)) {
        QString error;
        const QByteArray package = CollectionsPackageBody(catalogue, error);
        if (package.isEmpty())
            return PlainText(500, error);
        return {200, "application/octet-stream", package};
    }
    if (path == QLatin1String("/"))
        return IndexPage();
    demo::DemoContent content;
    const QUrlQuery query(QString::fromLatin1(request.rawQuery));
    if (demo::ServeDemo(path, query, request.base, request.when, content,
                        memory ? &memory->pictures : nullptr))
        return {200, content.mimeType, content.body};
    return PlainText(404, QStringLiteral("no such address: ") + path);
}

} // namespace catalogueservice
