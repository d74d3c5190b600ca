// The end from outside: SIGTERM and SIGINT end in order and without a word, also during an open
// message box, a fetch pass and the connection wait; the window closed by the window manager
// ends at once; the files each leaves, and the handlers put back afterwards.
#include "FormFixture.h"
#include "LoopbackHttpServer.h"
#include "WindowCloseSpy.h"

#include "core/ClockLoop.h"
#include "core/TerminationSignals.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/Slideshow.h"
#include "storage/ConfigFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include "WaitUntil.h"
#include "storage/ProxySettings.h"
#include <csignal>

using testsupport::HttpResponse;

namespace {

constexpr int kWaitMs = 5000;
const QString kConfig = ConfigFiles::kConfigFile;

class TerminationSignalsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        loadForm();
        ASSERT_EQ(state().ExitToProgram, 0);
        // Nothing of the program's own runs in between: each test sets the state it needs.
        for (QTimer* t : {&form().parts().timers.generalClock, &form().parts().timers.utilityTmr,
                          &form().parts().timers.panControl, &form().parts().timers.imgClock,
                          &form().parts().timers.Timer4000})
            t->stop();
        messages().clear();
        closes = std::make_unique<WindowCloseSpy>(&form());
        termination = std::make_unique<TerminationSignals>(form().window());
        ASSERT_TRUE(termination->install()) << termination->errorString().toStdString();
    }

    void TearDown() override {
        termination.reset();
        FormFixture::TearDown();
    }

    std::unique_ptr<WindowCloseSpy> closes;
    std::unique_ptr<TerminationSignals> termination;
};

// Every file of the work directory with its bytes.
QMap<QString, QByteArray> workFiles(const QString& dir) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(dir).entryList(QDir::Files)) {
        QFile f(dir + QLatin1Char('/') + name);
        files[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

// A store of one picture and a picture source whose first address never finishes, for a
// download pass that is due at the next step.
class EndDuringAPassTest : public TerminationSignalsTest {
protected:
    void SetUp() override {
        TerminationSignalsTest::SetUp();
        AppState& s = state();
        s.listPicture[0] = pictures::pictureFromFile(":/pic_not_available.gif");
        s.listPictureKind[0] = 1;
        s.pictureCount = 1;
        s.catalogueLoaded = 1;
        s.catalogueStatus = "1";
        s.cntCounterDwLoadImage = 8 * 56;
        HttpResponse slow = HttpResponse::ok("late picture", "image/jpeg");
        slow.delayMs = 60000;
        server.route("/slow.jpg", slow);
        server.route("/next.jpg", HttpResponse::ok("next picture", "image/jpeg"));
        s.listImageSELECTED[0] = server.url("/slow.jpg");
        s.listImageSELECTED[1] = server.url("/next.jpg");
        writeWorkFile("Nimbrisco7_Img.jpg", "previous picture");
        clock().realWaitMs = 1;
    }
    testsupport::LoopbackHttpServer server;
};

int otherHandlerCalls = 0;
void otherHandler(int) {
    ++otherHandlerCalls;
}

} // namespace

// The end while idle, by SIGTERM, is run on the real program by the end-to-end test.
TEST_F(TerminationSignalsTest, SigintWaitsForTheRunningStepAndThenForTheFetchPass) {
    const QByteArray config = readWorkFile(kConfig);
    ASSERT_FALSE(config.isEmpty());
    QFile::remove(workPath(kConfig));
    state().clockStatus = 1;
    state().flagDownloadRunning = 1;
    QSignalSpy requested(termination.get(), &TerminationSignals::endRequested);
    QSignalSpy postponed(termination.get(), &TerminationSignals::endPostponed);
    QSignalSpy ended(termination.get(), &TerminationSignals::ended);

    ASSERT_EQ(std::raise(SIGINT), 0);
    ASSERT_TRUE(requested.wait(kWaitMs));
    ASSERT_TRUE(testsupport::signalSeen(postponed, kWaitMs));
    EXPECT_EQ(closes->closeRequests, 0);
    EXPECT_FALSE(workFileExists(kConfig));

    // The step is over but its fetch pass still runs.
    state().clockStatus = 0;
    postponed.clear();
    ASSERT_TRUE(postponed.wait(kWaitMs));
    EXPECT_EQ(closes->closeRequests, 0);

    // A second signal during the wait does not start a second end.
    ASSERT_EQ(std::raise(SIGTERM), 0);
    state().flagDownloadRunning = 0;
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(readWorkFile(kConfig), config);
    EXPECT_EQ(closes->closeRequests, 1);
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_TRUE(shell().opened.empty());
}

TEST_F(TerminationSignalsTest, SigtermClosesTheBoxAStepWaitsOnAndEndsInOrder) {
    useRealMessageBoxes(600000);
    AppState& s = state();
    s.listPicture[0] = pictures::pictureFromFile(":/pic_not_available.gif");
    s.pictureCount = 1;
    s.catalogueLoaded = 1;
    s.catalogueStatus = "1";
    s.listIdCopyright[0] = 1;
    s.listCopyright[0] = "-Credit-95-line-four-five-six-seven";
    const QByteArray config = readWorkFile(kConfig);
    QFile::remove(workPath(kConfig));
    int boxes = 0;
    QObject* lastBox = nullptr;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!qobject_cast<QMessageBox*>(box) || box == lastBox)
            return;
        lastBox = box;
        if (++boxes == 1)
            std::raise(SIGTERM);
    });
    poll.start(5);
    QSignalSpy ended(termination.get(), &TerminationSignals::ended);
    form().parts().slideshow->imgClock_Timer();
    // The step went on to its end once the box had closed; the second box never opened.
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(state().clockStatus, 0);
    ASSERT_TRUE(testsupport::signalSeen(ended, kWaitMs));
    EXPECT_EQ(readWorkFile(kConfig), config);
    EXPECT_EQ(closes->closeRequests, 1);
}

