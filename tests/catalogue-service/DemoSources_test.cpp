// The demo sources over HTTP: each answers with a decodable picture of its format or a page of
// the right shape, and the time drawn in changes what is served.
#include "ServiceFixture.h"
#include "ServiceRoutes.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace catalogueservice;

namespace {

struct Decoded {
    QByteArray format;
    int frames = 0;
    QImage first;
};

Decoded Decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    Decoded decoded;
    decoded.format = reader.format();
    decoded.frames = reader.imageCount();
    decoded.first = reader.read();
    return decoded;
}

// The src of the first <img> of a page.
QString FirstImageSource(const QString& html) {
    static const QRegularExpression img(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""),
                                        QRegularExpression::CaseInsensitiveOption);
    return img.match(html).captured(1);
}

} // namespace

TEST_F(ServiceFixture, StillPicturesDecodeInTheirFormats) {
    const struct {
        const char* path;
        const char* format;
        const char* mime;
    } stills[] = {{"/demo/satellite.jpg", "jpeg", "image/jpeg"},
                  {"/demo/temperature.png", "png", "image/png"},
                  {"/demo/pressure.gif", "gif", "image/gif"},
                  {"/demo/station.gif", "gif", "image/gif"}};
    for (const auto& still : stills) {
        const HttpReply reply = get(QLatin1String(still.path));
        ASSERT_EQ(reply.status, 200) << still.path;
        EXPECT_EQ(reply.contentType, QByteArray(still.mime)) << still.path;
        const Decoded decoded = Decode(reply.body);
        EXPECT_EQ(decoded.format, QByteArray(still.format)) << still.path;
        EXPECT_FALSE(decoded.first.isNull()) << still.path;
        EXPECT_GE(decoded.first.width(), 400) << still.path;
        if (decoded.format == "gif") {
            EXPECT_TRUE(reply.body.startsWith("GIF89a")) << still.path;
        }
    }
}

TEST_F(ServiceFixture, PngHasTransparentCornersAndOpaqueMiddle) {
    const QImage png = Decode(get(QStringLiteral("/demo/temperature.png")).body).first;
    ASSERT_TRUE(png.hasAlphaChannel());
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(png.pixel(png.width() / 2, png.height() / 2)), 255);
}

TEST_F(ServiceFixture, RadarLoopIsALoopingAnimatedGif) {
    const HttpReply reply = get(QStringLiteral("/demo/radar.gif"));
    ASSERT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body.startsWith("GIF89a"));
    EXPECT_TRUE(reply.body.contains("NETSCAPE2.0"));
    const Decoded decoded = Decode(reply.body);
    EXPECT_EQ(decoded.frames, 12);
    EXPECT_EQ(decoded.first.size(), QSize(640, 480));

    // The sweep moves: consecutive frames differ.
    QBuffer buffer;
    buffer.setData(reply.body);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage one = reader.read();
    const QImage two = reader.read();
    ASSERT_FALSE(two.isNull());
    EXPECT_NE(one, two);
}

TEST_F(ServiceFixture, NumberedSeriesHasTheFramesTheDemoEntryNames) {
    // The entry is "5ttp://host/demo/series/frame_*.jpg,1,1,3,3": numbers 001 to 003.
    for (const char* name : {"frame_001.jpg", "frame_002.jpg", "frame_003.jpg", "frame_24.jpg"}) {
        const HttpReply reply = get(QStringLiteral("/demo/series/") + QLatin1String(name));
        ASSERT_EQ(reply.status, 200) << name;
        EXPECT_EQ(Decode(reply.body).format, "jpeg") << name;
    }
    EXPECT_EQ(get(QStringLiteral("/demo/series/frame_000.jpg")).status, 404);
    EXPECT_EQ(get(QStringLiteral("/demo/series/frame_025.jpg")).status, 404);
    EXPECT_EQ(get(QStringLiteral("/demo/series/frame_x.jpg")).status, 404);
}

TEST_F(ServiceFixture, ForecastPageShowsTheTownFromThePlaceholders) {
    // The client fills <p01> and <p05> with town fields written for addresses ("+" = blank).
    const HttpReply reply = get(QStringLiteral("/demo/forecast.html?town=New+York&place=Naples"));
    ASSERT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.contentType.startsWith("text/html"));
    const QString html = QString::fromUtf8(reply.body);
    EXPECT_TRUE(html.contains(QStringLiteral("Weather forecast for New York")));
    EXPECT_TRUE(html.contains(QStringLiteral("Naples")));
    EXPECT_TRUE(html.contains(QStringLiteral("<svg")));
}

TEST_F(ServiceFixture, ForecastPageEscapesTheTown) {
    const QString html = QString::fromUtf8(
        get(QStringLiteral("/demo/forecast.html?town=%3Cscript%3Ealert(1)%3C/script%3E")).body);
    EXPECT_FALSE(html.contains(QStringLiteral("<script>")));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;script&gt;")));
}

TEST_F(ServiceFixture, ScriptPagesFirstImageIsAGifOfThisService) {
    const HttpReply page = get(QStringLiteral("/demo/script.html"));
    ASSERT_EQ(page.status, 200);
    const QString source = FirstImageSource(QString::fromUtf8(page.body));
    // An absolute address: the client puts "http://" in front of anything else.
    EXPECT_TRUE(source.startsWith(url(QStringLiteral("/")))) << source.toStdString();
    const HttpReply image = HttpGet(source);
    EXPECT_TRUE(image.body.startsWith("GIF89a"));
    EXPECT_FALSE(Decode(image.body).first.isNull());
}

TEST_F(ServiceFixture, BulletinPageShowsAPictureOfThisService) {
    const HttpReply page = get(QStringLiteral("/demo/bulletin.html"));
    ASSERT_EQ(page.status, 200);
    const QString source = FirstImageSource(QString::fromUtf8(page.body));
    EXPECT_EQ(HttpGet(source).status, 200) << source.toStdString();
}

TEST(DemoTime, EachPictureAndPageChangesWithTheTime) {
    const Catalogue demo = DemoCatalogue();
    const QDateTime morning(QDate(2024, 12, 8), QTime(10, 15, 30));
    const QDateTime later = morning.addSecs(61);
    for (const char* path : {"/demo/satellite.jpg", "/demo/temperature.png", "/demo/pressure.gif",
                             "/demo/station.gif", "/demo/radar.gif", "/demo/series/frame_001.jpg",
                             "/demo/forecast.html", "/demo/bulletin.html", "/demo/script.html"}) {
        ServiceRequest request{"GET", QLatin1String(path), {}, "http://127.0.0.1:1", morning};
        const ServiceResponse first = Route(demo, request);
        request.when = later;
        const ServiceResponse second = Route(demo, request);
        ASSERT_EQ(first.status, 200) << path;
        EXPECT_NE(first.body, second.body) << path;
        // Same time, same content: nothing but the time moves it.
        request.when = morning;
        EXPECT_EQ(Route(demo, request).body, first.body) << path;
    }
}

TEST(DemoTime, PagesCarryTheTimeAsText) {
    const QDateTime when(QDate(2024, 12, 8), QTime(10, 15, 30));
    const ServiceResponse page =
        Route(DemoCatalogue(), {"GET", "/demo/forecast.html", "town=Roma", "http://h:1", when});
    EXPECT_TRUE(page.body.contains("2024-12-08 10:15:30"));
}
