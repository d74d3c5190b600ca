// Clock loop: connection wait with the probe, countdown and proxy fallback, start logo, panel
// timer release, progress text, and the waiting texts and download limit behind them.
#include "../slideshow/PictureSamples.h"
#include "FormFixture.h"
#include "LoopbackHttpServer.h"

#include "base/ClickLabel.h"
#include "base/DownloadLimit.h"
#include "base/NumericText.h"
#include "core/ClockLoop.h"
#include "core/PanelControl.h"
#include "platform/HttpControl.h"
#include "slideshow/Slideshow.h"
#include "storage/ProxySettings.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QUrl>

using testsupport::HttpResponse;
using testsupport::LoopbackHttpServer;

namespace {

const QString kWaitEnglish =
    QStringLiteral("Waiting for Internet connection (have to be active!).....");
const QString kRetryEnglish = QStringLiteral("Waiting Internet Connection......??????");

// A window past its start-up files, pointed at a loopback catalogue service.
class ClockLoopTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        writeWorkFile(QStringLiteral("Nimbrisco7_Language.dat"), " 1");
        writeWorkFile(QStringLiteral("Nimbrisco7_Proxy.dat"), "\r\n\r\n\r\n\r\n0\r\n");
        ASSERT_TRUE(server.isListening());
        state().endpointBase = server.url(QStringLiteral("/nimbrisco/catalogue?"));
        state().versionText = QStringLiteral("ZEP-V1.0-2000-");
        clock().realWaitMs = 1;
    }

    ClockLoop& loop() { return *form().parts().clockLoop; }
    BarControls& bar() { return form().parts().bar; }
    QString countdown() { return bar().lCountDown->text(); }

    // One tick of the general clock, then the probe's completion when one is on its way.
    void tickAndWaitForReply() {
        QSignalSpy completed(form().parts().Inet1, &platform::HttpControl::StateChanged);
        loop().generalClock_Timer();
        if (form().parts().Inet1->StillExecuting()) {
            ASSERT_TRUE(completed.wait(10000));
        }
    }

    void routeProbe(const HttpResponse& response) {
        server.route(QStringLiteral("/nimbrisco/catalogue"), response);
    }

    LoopbackHttpServer server;
};

TEST_F(ClockLoopTest, StartOrderProbeMarkerLogoPanelTimerSlideshowThenOnlyTheIndicator) {
    routeProbe(HttpResponse::ok("ZEP_REPLY_TO_CLIENT<P>"));
    tickAndWaitForReply();
    ASSERT_EQ(server.requestCount(), 1);
    EXPECT_EQ(QUrl::fromPercentEncoding(server.requests().first().query.toLatin1()),
              QStringLiteral("p=1&x00=x8888&x00=y3333ZEP-V1.0-2000-"));

    // The reply arrived between two ticks: the next one connects.
    loop().generalClock_Timer();
    ASSERT_TRUE(form().parts().timers.utilityTmr.isActive());

    // The first utility tick shows the logo, the second releases the panel-control timer,
    // whose tick starts the slideshow.
    loop().utilityTmr_Timer();
    EXPECT_FALSE(form().parts().timers.panControl.isActive());
    loop().utilityTmr_Timer();
    EXPECT_TRUE(form().parts().timers.panControl.isActive());
    form().parts().panelControl->panControl_Timer();
    EXPECT_TRUE(form().parts().timers.imgClock.isActive());

    // Catalogue replies now replace the probe's and the slideshow owns the bar: only the
    // indicator follows the connection.
    state().replyText = QStringLiteral("1<P>2<P>");
    bar().lCountDown->setText(QStringLiteral("progress"));
    fakeHandles(form().platform()).connectivity->connected = false;
    loop().generalClock_Timer();
    EXPECT_EQ(bar().connectStatus->pixmap().cacheKey(),
              bar().ImageDisconnesso->pixmap().cacheKey());
    EXPECT_EQ(server.requestCount(), 1);
    EXPECT_EQ(countdown(), QStringLiteral("progress"));
}

