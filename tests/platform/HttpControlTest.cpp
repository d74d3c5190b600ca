// The HTTP control against loopback servers: completion event, body text, failures, time-out,
// size bounds, proxy.
#include "LoopbackHttpServer.h"
#include "platform/qt/QtHttpControl.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using platform::HttpControl;
using platform::QtHttpControl;
using testsupport::HttpRequest;
using testsupport::HttpResponse;
using testsupport::LoopbackHttpServer;

namespace {

QByteArray allByteValues(int times) {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes.repeated(times);
}

class HttpControlTest : public ::testing::Test {
protected:
    // Starts a GET and waits for its one completion event; false when none came.
    bool executeAndWait(QtHttpControl& control, const QString& url) {
        QSignalSpy spy(&control, &HttpControl::StateChanged);
        control.Execute(url);
        return spy.wait(5000) && spy.count() == 1 &&
               spy.at(0).at(0).toInt() == HttpControl::icResponseCompleted;
    }
    // Starts a GET of a server that never answers and returns once the request has arrived.
    void executeHanging() {
        server.route("/slow", HttpResponse::hang());
        http.Execute(server.url("/slow"));
        ASSERT_TRUE(QSignalSpy(&server, &LoopbackHttpServer::requestReceived).wait(5000));
    }

    LoopbackHttpServer server;
    QtHttpControl http;
};

TEST_F(HttpControlTest, CompletesWithTheBodyAsLatin1TextCutAt200000Characters) {
    server.route("/nimbrisco/catalogue", HttpResponse::ok(allByteValues(1000), "text/plain"));
    ASSERT_TRUE(executeAndWait(http, server.url("/nimbrisco/catalogue?p=1&x00=x8888")));
    EXPECT_FALSE(http.LastRequestFailed());
    EXPECT_EQ(server.requests().last().query, "p=1&x00=x8888");
    const QString chunk = http.GetChunk();
    ASSERT_EQ(chunk.size(), 200000);
    // Every byte reads as the character of the same code.
    for (int i = 0; i < chunk.size(); ++i)
        ASSERT_EQ(chunk.at(i).unicode(), i % 256) << "character " << i;
}

TEST_F(HttpControlTest, FailuresAndTimeOutsCompleteWithAnEmptyChunkAndGiveNoBytes) {
    // A time-out of 0 would wait for ever.
    http.setRequestTimeout(0);
    EXPECT_EQ(http.RequestTimeout(), 30000);
    http.setRequestTimeout(300);
    server.route("/ok", HttpResponse::ok("fine"));
    server.route("/missing", HttpResponse::withStatus(404, "<html>Not here</html>"));
    server.route("/broken", HttpResponse::withStatus(500, "<html>Oops</html>"));
    server.route("/dropped", HttpResponse::drop());
    server.route("/silent", HttpResponse::hang());
    LoopbackHttpServer dead;
    const QString deadUrl = dead.url("/gone");
    dead.close();
    for (const QString& url :
         {server.url("/missing"), server.url("/broken"), server.url("/dropped"),
          server.url("/silent"), deadUrl, QString("not an address at all")}) {
        // A good reply first, so that a stale chunk would show and the control is seen usable.
        ASSERT_TRUE(executeAndWait(http, server.url("/ok")));
        ASSERT_EQ(http.GetChunk(), "fine");
        ASSERT_TRUE(executeAndWait(http, url)) << url.toStdString();
        EXPECT_TRUE(http.LastRequestFailed()) << url.toStdString();
        EXPECT_TRUE(http.GetChunk().isEmpty()) << url.toStdString();
        EXPECT_TRUE(http.OpenURL(url, 1024).isEmpty()) << url.toStdString();
    }
}

TEST_F(HttpControlTest, ExecuteWhileRunningReplacesTheRequestAndCancelEndsItWithoutEvent) {
    server.route("/fast", HttpResponse::ok("second"));
    QSignalSpy completions(&http, &HttpControl::StateChanged);
    QSignalSpy closed(&server, &LoopbackHttpServer::connectionClosed);
    executeHanging();
    http.Execute(server.url("/fast"));
    ASSERT_TRUE(completions.wait(5000));
    // Both connections end: the abandoned one and the answered one.
    while (closed.count() < 2)
        ASSERT_TRUE(closed.wait(5000));
    EXPECT_EQ(http.GetChunk(), "second");
    executeHanging();
    http.Cancel();
    EXPECT_FALSE(http.StillExecuting());
    ASSERT_TRUE(closed.wait(5000));
    EXPECT_EQ(completions.count(), 1);
}

TEST_F(HttpControlTest, OpenUrlReturnsTheBytesWithinItsBounds) {
    const QByteArray bytes = allByteValues(4);
    HttpResponse streamed = HttpResponse::ok(bytes, "image/gif");
    streamed.sendContentLength = false;
    server.route("/pic", HttpResponse::ok(bytes, "image/gif"));
    server.route("/streamed", streamed);
    for (const char* path : {"/pic", "/streamed"}) {
        EXPECT_EQ(http.OpenURL(server.url(path), bytes.size()), bytes) << path;
        EXPECT_TRUE(http.OpenURL(server.url(path), bytes.size() - 1).isEmpty()) << path;
    }
}

TEST_F(HttpControlTest, ProxyIsUsedWithItsAccountButNotForThisMachine) {
    // The proxy asks for credentials first, as proxies do, then answers for the origin.
    const QByteArray account = "Basic " + QByteArray("meteo:s3cr,\"et").toBase64();
    LoopbackHttpServer proxy;
    proxy.setFallback([&account](const HttpRequest& r) {
        if (r.header("proxy-authorization") != account)
            return HttpResponse::withStatus(407).withHeader("Proxy-Authenticate",
                                                            "Basic realm=\"lan\"");
        return HttpResponse::ok("via proxy");
    });
    const QString origin = "http://pictures.nimbrisco.invalid/sat/europe.jpg?x=1";
    QtHttpControl wrongAccount;
    for (const auto& [control, password] :
         {std::pair(&wrongAccount, "wrong"), {&http, "s3cr,\"et"}}) {
        control->setProxy("127.0.0.1");
        control->setProxyPort(proxy.port());
        control->setUserName("meteo");
        control->setPassword(password);
    }
    ASSERT_TRUE(executeAndWait(wrongAccount, origin));
    EXPECT_TRUE(wrongAccount.LastRequestFailed());
    ASSERT_TRUE(executeAndWait(http, origin));
    EXPECT_FALSE(http.LastRequestFailed());
    EXPECT_EQ(http.GetChunk(), "via proxy");
    EXPECT_EQ(http.OpenURL(origin, 1024), "via proxy");

    // This machine's own services are reached directly.
    server.route("/direct", HttpResponse::ok("direct"));
    const int proxied = proxy.requestCount();
    ASSERT_TRUE(executeAndWait(http, server.url("/direct")));
    EXPECT_EQ(http.GetChunk(), "direct");
    EXPECT_EQ(proxy.requestCount(), proxied);
}

} // namespace