TEST_F(EndDuringAPassTest, SigtermAbortsTheDownloadInFlightAndEndsInOrder) {
    const QMap<QString, QByteArray> before = workFiles(workDir());
    QObject::connect(&server, &testsupport::LoopbackHttpServer::requestReceived, &server,
                     [](const QString& path) {
                         if (path == "/slow.jpg")
                             std::raise(SIGTERM);
                     });
    QSignalSpy ended(termination.get(), &TerminationSignals::ended);
    form().parts().slideshow->imgClock_Timer();
    EXPECT_EQ(server.requestCount("/slow.jpg"), 1);
    EXPECT_EQ(server.requestCount("/next.jpg"), 0);
    ASSERT_TRUE(testsupport::signalSeen(ended, kWaitMs));
    EXPECT_EQ(state().flagDownloadRunning, 0);
    // The configuration is saved as it was; the picture the download would have replaced is
    // still the previous one.
    EXPECT_EQ(workFiles(workDir()), before);
    EXPECT_EQ(closes->closeRequests, 1);
}

TEST_F(EndDuringAPassTest, TheWindowClosedFromOutsideEndsThePassAtOnceAndLeavesEveryFile) {
    const QMap<QString, QByteArray> before = workFiles(workDir());
    const QDateTime configWritten = QFileInfo(workPath(kConfig)).lastModified();
    QObject::connect(&server, &testsupport::LoopbackHttpServer::requestReceived, &server,
                     [this](const QString& path) {
                         if (path == "/slow.jpg")
                             form().close();
                     });
    QSignalSpy aborted(&server, &testsupport::LoopbackHttpServer::connectionClosed);
    form().parts().slideshow->imgClock_Timer();
    EXPECT_TRUE(ending().requested());
    EXPECT_NE(state().ExitToProgram, 0);
    // The download was dropped by the program, not finished by the server.
    EXPECT_TRUE(testsupport::signalSeen(aborted, kWaitMs));
    EXPECT_EQ(server.requestCount("/next.jpg"), 0);
    EXPECT_EQ(state().clockStatus, 0);
    for (QTimer* t : {&form().parts().timers.generalClock, &form().parts().timers.utilityTmr,
                      &form().parts().timers.panControl, &form().parts().timers.imgClock,
                      &form().parts().timers.Timer4000})
        EXPECT_FALSE(t->isActive());
    // Nothing saved, nothing replaced.
    EXPECT_EQ(workFiles(workDir()), before);
    EXPECT_EQ(QFileInfo(workPath(kConfig)).lastModified(), configWritten);
}

TEST_F(TerminationSignalsTest, SigtermDuringTheConnectionWaitsQuestionEndsInOrder) {
    testsupport::LoopbackHttpServer server;
    server.route("/nimbrisco/catalogue", HttpResponse::withStatus(503));
    state().endpointBase = server.url("/nimbrisco/catalogue?");
    clock().realWaitMs = 1;
    // The first start's questions have been answered: the question here is the fallback's.
    writeWorkFile("Nimbrisco7_Language.dat", " 1");
    writeWorkFile("Nimbrisco7_Proxy.dat", "\r\n\r\n\r\n\r\n0\r\n");
    const QByteArray config = readWorkFile(kConfig);
    QFile::remove(workPath(kConfig));
    QGroupBox* question = form().parts().proxySettings->frame().Frame_Select_Connection;
    int stepsAfterSignal = -1;
    clock().onSleep = [&](int) {
        if (stepsAfterSignal >= 0)
            ++stepsAfterSignal;
        else if (!question->isHidden() && ++stepsAfterSignal == 0)
            std::raise(SIGTERM);
    };
    QSignalSpy ended(termination.get(), &TerminationSignals::ended);
    for (int tick = 0; tick < 10 && ended.count() == 0; ++tick)
        form().parts().clockLoop->generalClock_Timer();
    ASSERT_TRUE(testsupport::signalSeen(ended, kWaitMs));
    EXPECT_TRUE(question->isHidden());
    EXPECT_LT(stepsAfterSignal, 3);
    EXPECT_EQ(readWorkFile(kConfig), config);
    EXPECT_FALSE(form().parts().timers.generalClock.isActive());
}

TEST_F(TerminationSignalsTest, AfterACleanUpTheFilesStayDeleted) {
    QFile::remove(workPath(kConfig));
    QFile::remove(workPath(ConfigFiles::kPictureListFile));
    state().FlagRestart = kTrue;
    QSignalSpy ended(termination.get(), &TerminationSignals::ended);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_FALSE(workFileExists(kConfig));
    EXPECT_FALSE(workFileExists(ConfigFiles::kPictureListFile));
}

TEST_F(TerminationSignalsTest, OneInstanceAtATimeAndTheHandlersFoundAtInstallComeBack) {
    TerminationSignals second(form().window());
    EXPECT_FALSE(second.install());
    EXPECT_FALSE(second.errorString().isEmpty());
    termination.reset();
    struct sigaction other = {}, saved;
    other.sa_handler = otherHandler;
    ASSERT_EQ(::sigaction(SIGINT, &other, &saved), 0);
    otherHandlerCalls = 0;
    {
        TerminationSignals scoped(form().window());
        ASSERT_TRUE(scoped.install());
    }
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_EQ(otherHandlerCalls, 1);
    EXPECT_EQ(state().ExitToProgram, 0);
    ::sigaction(SIGINT, &saved, nullptr);
}
