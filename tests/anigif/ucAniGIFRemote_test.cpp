// ucAniGIF remote loading over HTTP on loopback: success, Cancel, non-GIF, short and dead replies.
#include "ucAniGIFTestSupport.h"

#include "LoopbackHttpServer.h"
#include "anigif/ucAniGIF.h"

#include <gtest/gtest.h>

using namespace uctest;
using testsupport::HttpResponse;
using testsupport::LoopbackHttpServer;

namespace {

QByteArray remoteGif() {
    return makeGif(
        QSize(40, 30), rampTable(16, 4),
        {patternFrame(QRect(0, 0, 40, 30), 1, 16), patternFrame(QRect(5, 5, 10, 10), 2, 16)});
}

} // namespace

TEST(ucAniGIFRemote, DownloadIsReportedInContainerUnitsAndLoadedUnlessCancelled) {
    LoopbackHttpServer server;
    server.route("/radar.gif", HttpResponse::ok(remoteGif(), "image/gif"));
    ucAniGIF control;
    control.setContainerUnitsPerPixel(15);
    loadStopped(control,
                makeGif(QSize(4, 4), rampTable(4, 1), {patternFrame(QRect(0, 0, 4, 4), 1, 4)}));
    std::vector<QSizeF> reported;
    bool cancel = true;
    QObject::connect(&control, &ucAniGIF::RemoteLoadComplete, &control,
                     [&](float w, float h, bool& Cancel) {
                         reported.emplace_back(w, h);
                         Cancel = cancel;
                     });
    EventLog events(control);
    control.LoadAnimatedGIF_Remote(server.url("/radar.gif"));
    ASSERT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadComplete));
    EXPECT_EQ(control.FrameCount(), 1); // cancelled: the previous GIF stays
    EXPECT_EQ(control.gifStream().CanvasWidth, 4);

    cancel = false;
    control.LoadAnimatedGIF_Remote(server.url("/radar.gif"));
    ASSERT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadComplete));
    EXPECT_EQ(control.FrameCount(), 2);
    EXPECT_EQ(reported, (std::vector<QSizeF>(2, QSizeF(600, 450))));
    ASSERT_EQ(server.requestCount("/radar.gif"), 2);
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_EQ(events.remoteFailures, 0);
}

TEST(ucAniGIFRemote, FailuresRaiseRemoteLoadFailure) {
    const HttpResponse replies[] = {
        HttpResponse::ok("<html><body>no picture here</body></html>"),
        HttpResponse::ok(QByteArray("GIF89a\x01\x00", 8), "image/gif"),
        HttpResponse::ok(QByteArray("GIF89a") + QByteArray(20, '\xFF'), "image/gif"),
        HttpResponse::withStatus(404, remoteGif()),
    };
    for (const HttpResponse& reply : replies) {
        LoopbackHttpServer server;
        server.setFallback([&](const testsupport::HttpRequest&) { return reply; });
        ucAniGIF control;
        control.LoadAnimatedGIF_Remote(server.url("/x.gif"));
        ASSERT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadFailure))
            << reply.body.left(12).constData();
        EXPECT_EQ(control.FrameCount(), 0);
    }
}

TEST(ucAniGIFRemote, DeadPortOversizedReplyAndBadAddressFail) {
    LoopbackHttpServer server;
    server.setFallback(
        [](const testsupport::HttpRequest&) { return HttpResponse::ok(remoteGif(), "image/gif"); });
    ucAniGIF control;
    control.setRemoteLimits(10000, 64);
    control.LoadAnimatedGIF_Remote(server.url("/x.gif"));
    EXPECT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadFailure));
    EXPECT_EQ(control.FrameCount(), 0);

    const QString dead = server.url("/x.gif");
    server.close();
    control.LoadAnimatedGIF_Remote(dead);
    EXPECT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadFailure));

    EventLog events(control);
    control.LoadAnimatedGIF_Remote(QString()); // nothing to do
    control.LoadAnimatedGIF_Remote(QStringLiteral("::not a url"));
    EXPECT_EQ(events.remoteFailures, 1);
}
