// Web-page entries of the fetch pass on a real browser engine: rendered pages captured to
// "HTTP_IMG.bmp" (or the placeholder when that fails), town placeholders, silenced script
// dialogs, script pages' first image saved as "PHP.gif", the view emptied after each page, and
// the bounds of every browser wait.
#include "CatalogueTestSupport.h"

#include "catalogue/PictureFetcher.h"
#include "catalogue/SilentWebPage.h"

#include "slideshow/PictureDecoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

class FetchPageRenderTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        clock().realWaitMs = 0;
        // The window of the running program is on screen; the engine draws only what is shown.
        form().show();
        form().panel.SSTCfg_timeRefresh->setText("8");
    }
    void fetchEntries(const QStringList& entries) {
        setCatalogue(entries);
        ASSERT_TRUE(form().pictureFetcher().FetchPass(2));
    }
    // The value of `script` in the document webvis holds now; -1 when it does not answer.
    int runScript(const QString& script) {
        int value = -1;
        bool answered = false;
        form().views.webvis->page()->runJavaScript(script, [&](const QVariant& result) {
            value = result.isValid() ? result.toInt() : -1;
            answered = true;
        });
        QElapsedTimer waited;
        waited.start();
        while (!answered && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return value;
    }
};

} // namespace

TEST_F(FetchPageRenderTest, ATownPageIsFilledInRenderedAtScreenSizeAndCaptured) {
    server.route("/page.html", HttpResponse::ok(kColourPage));
    form().townFrame.PARAM[1]->setText("Modena");
    form().townFrame.PARAM[13]->setText("C");
    fetchEntries({coded('3', "/page.html?town=<p02>&unit=<p14>&x=<p15>")});
    EXPECT_EQ(decodedQuery(server.requests().first()), "town=Modena&unit=C&x=<p15>");

    const QImage image(workPath("Nimbrisco7_ImgHTTP_IMG.bmp"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1920, 1080));
    EXPECT_EQ(QColor(image.pixel(100, 100)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(1500, 100)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(1500, 800)), QColor(Qt::blue));

    EXPECT_EQ(state().listPictureKind[0], 2);
    EXPECT_FALSE(form().views.webvis->isVisible());
    auto* page = qobject_cast<SilentWebPage*>(form().views.webvis->page());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->suppressedDialogs(), 3);
}

TEST_F(FetchPageRenderTest, TheViewIsEmptiedAfterEachPageAndStillRendersTheNextOne) {
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
    QWebEngineView* view = form().views.webvis;

    fetchEntries({coded('2', "/running.html"), coded('2', "/green.html")});
    const QImage first = pictures::decodeFull(state().listPicture[0].encoded);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(QColor(first.pixel(960, 540)), QColor(Qt::red));
    // The second page was loaded to its end in the same view and captured.
    EXPECT_EQ(server.requestCount("/green.html"), 1);
    EXPECT_EQ(state().WebPageToImgEnd, kTrue);
    EXPECT_EQ(state().listPictureKind[1], 2);
    EXPECT_EQ(state().listIMAGEnotLoaded[1], 0);
    QWebEnginePage* page = view->page();
    EXPECT_TRUE(qobject_cast<SilentWebPage*>(page));
    EXPECT_EQ(view->url(), QUrl("about:blank"));
    EXPECT_EQ(runScript("document.scripts.length + document.body.innerHTML.length"), 0);

    fetchEntries({coded('6', "/script.php")});
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_EQ(view->page(), page);
    EXPECT_EQ(view->url(), QUrl("about:blank"));
    EXPECT_EQ(runScript("document.scripts.length + document.body.innerHTML.length"), 0);
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
    EXPECT_EQ(state().listPicture[0].encoded, form().views.ErrLoadPicture.encoded);
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
    form().pictureFetcher().pageLoadTimeoutMs = 400;
    form().pictureFetcher().scriptPageTimeoutMs = 400;
    form().pictureFetcher().firstFrameTimeoutMs = 200;
    server.route("/hang.html", HttpResponse::hang());
    fetchEntries({coded('2', "/hang.html"), coded('6', "/hang.html")});

    EXPECT_EQ(state().Http2BmpRunning, kFalse);
    EXPECT_NE(state().listPictureKind[0], 0);
    EXPECT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(state().listIMAGEnotLoaded[1], -1);
}
