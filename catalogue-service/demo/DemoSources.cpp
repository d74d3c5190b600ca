#include "DemoSources.h"

#include "DemoDrawing.h"
#include "DemoPages.h"
#include "DemoPictures.h"
#include "RadarLoop.h"

#include <QRegularExpression>

#include <functional>

namespace catalogueservice::demo {

namespace {

const QByteArray kHtml("text/html; charset=utf-8");
const QByteArray kJpeg("image/jpeg");
const QByteArray kPng("image/png");
const QByteArray kGif("image/gif");

struct Request {
    const QUrlQuery& query;
    const QString& base;
    const QDateTime& when;
};

using PageProducer = std::function<DemoContent(const Request&)>;
using PictureProducer = std::function<DemoContent(const QDateTime&)>;

// Town fields are written for web addresses, with "+" for a blank.
QString QueryValue(const QUrlQuery& query, const char* key) {
    QString value = query.queryItemValue(QLatin1String(key), QUrl::FullyEncoded);
    value.replace(QLatin1Char('+'), QLatin1Char(' '));
    return QUrl::fromPercentEncoding(value.toLatin1());
}

// Pictures depend on the time alone, so one drawing serves every client.
const QHash<QString, PictureProducer>& FixedPictures() {
    const PictureProducer radarLoop = [](const QDateTime& when) {
        return DemoContent{EncodeRadarLoop(when), kGif};
    };
    static const QHash<QString, PictureProducer> pictures = {
        {QStringLiteral("satellite.jpg"),
         [](const QDateTime& when) {
             return DemoContent{EncodePicture(DrawSatellite(when), "JPG"), kJpeg};
         }},
        {QStringLiteral("temperature.png"),
         [](const QDateTime& when) {
             return DemoContent{EncodePicture(DrawTemperatureMap(when), "PNG"), kPng};
         }},
        {QStringLiteral("pressure.gif"),
         [](const QDateTime& when) {
             return DemoContent{EncodeStillGif(DrawPressureChart(when)), kGif};
         }},
        {QStringLiteral("station.gif"),
         [](const QDateTime& when) {
             return DemoContent{EncodeStillGif(DrawStationReport(when)), kGif};
         }},
        {QStringLiteral("radar.gif"), radarLoop},
        // The same loop under the capitals some sources use.
        {QStringLiteral("RADAR.GIF"), radarLoop},
        // A source announced as an animated GIF that serves a still PNG.
        {QStringLiteral("cloudcover.gif"),
         [](const QDateTime& when) {
             return DemoContent{EncodePicture(DrawCloudCover(when), "PNG"), kPng};
         }},
    };
    return pictures;
}

// Pages carry the town asked for and the address the client reached.
const QHash<QString, PageProducer>& FixedPages() {
    static const QHash<QString, PageProducer> pages = {
        {QStringLiteral("forecast.html"),
         [](const Request& r) {
             return DemoContent{
                 ForecastPage(QueryValue(r.query, "town"), QueryValue(r.query, "place"), r.when),
                 kHtml};
         }},
        {QStringLiteral("bulletin.html"),
         [](const Request& r) {
             return DemoContent{BulletinPage(r.base, r.when), kHtml};
         }},
        {QStringLiteral("script.html"),
         [](const Request& r) {
             return DemoContent{ScriptPage(r.base, r.when), kHtml};
         }},
    };
    return pages;
}

// The producer of a picture name: a fixed picture or a frame of the numbered series.
PictureProducer PictureNamed(const QString& name) {
    const auto fixed = FixedPictures().constFind(name);
    if (fixed != FixedPictures().constEnd())
        return fixed.value();
    static const QRegularExpression frameName(QStringLiteral("^series/frame_(\\d{1,6})\\.jpg$"));
    const QRegularExpressionMatch match = frameName.match(name);
    if (!match.hasMatch())
        return {};
    const int number = match.captured(1).toInt();
    if (number < 1 || number > kSeriesFrameCount)
        return {};
    return [number](const QDateTime& when) {
        return DemoContent{EncodePicture(DrawSeriesFrame(number, when), "JPG"), kJpeg};
    };
}

} // namespace

bool ServeDemo(const QString& path, const QUrlQuery& query, const QString& base,
               const QDateTime& when, DemoContent& out, PictureCache* cache) {
    const QLatin1String prefix(kDemoPrefix);
    if (!path.startsWith(prefix))
        return false;
    const QString name = path.mid(prefix.size());
    const auto page = FixedPages().constFind(name);
    if (page != FixedPages().constEnd()) {
        out = page.value()(Request{query, base, when});
        return !out.body.isEmpty();
    }
    const PictureProducer picture = PictureNamed(name);
    if (!picture)
        return false;
    out = cache ? cache->get(QLatin1String(kDemoPrefix) + name, when,
                             [&picture, &when] { return picture(when); })
                : picture(when);
    return !out.body.isEmpty();
}

} // namespace catalogueservice::demo