TEST_F(ClockLoopTest, CountdownRunsTenToOneWithTheProxyFallbackOnTheTenthTick) {
    routeProbe(HttpResponse::hang());
    QGroupBox* question = form().parts().proxySettings->frame().Frame_Select_Connection;
    int questions = 0;
    clock().onSleep = [&](int) {
        if (!question->isHidden()) {
            ++questions;
            state().Wait_Type_Connection = kTrue; // the user answers
        }
    };
    QStringList shown;
    for (int tick = 0; tick < 11; ++tick) {
        loop().generalClock_Timer();
        EXPECT_TRUE(countdown().startsWith(kWaitEnglish));
        shown << countdown().mid(kWaitEnglish.size());
    }
    // An early fallback would restart the count before "1".
    EXPECT_EQ(shown, QStringList({"10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "10"}));
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(form().parts().timers.generalClock.isActive());
    // Still the one probe (it may reach the server only now on a busy machine).
    if (server.requestCount() == 0)
        QSignalSpy(&server, &LoopbackHttpServer::requestReceived).wait(5000);
    EXPECT_EQ(server.requestCount(), 1);
}

TEST_F(ClockLoopTest, AReplyWithoutTheMarkerShowsTheRetryNoticeAndProbesAgain) {
    routeProbe(HttpResponse::ok("<html>Proxy error</html>"));
    tickAndWaitForReply();
    bar().lCountDown->clear();
    loop().generalClock_Timer();
    EXPECT_EQ(countdown(), kRetryEnglish);
    EXPECT_EQ(loop().probePhase, 0);
    EXPECT_FALSE(form().parts().timers.utilityTmr.isActive());
    tickAndWaitForReply();
    EXPECT_EQ(server.requestCount(), 2);
}

TEST_F(ClockLoopTest, LostProbesKeepTheCountdownAndGoOutAgainOnlyOnTheTenthTick) {
    const auto expectStillWaiting = [this](const char* what) {
        for (int tick = 0; tick < 3; ++tick) {
            bar().lCountDown->clear();
            loop().generalClock_Timer();
            EXPECT_TRUE(countdown().startsWith(kWaitEnglish)) << what;
            EXPECT_EQ(loop().probePhase, 1) << what;
        }
    };
    // Refused, timed out (Inet1's own bound), and cancelled without a completion event.
    server.close();
    tickAndWaitForReply();
    expectStillWaiting("refused connection");

    LoopbackHttpServer silent;
    silent.route(QStringLiteral("/nimbrisco/catalogue"), HttpResponse::hang());
    state().endpointBase = silent.url(QStringLiteral("/nimbrisco/catalogue?"));
    form().parts().Inet1->setRequestTimeout(200);
    // Six more ticks reach the tenth: the lost probe goes out again, to the silent service.
    for (int tick = 0; tick < 6; ++tick)
        tickAndWaitForReply();
    EXPECT_EQ(silent.requestCount(), 1);
    expectStillWaiting("silent service");

    form().parts().Inet1->setRequestTimeout(0);
    silent.route(QStringLiteral("/nimbrisco/catalogue"), HttpResponse::hang());
    for (int tick = 0; tick < 7; ++tick)
        loop().generalClock_Timer();
    ASSERT_TRUE(form().parts().Inet1->StillExecuting());
    form().parts().Inet1->Cancel();
    expectStillWaiting("cancelled probe");
}

// The connection wait against a service that fails every probe, for 120 ticks (a minute of the
// general clock) with a connection choice on file.
TEST_F(ClockLoopTest, ADeadServiceKeepsTheCountdownAndProbeCadenceAndRewritesNoSettingsFile) {
    QList<QDateTime> probes;
    routeProbe(HttpResponse::withStatus(503));
    QObject::connect(&server, &LoopbackHttpServer::requestReceived, &server,
                     [&](const QString&) { probes << clock().now(); });
    QGroupBox* question = form().parts().proxySettings->frame().Frame_Select_Connection;
    int questions = 0;
    bool wasOpen = false;
    bool probeWhileAnotherRuns = false;
    clock().onSleep = [&](int) {
        const bool open = !question->isHidden();
        questions += open && !wasOpen;
        wasOpen = open;
    };
    QObject::connect(form().parts().Inet1, &platform::HttpControl::StateChanged, &server,
                     [&](int) { probeWhileAnotherRuns |= form().parts().Inet1->StillExecuting(); });

    const auto tick = [&] {
        clock().advance(500);
        tickAndWaitForReply();
        wasOpen = !question->isHidden();
    };
    const QDateTime start = clock().now();
    tick();
    // The first tick may write what is missing (the backup of the connection file, the town
    // file); from then on nothing changes on disk.
    const QStringList files = {"Nimbrisco7_Proxy.dat", "Nimbrisco7_Proxy.bak",
                               "Nimbrisco7_Language.dat", "Nimbrisco7_MyTown.dat"};
    QList<QPair<QDateTime, QByteArray>> before;
    for (const QString& name : files) {
        ASSERT_TRUE(workFileExists(name)) << name.toStdString();
        before << qMakePair(QFileInfo(workPath(name)).lastModified(), readWorkFile(name));
    }
    const QString shownBefore = countdown();

    QStringList shown{shownBefore.mid(kWaitEnglish.size())};
    for (int t = 1; t < 120; ++t) {
        tick();
        shown << countdown().mid(kWaitEnglish.size());
        EXPECT_TRUE(countdown().startsWith(kWaitEnglish)) << t;
        EXPECT_EQ(loop().probePhase, 1) << t;
    }
    QStringList expected;
    for (int round = 0; round < 12; ++round)
        for (int n = 10; n >= 1; --n)
            expected << QString::number(n);
    EXPECT_EQ(shown, expected);

    // Twelve fallbacks, each question closed by itself after its bound, the stored choice kept.
    EXPECT_EQ(questions, 12);
    EXPECT_NEAR(start.msecsTo(clock().now()), 120 * 500 + 12 * ClockLoop::kFallbackQuestionMs,
                12 * 400);
    EXPECT_EQ(state().Mirror_Type_Connection, kFalse);
    EXPECT_EQ(state().Proxy_Enabled, kFalse);
    // A probe at the start, then one every five to ten seconds, never one on top of another;
    // the probing goes on behind the questions. (The times are those of the probes' arrival,
    // which a loaded machine may delay by a step or two, so the rule is checked on the whole.)
    const qint64 waited = start.msecsTo(clock().now());
    EXPECT_GE(probes.size(), 1 + waited / 10500);
    EXPECT_LE(probes.size(), 1 + waited / 4500);
    for (int i = 1; i < probes.size(); ++i)
        EXPECT_GE(probes[i - 1].msecsTo(probes[i]), 3000) << i;
    EXPECT_FALSE(probeWhileAnotherRuns);
    for (int i = 0; i < files.size(); ++i) {
        EXPECT_EQ(QFileInfo(workPath(files[i])).lastModified(), before[i].first)
            << files[i].toStdString();
        EXPECT_EQ(readWorkFile(files[i]), before[i].second) << files[i].toStdString();
    }
}

TEST_F(ClockLoopTest, TheFallbackQuestionClosesAtOnceWhenTheServiceAnswersBehindIt) {
    // Dead until the question is up, then alive.
    bool alive = false;
    server.route(QStringLiteral("/nimbrisco/catalogue"), [&](const testsupport::HttpRequest&) {
        return alive ? HttpResponse::ok("ZEP_REPLY_TO_CLIENT<P>") : HttpResponse::drop();
    });
    QGroupBox* question = form().parts().proxySettings->frame().Frame_Select_Connection;
    int questionSteps = 0;
    clock().onSleep = [&](int) {
        if (!question->isHidden() && ++questionSteps == 3)
            alive = true;
    };
    for (int t = 0; t < 10; ++t) {
        clock().advance(500);
        tickAndWaitForReply();
    }
    // The question closed with the answer behind it, well before its own bound, and the next
    // tick connects.
    EXPECT_TRUE(question->isHidden());
    EXPECT_GT(questionSteps, 3);
    EXPECT_LT(questionSteps, ClockLoop::kFallbackQuestionMs / 200);
    loop().generalClock_Timer();
    EXPECT_TRUE(form().parts().timers.utilityTmr.isActive());
    EXPECT_TRUE(bar().lCountDown->isHidden());
}

TEST_F(ClockLoopTest, AServiceThatAnswersOnlyAfterAMinuteLeadsToTheFirstPicture) {
    // The catalogue service and its one picture source, gone for the first minute.
    const QDateTime start = clock().now();
    const auto alive = [&] { return start.msecsTo(clock().now()) >= 60000; };
    const QByteArray picture = samples::encode(samples::twoColours(QSize(64, 48)), "jpg");
    server.route(QStringLiteral("/p/a.jpg"), HttpResponse::ok(picture, "image/jpeg"));
    server.route(QStringLiteral("/nimbrisco/catalogue"), [&](const testsupport::HttpRequest& r) {
        const QString query = QUrl::fromPercentEncoding(r.query.toLatin1());
        if (!alive())
            return HttpResponse::withStatus(503);
        if (query.contains("x8888"))
            return HttpResponse::ok("ZEP_REPLY_TO_CLIENT<P>");
        if (query.contains("y2222"))
            return HttpResponse::ok("<P>" + server.url("/p/a.jpg").toLatin1() + "<P>");
        if (query.contains("x9999"))
            return HttpResponse::ok("<P>-Credit A-7-Second line-<P>");
        return HttpResponse::ok("<P><P>");
    });
    writeWorkFile("Nimbrisco7_Config.dat", "15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
    writeWorkFile("Nimbrisco7_Picture_List.dat", "0\r\n1\r\n\r\n\r\n");
    int ticks = 0;
    while (!form().parts().timers.utilityTmr.isActive() && ticks++ < 1000) {
        clock().advance(500);
        tickAndWaitForReply();
    }
    ASSERT_TRUE(form().parts().timers.utilityTmr.isActive());
    // Connected at most one probe interval after the service came back.
    EXPECT_LE(start.msecsTo(clock().now()), 60000 + ClockLoop::kProbeRetryMs + 1000);

    // The logo, the panel timer, then the first step loads the catalogue and shows the picture.
    loop().utilityTmr_Timer();
    loop().utilityTmr_Timer();
    form().parts().panelControl->panControl_Timer();
    ASSERT_TRUE(form().parts().timers.imgClock.isActive());
    form().parts().slideshow->imgClock_Timer();
    EXPECT_EQ(state().pictureCount, 1);
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
    EXPECT_EQ(state().listPicture[0].encoded, picture);
    EXPECT_EQ(bar().whoWeAre->text().section("\r\n", 0, 0).left(8), "Credit A");
}

TEST_F(ClockLoopTest, AtTheFirstStartTheConnectionQuestionWaitsForAPersonBeforeAnyProbe) {
    QFile::remove(workPath("Nimbrisco7_Proxy.dat"));
    clock().realWaitMs = 0;
    routeProbe(HttpResponse::ok("ZEP_REPLY_TO_CLIENT<P>"));
    QGroupBox* question = form().parts().proxySettings->frame().Frame_Select_Connection;
    int steps = 0;
    bool shownThroughout = true;
    clock().onSleep = [&](int) {
        // An hour of waiting: still open, nothing sent; then the answer.
        if (++steps < 18000) {
            shownThroughout &= steps == 1 || !question->isHidden();
            return;
        }
        form().parts().proxySettings->Connection_Selected_Click();
    };
    tickAndWaitForReply();
    EXPECT_TRUE(shownThroughout);
    EXPECT_GE(steps, 18000);
    EXPECT_EQ(state().Mirror_Type_Connection, kTrue);
    EXPECT_EQ(server.requestCount(), 1);
    EXPECT_TRUE(workFileExists("Nimbrisco7_Proxy.dat"));
}

TEST_F(ClockLoopTest, ProgressTextFollowsADownloadPassWhileACapturedPageKeepsTheBarHidden) {
    state().firstLaunch = 2;
    state().Lingua = 1;
    state().flagDownloadRunning = 1;
    state().Http2BmpRunning = 1;
    state().pictureCount = 3;
    state().pictureTotal = 12;
    bar().lCountDown->hide();
    loop().utilityTmr_Timer();
    EXPECT_TRUE(bar().lCountDown->isHidden());
    EXPECT_EQ(countdown(), QStringLiteral("Loading Pictures from WEB... 3 of 12"));
}

} // namespace
