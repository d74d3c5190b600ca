// Web-page entries of the fetch pass on a real browser engine: rendered pages captured to
// "HTTP_IMG.bmp" (or the placeholder when that fails), town placeholders, silenced script
// dialogs, script pages' first image saved as "PHP.gif", the view emptied after each page, the
// engine's render process gone after the pass, and the bounds of every browser wait.
#include "CatalogueTestSupport.h"
#include "WaitUntil.h"

#include "catalogue/PictureFetcher.h"
#include "catalogue/SilentWebPage.h"

#include "slideshow/PictureDecoder.h"

#include "storage/TownSettings.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QWebEngineView>

using testsupport::HttpResponse;

namespace {

// Its script dialogs would block the render unless answered silently.
const QByteArray kColourPage =
    "<!DOCTYPE html><html><body style='margin:0;background:#ffffff'>"
    "<script>alert('hello'); confirm('sure?'); prompt('name?');</script>"
    "<div style='width:960px;height:540px;background:#ff0000'></div>"
    "<div style='width:1920px;height:540px;background:#0000ff'></div></body></html>";

// The pid of the process that `pid` was started by, 0 when unknown.
int parentOf(int pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // "pid (name) state ppid ...": the name may hold blanks, the part after its ')' does not.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 1 ? fields[1].toInt() : 0;
}

// The browser engine's render processes this test program has started.
int renderProcesses() {
    int count = 0;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        const int pid = entry.toInt();
        if (pid <= 0)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly) || !cmdline.readAll().contains("--type=renderer"))
            continue;
        for (int p = parentOf(pid); p > 1; p = parentOf(p)) {
            if (p == QCoreApplication::applicationPid()) {
                ++count;
                break;
            }
        }
    }
    return count;
}

class FetchPageRenderTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        clock().realWaitMs = 0;
        // The window of the running program is on screen; the engine draws only what is shown.
        form().show();
        form().parts().panel.SSTCfg_timeRefresh->setText("8");
    }
    void fetchEntries(const QStringList& entries) {
        setCatalogue(entries);
        ASSERT_TRUE(form().parts().pictureFetcher->FetchPass(2));
    }
};

} // namespace

TEST_F(FetchPageRenderTest, ATownPageIsFilledInRenderedAtScreenSizeAndCaptured) {
    server.route("/page.html", HttpResponse::ok(kColourPage));
    form().parts().townSettings->frame().PARAM[1]->setText("Modena");
    form().parts().townSettings->frame().PARAM[13]->setText("C");
    int suppressed = 0;
    clock().onSleep = [&](int) {
        if (auto* page = form().parts().views.webvis->findChild<SilentWebPage*>())
            suppressed = page->suppressedDialogs();
    };
    fetchEntries({coded('3', "/page.html?town=<p02>&unit=<p14>&x=<p15>")});
    EXPECT_EQ(decodedQuery(server.requests().first()), "town=Modena&unit=C&x=<p15>");

    const QImage image(workPath("Nimbrisco7_ImgHTTP_IMG.bmp"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1920, 1080));
    EXPECT_EQ(QColor(image.pixel(100, 100)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(1500, 100)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(1500, 800)), QColor(Qt::blue));

    EXPECT_EQ(state().listPictureKind[0], 2);
    EXPECT_FALSE(form().parts().views.webvis->isVisible());
    EXPECT_EQ(suppressed, 3);
}

