// The HTTP control against loopback servers: completion event, body text, failures, time-out,
// proxy.
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

// What a proxy answers to a request without (accepted) credentials.
HttpResponse proxyChallenge() {
    return HttpResponse::withStatus(407).withHeader("Proxy-Authenticate", "Basic realm=\"lan\"");
}

QByteArray allByteValues() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

class HttpControlTest : public ::testing::Test {
protected:
    // Starts a GET and waits for its completion event; false when none came.
    bool executeAndWait(const QString& url) {
        QSignalSpy spy(&http, &HttpControl::StateChanged);
        http.Execute(url);
        if (!spy.wait(5000))
            return false;
        return spy.count() == 1 && spy.at(0).at(0).toInt() == HttpControl::icResponseCompleted;
    }

    LoopbackHttpServer server;
    QtHttpControl http;
};

TEST_F(HttpControlTest, CompletesWithTheBodyAsText) {
    server.route("/nimbrisco/catalogue", HttpResponse::ok("ZEP_REPLY_TO_CLIENT<P>tail"));
    QSignalSpy spy(&http, &HttpControl::StateChanged);
    http.Execute(server.url("/nimbrisco/catalogue?p=1&x00=x8888"));
    EXPECT_TRUE(http.StillExecuting());
    ASSERT_TRUE(spy.wait(5000));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 12);
    EXPECT_FALSE(http.StillExecuting());
    EXPECT_FALSE(http.LastRequestFailed());
    EXPECT_EQ(http.GetChunk(), "ZEP_REPLY_TO_CLIENT<P>tail");
    EXPECT_EQ(server.requests().last().query, "p=1&x00=x8888");
}

TEST_F(HttpControlTest, ChunkIsCutAt200000Characters) {
    QByteArray body;
    for (int i = 0; body.size() < 250000; ++i)
        body += QByteArray::number(i) + ',';
    server.route("/big", HttpResponse::ok(body));
    ASSERT_TRUE(executeAndWait(server.url("/big")));
    EXPECT_FALSE(http.LastRequestFailed());
    ASSERT_EQ(http.GetChunk().size(), 200000);
    EXPECT_EQ(http.GetChunk(), QString::fromLatin1(body.left(200000)));
}

TEST_F(HttpControlTest, EveryByteValueReadsAsTheSameCharacterCode) {
    server.route("/bytes", HttpResponse::ok(allByteValues(), "application/octet-stream"));
    ASSERT_TRUE(executeAndWait(server.url("/bytes")));
    const QString chunk = http.GetChunk();
    ASSERT_EQ(chunk.size(), 256);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(chunk.at(i).unicode(), i) << "byte " << i;
    EXPECT_EQ(chunk.toLatin1(), allByteValues());
}

TEST_F(HttpControlTest, FailuresCompleteWithAnEmptyChunk) {
    server.route("/ok", HttpResponse::ok("fine"));
    server.route("/missing", HttpResponse::withStatus(404, "<html>Not here</html>"));
    server.route("/broken", HttpResponse::withStatus(500, "<html>Oops</html>"));
    server.route("/dropped", HttpResponse::drop());
    for (const char* path : {"/missing", "/broken", "/dropped"}) {
        // A good reply first, so that a stale chunk would show.
        ASSERT_TRUE(executeAndWait(server.url("/ok")));
        ASSERT_EQ(http.GetChunk(), "fine");
        ASSERT_TRUE(executeAndWait(server.url(path))) << path;
        EXPECT_TRUE(http.LastRequestFailed()) << path;
        EXPECT_TRUE(http.GetChunk().isEmpty()) << path;
    }
}

TEST_F(HttpControlTest, DeadPortAndBadAddressComplete) {
    const QString url = server.url("/gone");
    server.close();
    ASSERT_TRUE(executeAndWait(url));
    EXPECT_TRUE(http.LastRequestFailed());
    EXPECT_TRUE(http.GetChunk().isEmpty());

    ASSERT_TRUE(executeAndWait("not an address at all"));
    EXPECT_TRUE(http.LastRequestFailed());
}

TEST_F(HttpControlTest, TimeOutCompletesAsFailureAndControlStaysUsable) {
    EXPECT_EQ(http.RequestTimeout(), 30000);
    http.setRequestTimeout(0);
    EXPECT_EQ(http.RequestTimeout(), 30000);
    server.route("/silent", HttpResponse::hang());
    server.route("/ok", HttpResponse::ok("after"));
    http.setRequestTimeout(300);
    ASSERT_TRUE(executeAndWait(server.url("/silent")));
    EXPECT_TRUE(http.LastRequestFailed());
    EXPECT_TRUE(http.GetChunk().isEmpty());
    EXPECT_FALSE(http.StillExecuting());

    ASSERT_TRUE(executeAndWait(server.url("/ok")));
    EXPECT_FALSE(http.LastRequestFailed());
    EXPECT_EQ(http.GetChunk(), "after");
}

