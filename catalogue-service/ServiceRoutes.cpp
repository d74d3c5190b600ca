#include "ServiceRoutes.h"

#include "CatalogueProtocol.h"
#include "VersionPage.h"
#include "demo/DemoSources.h"

#include <QFile>
#include <QUrlQuery>

namespace catalogueservice {

namespace {

// The client reads replies as 8-bit text.
const QByteArray kLatin1Html("text/html; charset=ISO-8859-1");
const QByteArray kPlainText("text/plain; charset=utf-8");

ServiceResponse PlainText(int status, const QString& text) {
    return {status, kPlainText, text.toUtf8() + '\n'};
}

// The help site: the page of each help icon of the program's panel, in its languages, and the
// information page. Plain names only, so no address reaches beyond them.
bool HelpPage(const QString& path, ServiceResponse& response) {
    const QString name = path.mid(1);
    if (!path.startsWith(QLatin1Char('/')) || name.isEmpty() || name.contains(QLatin1Char('/')))
        return false;
    QFile file(QStringLiteral(":/help/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    response = {200, "text/html; charset=utf-8", file.readAll()};
    return true;
}

ServiceResponse IndexPage() {
    const QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Nimbrisco catalogue"
            "</title></head><body><h1>Nimbrisco catalogue service</h1><ul>"
            "<li><a href=\"%1?p=1&amp;x00=x8888&amp;x00=y3333\">catalogue probe</a></li>"
            "<li><a href=\"%1?p=1&amp;x00=x7777&amp;x00=y3333\">descriptions</a></li>"
            "<li><a href=\"%2\">version page</a></li>"
            "<li><a href=\"/eng_help1.asp\">help</a></li>"
            "<li><a href=\"/info.html\">about Nimbrisco</a></li>"
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
        return {200, kLatin1Html,
                VersionPageBody(catalogue, memory ? memory->versionPage : VersionPageMode::Same)};
    if (path == QLatin1String(kCollectionsPath)) {
        QString error;
        const QByteArray package = CollectionsPackageBody(catalogue, error);
        if (package.isEmpty())
            return PlainText(500, error);
        return {200, "application/gzip", package};
    }
    if (path == QLatin1String("/"))
        return IndexPage();
    if (ServiceResponse help; HelpPage(path, help))
        return help;
    demo::DemoContent content;
    const QUrlQuery query(QString::fromLatin1(request.rawQuery));
    if (demo::ServeDemo(path, query, request.base, request.when, content,
                        memory ? &memory->pictures : nullptr))
        return {200, content.mimeType, content.body};
    return PlainText(404, QStringLiteral("no such address: ") + path);
}

} // namespace catalogueservice