TEST_F(FetchPageRenderTest, TheViewIsEmptiedAfterEachPageAndTheEngineReleasedAfterThePass) {
    // A page that goes on running: a script, a refresh and a sound.
    const QByteArray running = "<html><head><meta http-equiv='refresh' content='1'></head>"
                               "<body style='margin:0;background:#ff0000'><p>Red</p><audio "
                               "autoplay loop "
                               "src='/sound.wav'></audio><script>setInterval(function() {"
                               "document.title = 'tick ' + Date.now(); }, 20);</script></body>"
                               "</html>";
    server.route("/running.html", HttpResponse::ok(running));
    server.route(
        "/green.html",
        HttpResponse::ok("<html><body style='margin:0;background:#00ff00'><p>Green</p></body>"));
    server.route("/script.php", HttpResponse::ok("<html><body><img src='/station.gif'>"
                                                 "<script>setInterval(function() {}, 20);"
                                                 "</script></body></html>"));
    server.route("/station.gif", HttpResponse::ok(samples::animatedGif(QSize(8, 8), 2)));
    QWebEngineView* view = form().parts().views.webvis;

    // When the second page's render begins the view holds an empty page; a render process
    // runs meanwhile.
    QUrl idle, beforeSecond;
    int renders = 0;
    bool rendering = false;
    int renderers = 0;
    clock().onSleep = [&](int) {
        const bool now = state().Http2BmpRunning != kFalse;
        if (now && !rendering && ++renders == 2)
            beforeSecond = idle;
        rendering = now;
        if (!now && view->findChild<SilentWebPage*>())
            idle = view->url();
        if (renderers == 0)
            renderers = renderProcesses();
    };
    fetchEntries({coded('2', "/running.html"), coded('2', "/green.html")});
    clock().onSleep = nullptr;
    const QImage first = pictures::decodeFull(state().listPicture[0].encoded);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(QColor(first.pixel(960, 540)), QColor(Qt::red));
    EXPECT_EQ(beforeSecond, QUrl("about:blank"));
    // The second page was loaded to its end and captured.
    EXPECT_EQ(server.requestCount("/green.html"), 1);
    EXPECT_EQ(state().listPictureKind[1], 2);
    EXPECT_EQ(state().listIMAGEnotLoaded[1], 0);

    // After the pass no page is left, and the engine's render process ends.
    EXPECT_EQ(view->findChild<SilentWebPage*>(), nullptr);
    EXPECT_GT(renderers, 0);
    EXPECT_TRUE(testsupport::waitUntil([] { return renderProcesses() == 0; }, 20000, 100));

    // The next pass makes a page of its own again.
    fetchEntries({coded('6', "/script.php")});
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_EQ(view->findChild<SilentWebPage*>(), nullptr);
}

TEST_F(FetchPageRenderTest, APageThatCannotBeReachedKeepsTheLastCaptureOrGetsThePlaceholder) {
    bool reachable = true;
    server.route("/page.html", [&](const testsupport::HttpRequest&) {
        return reachable ? HttpResponse::ok(kColourPage) : HttpResponse::drop();
    });
    fetchEntries({coded('2', "/page.html")});
    const QByteArray good = state().listPicture[0].encoded;
    ASSERT_EQ(state().listIMAGEnotLoaded[0], 0);
    // The browser's error page is never captured in its place.
    reachable = false;
    fetchEntries({coded('2', "/page.html")});
    EXPECT_EQ(state().listPicture[0].encoded, good);
    EXPECT_EQ(state().listPictureKind[0], 2);
    EXPECT_EQ(state().listIMAGEnotLoaded[0], 0);
    // Another page, never reached before, has nothing to keep.
    server.route("/other.html", HttpResponse::drop());
    fetchEntries({coded('2', "/other.html")});
    EXPECT_EQ(state().listIMAGEnotLoaded[0], -1);
    EXPECT_EQ(state().listPicture[0].encoded, form().parts().views.ErrLoadPicture.encoded);
}

TEST_F(FetchPageRenderTest, ACaptureThatCannotBeWrittenGivesTheLoadingErrorPlaceholder) {
    server.route("/page.html", HttpResponse::ok(kColourPage));
    // The capture file's name is as long as the file system allows: the capture of an earlier
    // page is there, but no new one can be written beside it under a temporary name.
    state().imageFilePrefix = workDir() + "/" + QString(255 - 12, 'N');
    const QString capture = state().imageFilePrefix + "HTTP_IMG.bmp";
    QImage earlier(64, 48, QImage::Format_RGB32);
    earlier.fill(Qt::green);
    ASSERT_TRUE(earlier.save(capture, "BMP"));
    fetchEntries({coded('2', "/page.html")});
    ASSERT_EQ(QImage(capture).size(), earlier.size());

    EXPECT_EQ(state().listIMAGEnotLoaded[0], -1);
    EXPECT_EQ(state().listPictureKind[0], 1);
    EXPECT_EQ(state().listPicture[0].encoded, form().parts().views.ErrLoadPicture.encoded);
}