TEST_F(HttpControlTest, ExecuteWhileRunningReplacesTheFirstRequest) {
    server.route("/slow", HttpResponse::hang());
    server.route("/fast", HttpResponse::ok("second"));
    QSignalSpy completions(&http, &HttpControl::StateChanged);
    QSignalSpy closed(&server, &LoopbackHttpServer::connectionClosed);
    http.Execute(server.url("/slow"));
    ASSERT_TRUE(QSignalSpy(&server, &LoopbackHttpServer::requestReceived).wait(5000));
    http.Execute(server.url("/fast"));
    ASSERT_TRUE(completions.wait(5000));
    // Both connections end: the abandoned one and the answered one.
    while (closed.count() < 2)
        ASSERT_TRUE(closed.wait(5000));
    EXPECT_EQ(completions.count(), 1);
    EXPECT_EQ(http.GetChunk(), "second");
    EXPECT_FALSE(http.LastRequestFailed());
}

TEST_F(HttpControlTest, CancelEndsTheRequestWithoutEvent) {
    server.route("/slow", HttpResponse::hang());
    QSignalSpy completions(&http, &HttpControl::StateChanged);
    QSignalSpy closed(&server, &LoopbackHttpServer::connectionClosed);
    http.Execute(server.url("/slow"));
    ASSERT_TRUE(QSignalSpy(&server, &LoopbackHttpServer::requestReceived).wait(5000));
    http.Cancel();
    EXPECT_FALSE(http.StillExecuting());
    ASSERT_TRUE(closed.wait(5000));
    EXPECT_EQ(completions.count(), 0);
}

TEST_F(HttpControlTest, OpenUrlReturnsTheBytesWithinItsBounds) {
    const QByteArray bytes = allByteValues().repeated(4);
    server.route("/pic", HttpResponse::ok(bytes, "image/gif"));
    HttpResponse streamed = HttpResponse::ok(bytes, "image/gif");
    streamed.sendContentLength = false;
    server.route("/streamed", streamed);
    server.route("/missing", HttpResponse::withStatus(404, "no"));

    EXPECT_EQ(http.OpenURL(server.url("/pic"), bytes.size()), bytes);
    EXPECT_TRUE(http.OpenURL(server.url("/pic"), bytes.size() - 1).isEmpty());
    EXPECT_EQ(http.OpenURL(server.url("/streamed"), bytes.size()), bytes);
    EXPECT_TRUE(http.OpenURL(server.url("/streamed"), bytes.size() - 1).isEmpty());
    EXPECT_TRUE(http.OpenURL(server.url("/missing"), 1024).isEmpty());
}

TEST_F(HttpControlTest, OpenUrlGivesUpAfterTheTimeOut) {
    server.route("/silent", HttpResponse::hang());
    http.setRequestTimeout(300);
    EXPECT_TRUE(http.OpenURL(server.url("/silent"), 1024).isEmpty());
}

TEST_F(HttpControlTest, ProxySettingsAreUsedWithTheAccount) {
    // The proxy asks for credentials first, as proxies do, then answers for the origin.
    LoopbackHttpServer proxy;
    proxy.setFallback([](const HttpRequest& r) {
        if (r.header("proxy-authorization").isEmpty())
            return proxyChallenge();
        return HttpResponse::ok("via proxy");
    });
    http.setProxy("127.0.0.1");
    http.setProxyPort(proxy.port());
    http.setUserName("meteo");
    http.setPassword("s3cr,\"et");
    EXPECT_EQ(http.Proxy(), "127.0.0.1");
    EXPECT_EQ(http.ProxyPort(), proxy.port());

    const QString origin = "http://pictures.nimbrisco.invalid/sat/europe.jpg?x=1";
    ASSERT_TRUE(executeAndWait(origin));
    EXPECT_FALSE(http.LastRequestFailed());
    EXPECT_EQ(http.GetChunk(), "via proxy");
    const HttpRequest last = proxy.requests().last();
    EXPECT_EQ(last.target, origin.toLatin1());
    EXPECT_EQ(last.header("proxy-authorization"),
              "Basic " + QByteArray("meteo:s3cr,\"et").toBase64());
    EXPECT_EQ(http.OpenURL(origin, 1024), "via proxy");

    // This machine's own services are reached directly, proxy or not.
    server.route("/direct", HttpResponse::ok("direct"));
    const int proxied = proxy.requestCount();
    for (const char* host : {"127.0.0.1", ""}) {
        http.setProxy(host);
        ASSERT_TRUE(executeAndWait(server.url("/direct")));
        EXPECT_EQ(http.GetChunk(), "direct");
        EXPECT_EQ(proxy.requestCount(), proxied);
        EXPECT_TRUE(server.requests().last().target.startsWith('/'));
    }
}

TEST_F(HttpControlTest, WrongProxyAccountFails) {
    LoopbackHttpServer proxy;
    proxy.setFallback([](const HttpRequest&) { return proxyChallenge(); });
    http.setProxy("127.0.0.1");
    http.setProxyPort(proxy.port());
    http.setUserName("meteo");
    http.setPassword("wrong");
    ASSERT_TRUE(executeAndWait("http://pictures.nimbrisco.invalid/a.jpg"));
    EXPECT_TRUE(http.LastRequestFailed());
    EXPECT_TRUE(http.GetChunk().isEmpty());
}

} // namespace
