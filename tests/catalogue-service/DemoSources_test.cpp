// The demo sources over HTTP: each answers with a decodable picture of its format or a page of
// the right shape, and the time drawn in changes what is served.
#include "ServiceFixture.h"
#include "ServiceRoutes.h"

#include <QRegularExpression>

using namespace catalogueservice;

TEST_F(ServiceFixture, StillPicturesAndSeriesFramesDecodeInTheirFormats) {
    // The entry names frame_001 to frame_003; the series goes on to 24.
    // The cloud cover is announced as an animated GIF and serves a PNG.
    for (const auto& [path, format] : {std::pair("/demo/satellite.jpg", "jpeg"),
                                       {"/demo/temperature.png", "png"},
                                       {"/demo/cloudcover.gif", "png"},
                                       {"/demo/pressure.gif", "gif"},
                                       {"/demo/series/frame_001.jpg", "jpeg"},
                                       {"/demo/series/frame_24.jpg", "jpeg"}}) {
        const HttpReply reply = get(path);
        ASSERT_EQ(reply.status, 200) << path;
        EXPECT_EQ(reply.contentType, QByteArray("image/") + format) << path;
        QByteArray read;
        const QList<QImage> frames = Frames(reply.body, &read);
        EXPECT_EQ(read, format) << path;
        ASSERT_FALSE(frames.isEmpty()) << path;
        EXPECT_GE(frames[0].width(), 400) << path;
    }
    for (const char* name : {"frame_000.jpg", "frame_025.jpg"})
        EXPECT_EQ(get(QString("/demo/series/") + name).status, 404) << name;

    // The client lays transparency on a background: the PNG has some.
    const QImage png = Frames(get("/demo/temperature.png").body).value(0);
    ASSERT_TRUE(png.hasAlphaChannel());
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(png.pixel(png.width() / 2, png.height() / 2)), 255);
}

TEST_F(ServiceFixture, RadarLoopIsALoopingAnimatedGifUnderEitherName) {
    const HttpReply reply = get("/demo/radar.gif");
    ASSERT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body.contains("NETSCAPE2.0"));
    const QList<QImage> frames = Frames(reply.body);
    ASSERT_EQ(frames.size(), 12);
    EXPECT_EQ(frames[0].size(), QSize(640, 480));
    // The sweep moves.
    EXPECT_NE(frames[0], frames[1]);
    const HttpReply capitals = get("/demo/RADAR.GIF");
    EXPECT_EQ(capitals.contentType, "image/gif");
    EXPECT_EQ(Frames(capitals.body).size(), 12);
}

TEST_F(ServiceFixture, PagesShowTheEscapedTownAndPicturesOfThisService) {
    // The client fills <p01> and <p05> with town fields written for addresses ("+" = blank).
    const HttpReply forecast = get("/demo/forecast.html?town=New+York&place=%3Cscript%3Ex");
    ASSERT_EQ(forecast.status, 200);
    EXPECT_TRUE(forecast.contentType.startsWith("text/html"));
    const QString html = QString::fromUtf8(forecast.body);
    EXPECT_TRUE(html.contains("Weather forecast for New York"));
    EXPECT_FALSE(html.contains("<script>"));
    EXPECT_TRUE(html.contains("&lt;script&gt;x"));

    static const QRegularExpression img(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""),
                                        QRegularExpression::CaseInsensitiveOption);
    for (const char* page : {"/demo/script.html", "/demo/bulletin.html"}) {
        const HttpReply reply = get(page);
        ASSERT_EQ(reply.status, 200) << page;
        const QString source = img.match(QString::fromUtf8(reply.body)).captured(1);
        // Absolute: the client puts "http://" in front of anything else.
        EXPECT_TRUE(source.startsWith(url("/"))) << source.toStdString();
        QByteArray format;
        EXPECT_FALSE(Frames(HttpGet(source).body, &format).isEmpty()) << source.toStdString();
        // The client keeps a script page's picture as a GIF file.
        EXPECT_TRUE(format == "gif" || !QByteArray(page).contains("script")) << format.data();
    }
}

TEST(DemoTime, EachPictureAndPageChangesWithTheTimeAndOnlyWithIt) {
    const Catalogue demo = DemoCatalogue();
    const QDateTime morning(QDate(2024, 12, 8), QTime(10, 15, 30));
    for (const char* path :
         {"/demo/satellite.jpg", "/demo/temperature.png", "/demo/pressure.gif", "/demo/radar.gif",
          "/demo/RADAR.GIF", "/demo/cloudcover.gif", "/demo/series/frame_001.jpg",
          "/demo/forecast.html", "/demo/bulletin.html", "/demo/script.html"}) {
        ServiceRequest request{"GET", QLatin1String(path), "town=Roma", "http://127.0.0.1:1",
                               morning};
        const ServiceResponse first = Route(demo, request);
        ASSERT_EQ(first.status, 200) << path;
        EXPECT_EQ(Route(demo, request).body, first.body) << path;
        request.when = morning.addSecs(61);
        EXPECT_NE(Route(demo, request).body, first.body) << path;
    }
    const ServiceResponse page =
        Route(demo, {"GET", "/demo/forecast.html", "town=Roma", "http://h:1", morning});
    EXPECT_TRUE(page.body.contains("2024-12-08 10:15:30"));
}
