// The URL download to a file over loopback: whole body written, redirects, the system proxy, and
// failures that leave the old file.
#include "LoopbackHttpServer.h"
#include "platform/Ending.h"
#include "platform/qt/QtUrlDownloader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using platform::QtUrlDownloader;
using testsupport::HttpRequest;
using testsupport::HttpResponse;
using testsupport::LoopbackHttpServer;

namespace {

constexpr qint64 kCap = 4096;

class UrlDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("previous picture");
    }
    QByteArray written() const {
        QFile f(target);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    bool download(const QString& path) {
        return downloader.downloadToFile(server.url(path), target);
    }

    QTemporaryDir dir;
    const QString target = dir.filePath("Nimbrisco7_Img3.gif");
    LoopbackHttpServer server;
    QtUrlDownloader downloader{2000, kCap};
};

TEST_F(UrlDownloaderTest, EveryDownloadReachesTheServerAndReplacesTheFile) {
    QByteArray body("GIF89a");
    for (int i = 0; i < 256; ++i)
        body.append(static_cast<char>(i));
    int served = 0;
    server.route("/radar.gif", [&](const HttpRequest&) {
        return HttpResponse::ok(body + QByteArray::number(++served), "image/gif");
    });
    ASSERT_TRUE(download("/radar.gif"));
    EXPECT_EQ(written(), body + "1");
    // Never from a cache.
    ASSERT_TRUE(download("/radar.gif"));
    EXPECT_EQ(written(), body + "2");
    server.route("/old.png", HttpResponse::redirect("/new.png"));
    server.route("/new.png", HttpResponse::ok("moved picture", "image/png"));
    ASSERT_TRUE(download("/old.png"));
    EXPECT_EQ(written(), "moved picture");
    server.route("/fits.jpg", HttpResponse::ok(QByteArray(kCap, 'y'), "image/jpeg"));
    ASSERT_TRUE(download("/fits.jpg"));
    EXPECT_EQ(written().size(), kCap);
    EXPECT_FALSE(downloader.downloadToFile(server.url("/fits.jpg"), dir.filePath("no/dir.jpg")));
}

TEST_F(UrlDownloaderTest, FailuresLeaveThePreviousFileAndNoTemporaryOne) {
    const QByteArray huge(kCap + 1, 'x');
    HttpResponse streamed = HttpResponse::ok(huge, "image/jpeg");
    streamed.sendContentLength = false;
    server.route("/missing.gif", HttpResponse::withStatus(404, "<html>not found</html>"));
    server.route("/broken.gif", HttpResponse::withStatus(500, "<html>error</html>"));
    server.route("/dropped.gif", HttpResponse::drop());
    server.route("/announced.jpg", HttpResponse::ok(huge, "image/jpeg"));
    server.route("/streamed.jpg", streamed);
    for (const char* path :
         {"/missing.gif", "/broken.gif", "/dropped.gif", "/announced.jpg", "/streamed.jpg"})
        EXPECT_FALSE(download(path)) << path;
    QtUrlDownloader impatient(300, kCap);
    server.route("/silent.jpg", HttpResponse::hang());
    EXPECT_FALSE(impatient.downloadToFile(server.url("/silent.jpg"), target));

    // The end of the run aborts the download in flight, and no other starts.
    platform::Ending ending;
    QtUrlDownloader ended(QtUrlDownloader::kDefaultTimeoutMs, kCap, &ending);
    HttpResponse slow = HttpResponse::ok("late picture", "image/jpeg");
    slow.delayMs = 3000;
    server.route("/slow.jpg", slow);
    QTimer::singleShot(100, &ending, &platform::Ending::request);
    EXPECT_FALSE(ended.downloadToFile(server.url("/slow.jpg"), target));
    const int sent = server.requestCount();
    EXPECT_FALSE(ended.downloadToFile(server.url("/fits.jpg"), target));
    EXPECT_EQ(server.requestCount(), sent);

    const QString url = server.url("/any.jpg");
    server.close();
    EXPECT_FALSE(downloader.downloadToFile(url, target));
    EXPECT_EQ(written(), "previous picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

// Sets a process environment variable until the end of the scope.
struct ScopedEnv {
    ScopedEnv(const char* n, const QByteArray& value)
        : name(n), had(qEnvironmentVariableIsSet(n)), old(qgetenv(n)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { had ? qputenv(name, old) : qunsetenv(name); }
    const char* name;
    bool had;
    QByteArray old;
};

TEST_F(UrlDownloaderTest, UsesTheSystemProxyButNotForThisMachine) {
    LoopbackHttpServer proxy;
    proxy.setFallback([](const HttpRequest&) { return HttpResponse::ok("from proxy"); });
    const ScopedEnv env("http_proxy", proxy.url("").toLatin1()), noProxy("no_proxy", "");
    const QString remote = "http://pictures.nimbrisco.invalid/radar.gif";
    ASSERT_TRUE(downloader.downloadToFile(remote, target));
    EXPECT_EQ(written(), "from proxy");
    EXPECT_EQ(proxy.requests().value(0).target, remote.toLatin1());
    server.route("/local.gif", HttpResponse::ok("local", "image/gif"));
    EXPECT_TRUE(download("/local.gif"));
    EXPECT_EQ(written(), "local");
    EXPECT_EQ(proxy.requestCount(), 1);
}

} // namespace