TEST_F(FetchPageRenderTest, AScriptPagesFirstImageIsSavedAndLoadedOrThePlaceholderTaken) {
    const QByteArray gif = samples::animatedGif(QSize(8, 8), 2);
    server.route("/station.gif", HttpResponse::ok(gif, "image/gif"));
    server.route("/other.gif", HttpResponse::ok(samples::animatedGif(QSize(6, 6), 2)));
    server.route("/script.php", HttpResponse::ok("<html><body><p>Station</p><img "
                                                 "src='/station.gif'><img src='/other.gif'>"));
    server.route("/empty.php", HttpResponse::ok("<html><body>none</body></html>"));
    server.route("/broken.php", HttpResponse::ok("<html><body><img src='/missing.gif'>"));
    servePicture("/after.png");
    fetchEntries({coded('6', "/empty.php"), coded('6', "/broken.php"), coded('6', "/script.php"),
                  server.url("/after.png")});

    // No image, or one that cannot be fetched: a message, the placeholder, and the pass goes on.
    ASSERT_EQ(messages().shown.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        const platform::RecordedMessage& box = messages().shown[k];
        const QString head = "BadPhpNavigate: Error on " +
                             server.url(k == 0 ? "/empty.php" : "/broken.php") + "\r\n";
        EXPECT_TRUE(box.text.startsWith(head)) << box.text.toStdString();
        EXPECT_GT(box.text.size(), head.size());
        EXPECT_EQ(box.title, "Navigation Error");
        EXPECT_EQ(state().listIMAGEnotLoaded[k], -1);
    }
    QFile php(state().Nimbrisco_PHP_Dir + "/PHP.gif");
    ASSERT_TRUE(php.open(QIODevice::ReadOnly));
    EXPECT_EQ(php.readAll(), gif);
    EXPECT_EQ(state().listPictureKind[2], 4);
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img_ANIGIF_1.gif"), gif);
    EXPECT_EQ(state().listIMAGEnotLoaded[3], 0);
}

TEST_F(FetchPageRenderTest, PagesThatNeverCompleteAreGivenUp) {
    form().parts().pictureFetcher->pageLoadTimeoutMs = 400;
    form().parts().pictureFetcher->scriptPageTimeoutMs = 400;
    form().parts().pictureFetcher->firstFrameTimeoutMs = 200;
    server.route("/hang.html", HttpResponse::hang());
    fetchEntries({coded('2', "/hang.html"), coded('6', "/hang.html")});

    EXPECT_EQ(state().Http2BmpRunning, kFalse);
    EXPECT_NE(state().listPictureKind[0], 0);
    EXPECT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(state().listIMAGEnotLoaded[1], -1);
}

TEST_F(FetchPageRenderTest, TheEndOfTheRunStopsAPageRenderAtOnceAndWritesNoCapture) {
    // Without the end, this page would hold the render for the whole of a long bound.
    form().parts().pictureFetcher->pageLoadTimeoutMs = 600000;
    server.route("/hang.html", HttpResponse::hang());
    QObject::connect(&server, &testsupport::LoopbackHttpServer::requestReceived, &server,
                     [this](const QString& path) {
                         if (path == "/hang.html")
                             ending().request();
                     });
    int sleepsAfterTheEnd = 0;
    clock().onSleep = [&](int) { sleepsAfterTheEnd += ending().requested(); };
    setCatalogue({coded('2', "/hang.html"), server.url("/next.jpg")});
    EXPECT_FALSE(form().parts().pictureFetcher->FetchPass(2));
    EXPECT_TRUE(ending().requested());
    EXPECT_LT(sleepsAfterTheEnd, 50);
    EXPECT_FALSE(workFileExists("Nimbrisco7_ImgHTTP_IMG.bmp"));
    EXPECT_EQ(server.requestCount("/next.jpg"), 0);
}
