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
    QSignalSpy complete(&control, &ucAniGIF::RemoteLoadComplete);
    QSignalSpy failures(&control, &ucAniGIF::RemoteLoadFailure);
    control.LoadAnimatedGIF_Remote(server.url("/radar.gif"));
    ASSERT_TRUE(complete.wait());
    EXPECT_EQ(control.gifStream().CanvasWidth, 4); // cancelled: the previous GIF stays

    cancel = false;
    control.LoadAnimatedGIF_Remote(server.url("/radar.gif"));
    ASSERT_TRUE(complete.wait());
    EXPECT_EQ(control.FrameCount(), 2);
    EXPECT_EQ(reported, (std::vector<QSizeF>(2, QSizeF(600, 450))));
    EXPECT_EQ(server.requestCount("/radar.gif"), 2);
    EXPECT_EQ(failures.count(), 0);
}

TEST(ucAniGIFRemote, FailuresRaiseRemoteLoadFailure) {
    const HttpResponse replies[] = {
        HttpResponse::ok("<html><body>no picture here</body></html>"),
        HttpResponse::ok(QByteArray("GIF89a\x01\x00", 8), "image/gif"),
        HttpResponse::ok(QByteArray("GIF89a") + QByteArray(20, '\xFF'), "image/gif"),
        HttpResponse::withStatus(404, remoteGif()),
        HttpResponse::ok(remoteGif(), "image/gif"), // past the size limit
    };
    LoopbackHttpServer server;
    ucAniGIF control;
    control.setRemoteLimits(10000, 200);
    QSignalSpy failures(&control, &ucAniGIF::RemoteLoadFailure);
    for (const HttpResponse& reply : replies) {
        server.setFallback([&](const testsupport::HttpRequest&) { return reply; });
        control.LoadAnimatedGIF_Remote(server.url("/x.gif"));
        ASSERT_TRUE(failures.wait()) << reply.body.left(12).constData();
        EXPECT_EQ(control.FrameCount(), 0);
    }

    const QString dead = server.url("/x.gif");
    server.close();
    control.LoadAnimatedGIF_Remote(dead);
    EXPECT_TRUE(failures.wait());
    failures.clear();
    control.LoadAnimatedGIF_Remote(QString()); // nothing to do
    control.LoadAnimatedGIF_Remote(QStringLiteral("::not a url"));
    EXPECT_EQ(failures.count(), 1);
}
