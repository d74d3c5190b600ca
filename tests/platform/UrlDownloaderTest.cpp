// The URL download to a file over loopback: whole body written, redirects, and failures that leave
// the old file.
#include "LoopbackHttpServer.h"
#include "platform/qt/QtUrlDownloader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::QtUrlDownloader;
using testsupport::HttpResponse;
using testsupport::LoopbackHttpServer;

namespace {

constexpr qint64 kCap = 4096;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class UrlDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        target = dir.filePath("Nimbrisco7_Img3.gif");
    }
    void writePrevious() {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("previous picture");
    }
    void expectPreviousKept() {
        EXPECT_EQ(readAll(target), "previous picture");
        // No temporary file is left beside it either.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    QTemporaryDir dir;
    QString target;
    LoopbackHttpServer server;
    QtUrlDownloader downloader{2000, kCap};
};

TEST_F(UrlDownloaderTest, WritesTheBodyOverThePreviousFile) {
    QByteArray body("GIF89a");
    for (int i = 0; i < 256; ++i)
        body.append(static_cast<char>(i));
    server.route("/radar.gif", HttpResponse::ok(body, "image/gif"));
    writePrevious();
    ASSERT_TRUE(downloader.downloadToFile(server.url("/radar.gif"), target));
    EXPECT_EQ(readAll(target), body);
}

TEST_F(UrlDownloaderTest, EveryDownloadReachesTheServer) {
    int served = 0;
    server.route("/live.jpg", [&served](const testsupport::HttpRequest&) {
        return HttpResponse::ok("version " + QByteArray::number(++served), "image/jpeg");
    });
    ASSERT_TRUE(downloader.downloadToFile(server.url("/live.jpg"), target));
    ASSERT_TRUE(downloader.downloadToFile(server.url("/live.jpg"), target));
    EXPECT_EQ(server.requestCount("/live.jpg"), 2);
    EXPECT_EQ(readAll(target), "version 2");
}

TEST_F(UrlDownloaderTest, FollowsRedirects) {
    server.route("/old.png", HttpResponse::redirect("/new.png"));
    server.route("/new.png", HttpResponse::ok("moved picture", "image/png"));
    ASSERT_TRUE(downloader.downloadToFile(server.url("/old.png"), target));
    EXPECT_EQ(readAll(target), "moved picture");
    EXPECT_EQ(server.requestCount("/new.png"), 1);
}

TEST_F(UrlDownloaderTest, HttpErrorsLeaveThePreviousFile) {
    server.route("/missing.gif", HttpResponse::withStatus(404, "<html>not found</html>"));
    server.route("/broken.gif", HttpResponse::withStatus(500, "<html>error</html>"));
    server.route("/dropped.gif", HttpResponse::drop());
    writePrevious();
    EXPECT_FALSE(downloader.downloadToFile(server.url("/missing.gif"), target));
    EXPECT_FALSE(downloader.downloadToFile(server.url("/broken.gif"), target));
    EXPECT_FALSE(downloader.downloadToFile(server.url("/dropped.gif"), target));
    expectPreviousKept();
}

TEST_F(UrlDownloaderTest, OversizedBodiesAreRefused) {
    const QByteArray huge(kCap + 1, 'x');
    server.route("/announced.jpg", HttpResponse::ok(huge, "image/jpeg"));
    HttpResponse streamed = HttpResponse::ok(huge, "image/jpeg");
    streamed.sendContentLength = false;
    server.route("/streamed.jpg", streamed);
    server.route("/fits.jpg", HttpResponse::ok(QByteArray(kCap, 'y'), "image/jpeg"));
    writePrevious();
    EXPECT_FALSE(downloader.downloadToFile(server.url("/announced.jpg"), target));
    EXPECT_FALSE(downloader.downloadToFile(server.url("/streamed.jpg"), target));
    expectPreviousKept();
    EXPECT_TRUE(downloader.downloadToFile(server.url("/fits.jpg"), target));
    EXPECT_EQ(readAll(target).size(), kCap);
}

TEST_F(UrlDownloaderTest, TimeOutAndDeadServerLeaveThePreviousFile) {
    QtUrlDownloader impatient(300, kCap);
    server.route("/silent.jpg", HttpResponse::hang());
    writePrevious();
    EXPECT_FALSE(impatient.downloadToFile(server.url("/silent.jpg"), target));
    const QString url = server.url("/any.jpg");
    server.close();
    EXPECT_FALSE(downloader.downloadToFile(url, target));
    expectPreviousKept();
}

// Sets a process environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST_F(UrlDownloaderTest, UsesTheSystemProxyButNotForThisMachine) {
    LoopbackHttpServer proxy;
    proxy.setFallback([](const testsupport::HttpRequest&) {
        return HttpResponse::ok("from proxy", "image/gif");
    });
    ScopedEnv env("http_proxy", proxy.url("").toLatin1());
    ScopedEnv noProxy("no_proxy", "");
    const QString remote = "http://pictures.nimbrisco.invalid/radar.gif";
    ASSERT_TRUE(downloader.downloadToFile(remote, target));
    EXPECT_EQ(readAll(target), "from proxy");
    EXPECT_EQ(proxy.requests().last().target, remote.toLatin1());

    server.route("/local.gif", HttpResponse::ok("local", "image/gif"));
    ASSERT_TRUE(downloader.downloadToFile(server.url("/local.gif"), target));
    EXPECT_EQ(readAll(target), "local");
    EXPECT_EQ(proxy.requestCount(), 1);
}

TEST_F(UrlDownloaderTest, UnwritableTargetFails) {
    server.route("/pic.jpg", HttpResponse::ok("data", "image/jpeg"));
    EXPECT_FALSE(
        downloader.downloadToFile(server.url("/pic.jpg"), dir.filePath("no/such/dir.jpg")));
}

} // namespace
