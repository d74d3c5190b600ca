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

using Producer = std::function<DemoContent(const Request&)>;

// Town fields are written for web addresses, with "+" for a blank.
QString QueryValue(const QUrlQuery& query, const char* key) {
    QString value = query.queryItemValue(QLatin1String(key), QUrl::FullyEncoded);
    value.replace(QLatin1Char('+'), QLatin1Char(' '));
    return QUrl::fromPercentEncoding(value.toLatin1());
}

const QHash<QString, Producer>& FixedSources() {
    const Producer radarLoop = [](const Request& r) {
        return DemoContent{EncodeRadarLoop(r.when), kGif};
    };
    static const QHash<QString, Producer> sources = {
        {QStringLiteral("satellite.jpg"),
         [](const Request& r) {
             return DemoContent{EncodePicture(DrawSatellite(r.when), "JPG"), kJpeg};
         }},
        {QStringLiteral("temperature.png"),
         [](const Request& r) {
             return DemoContent{EncodePicture(DrawTemperatureMap(r.when), "PNG"), kPng};
         }},
        {QStringLiteral("pressure.gif"),
         [](const Request& r) {
             return DemoContent{EncodeStillGif(DrawPressureChart(r.when)), kGif};
         }},
        {QStringLiteral("station.gif"),
         [](const Request& r) {
             return DemoContent{EncodeStillGif(DrawStationReport(r.when)), kGif};
         }},
        {QStringLiteral("radar.gif"), radarLoop},
        // The same loop under the capitals some sources use.
        {QStringLiteral("RADAR.GIF"), radarLoop},
        // A source announced as an animated GIF that serves a still PNG.
        {QStringLiteral("cloudcover.gif"),
         [](const Request& r) {
             return DemoContent{EncodePicture(DrawCloudCover(r.when), "PNG"), kPng};
         }},
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
    return sources;
}

bool ServeSeriesFrame(const QString& name, const QDateTime& when, DemoContent& out) {
    static const QRegularExpression frameName(QStringLiteral("^series/frame_(\\d{1,6})\\.jpg$"));
    const QRegularExpressionMatch match = frameName.match(name);
    if (!match.hasMatch())
        return false;
    const int number = match.captured(1).toInt();
    if (number < 1 || number > kSeriesFrameCount)
        return false;
    out = {EncodePicture(DrawSeriesFrame(number, when), "JPG"), kJpeg};
    return true;
}

} // namespace

bool ServeDemo(const QString& path, const QUrlQuery& query, const QString& base,
               const QDateTime& when, DemoContent& out) {
    const QLatin1String prefix(kDemoPrefix);
    if (!path.startsWith(prefix))
        return false;
    const QString name = path.mid(prefix.size());
    const auto found = FixedSources().constFind(name);
    if (found != FixedSources().constEnd()) {
        out = found.value()(Request{query, base, when});
        return !out.body.isEmpty();
    }
    return ServeSeriesFrame(name, when, out);
}

} // namespace catalogueservice::demo
