// ucAniGIF loading from files by any name, byte arrays and HTTP on loopback (Cancel, non-GIF,
// short and dead replies); failures empty the control.
#include "ucAniGIFTestSupport.h"

#include "LoopbackHttpServer.h"
#include "anigif/ucAniGIF.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace uctest;
using testsupport::HttpResponse;
using testsupport::LoopbackHttpServer;

namespace {

QByteArray frames(int count, int loops = 3) {
    std::vector<TestFrame> list;
    for (int k = 0; k < count; ++k)
        list.push_back(patternFrame(QRect(k % 5, k % 3, 9, 7), k, 8));
    return makeGif(QSize(14, 10), rampTable(8, 6), list, loops);
}

} // namespace

TEST(ucAniGIFLoad, FilesLoadByAnyNameAndFailuresEmptyAndStopTheControl) {
    QTemporaryDir dir;
    const QString unicodeName = dir.filePath(QString::fromUtf8("радар-気象.gif"));
    const QString empty = dir.filePath("empty.gif");
    for (const auto& [path, bytes] : {std::pair{unicodeName, frames(12)}, {empty, QByteArray()}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    ucAniGIF control;
    control.resize(20, 20);
    control.setDelayAnimation(0);
    ASSERT_TRUE(control.LoadAnimatedGIF_File(unicodeName));
    EXPECT_EQ(control.FrameCount(), 12);
    EXPECT_EQ(control.Loops(), 3);
    EXPECT_TRUE(control.gifStream().Buffer.isEmpty()); // run time: the bytes are not kept

    for (const auto& load : std::vector<std::function<bool()>>{
             [&] { return control.LoadAnimatedGIF_File(empty); },
             [&] { return control.LoadAnimatedGIF_File(dir.filePath("missing.gif")); },
             [&] { return control.LoadAnimatedGIF_Array(QByteArray("GIF89a garbage")); }}) {
        ASSERT_TRUE(control.LoadAnimatedGIF_File(unicodeName));
        control.animationTick();
        EXPECT_FALSE(load());
        EXPECT_EQ(std::make_tuple(control.FrameCount(), control.CurrentFrame(), control.Action(),
                                  control.animationTimerActive(), control.AnimatedGIF().isNull()),
                  std::make_tuple(0, 0, 0, false, true));
        QImage target;
        control.renderFrame(target); // paints nothing, cleanly
        EXPECT_EQ(qAlpha(target.pixel(5, 5)), 0);
    }
}

TEST(ucAniGIFLoad, OneFrameGifReportsFrameOneAndNeverStartsATimer) {
    ucAniGIF control; // DelayAnimation 1 defers nothing for a single frame
    EventLog events(control);
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(frames(1, -1)));
    EXPECT_EQ(events.frameChanged, (std::vector<std::pair<int, bool>>{{1, false}}));
    control.setAction(1);
    EXPECT_EQ(control.Action(), 0);
    EXPECT_FALSE(control.animationTimerActive());
}

TEST(ucAniGIFRemote, DownloadIsReportedInContainerUnitsAndLoadedUnlessCancelled) {
    LoopbackHttpServer server;
    server.route("/radar.gif", HttpResponse::ok(frames(2), "image/gif"));
    ucAniGIF control;
    control.setContainerUnitsPerPixel(15);
    loadStopped(control, frames(1));
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
    EXPECT_EQ(control.FrameCount(), 1); // cancelled: the previous GIF stays

    cancel = false;
    control.LoadAnimatedGIF_Remote(server.url("/radar.gif"));
    ASSERT_TRUE(complete.wait());
    EXPECT_EQ(control.FrameCount(), 2);
    // The logical screen's size, in container units.
    EXPECT_EQ(reported, (std::vector<QSizeF>(2, QSizeF(210, 150))));
    EXPECT_EQ(failures.count(), 0);
}

TEST(ucAniGIFRemote, FailuresRaiseRemoteLoadFailure) {
    const HttpResponse replies[] = {
        HttpResponse::ok("<html><body>no picture here</body></html>"),
        HttpResponse::ok(QByteArray("GIF89a\x01\x00", 8), "image/gif"),
        HttpResponse::ok(QByteArray("GIF89a") + QByteArray(20, '\xFF'), "image/gif"),
        HttpResponse::withStatus(404, frames(1)),
        HttpResponse::ok(frames(12), "image/gif"), // past the size limit
    };
    LoopbackHttpServer server;
    ucAniGIF control;
    control.setRemoteLimits(10000, frames(1).size() + 50);
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
