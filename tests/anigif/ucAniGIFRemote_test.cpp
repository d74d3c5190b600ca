// ucAniGIF remote loading over real HTTP on loopback: success, Cancel, non-GIF, short and dead
// replies.
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace uctest;

namespace {

// Answers every GET with one fixed status and body, then closes the connection.
class TinyHttpServer : public QObject {
public:
    TinyHttpServer(QByteArray status, QByteArray body)
        : m_status(std::move(status)), m_body(std::move(body)) {
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_request += socket->readAll();
                    if (!m_request.contains("\r\n\r\n"))
                        return;
                    socket->write("HTTP/1.1 " + m_status + "\r\nContent-Type: image/gif\r\n" +
                                  "Content-Length: " + QByteArray::number(m_body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + m_body);
                    socket->disconnectFromHost();
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/radar.gif").arg(m_server.serverPort());
    }
    const QByteArray& request() const { return m_request; }

private:
    QTcpServer m_server;
    QByteArray m_status;
    QByteArray m_body;
    QByteArray m_request;
};

QByteArray remoteGif() {
    return makeGif(
        QSize(40, 30), rampTable(16, 4),
        {patternFrame(QRect(0, 0, 40, 30), 1, 16), patternFrame(QRect(5, 5, 10, 10), 2, 16)});
}

struct Completion {
    int count = 0;
    float width = 0;
    float height = 0;
};

void recordCompletion(ucAniGIF& control, Completion& completion, bool cancel) {
    QObject::connect(&control, &ucAniGIF::RemoteLoadComplete, &control,
                     [&completion, cancel](float w, float h, bool& Cancel) {
                         ++completion.count;
                         completion.width = w;
                         completion.height = h;
                         Cancel = cancel;
                     });
}

} // namespace

TEST(ucAniGIFRemote, DownloadedGifIsReportedInContainerUnitsAndLoaded) {
    TinyHttpServer server("200 OK", remoteGif());
    ucAniGIF control;
    control.setContainerUnitsPerPixel(15);
    control.setDelayAnimation(2);
    Completion completion;
    recordCompletion(control, completion, false);
    EventLog events(control);
    control.LoadAnimatedGIF_Remote(server.url());
    ASSERT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadComplete));
    EXPECT_TRUE(server.request().startsWith("GET /radar.gif"));
    EXPECT_EQ(completion.count, 1);
    EXPECT_FLOAT_EQ(completion.width, 600);
    EXPECT_FLOAT_EQ(completion.height, 450);
    EXPECT_EQ(control.FrameCount(), 2);
    EXPECT_EQ(events.remoteFailures, 0);
}

TEST(ucAniGIFRemote, CancelInTheHandlerKeepsThePreviousGif) {
    TinyHttpServer server("200 OK", remoteGif());
    ucAniGIF control;
    loadStopped(control,
                makeGif(QSize(4, 4), rampTable(4, 1), {patternFrame(QRect(0, 0, 4, 4), 1, 4)}));
    Completion completion;
    recordCompletion(control, completion, true);
    control.LoadAnimatedGIF_Remote(server.url());
    ASSERT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadComplete));
    EXPECT_EQ(completion.count, 1);
    EXPECT_EQ(control.FrameCount(), 1);
    EXPECT_EQ(control.gifStream().CanvasWidth, 4);
}

TEST(ucAniGIFRemote, FailuresRaiseRemoteLoadFailure) {
    struct Case {
        QByteArray status;
        QByteArray body;
    };
    const QByteArray html = "<html><body>no picture here</body></html>";
    const QByteArray brokenGif = QByteArray("GIF89a") + QByteArray(20, '\xFF');
    for (const Case& c : {Case{"200 OK", html}, Case{"200 OK", QByteArray("GIF89a\x01\x00", 8)},
                          Case{"404 Not Found", remoteGif()}, Case{"200 OK", brokenGif}}) {
        TinyHttpServer server(c.status, c.body);
        ucAniGIF control;
        EventLog events(control);
        control.LoadAnimatedGIF_Remote(server.url());
        ASSERT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadFailure))
            << c.body.left(12).constData();
        EXPECT_EQ(control.FrameCount(), 0);
    }
}

TEST(ucAniGIFRemote, DeadPortAndOversizedReplyFail) {
    quint16 deadPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        deadPort = probe.serverPort();
    }
    ucAniGIF control;
    control.LoadAnimatedGIF_Remote(QStringLiteral("http://127.0.0.1:%1/x.gif").arg(deadPort));
    EXPECT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadFailure));

    TinyHttpServer server("200 OK", remoteGif());
    control.setRemoteLimits(10000, 64);
    control.LoadAnimatedGIF_Remote(server.url());
    EXPECT_TRUE(waitForSignal(&control, &ucAniGIF::RemoteLoadFailure));
    EXPECT_EQ(control.FrameCount(), 0);

    EventLog events(control);
    control.LoadAnimatedGIF_Remote(QString()); // nothing to do
    control.LoadAnimatedGIF_Remote(QStringLiteral("::not a url"));
    EXPECT_EQ(events.remoteFailures, 1);
}
