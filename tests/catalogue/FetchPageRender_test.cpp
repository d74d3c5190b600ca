// Web-page entries of the fetch pass on a real browser engine: rendered pages captured to
// "HTTP_IMG.bmp", town placeholders, script pages' first image saved as "PHP.gif", and the
// bounds of every browser wait.
#include "CatalogueTestSupport.h"

#include "catalogue/PictureFetcher.h"
#include "catalogue/SilentWebPage.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QWebEngineView>

using testsupport::HttpResponse;

namespace {

const QByteArray kColourPage =
    "<!DOCTYPE html><html><body style='margin:0;background:#ffffff'>"
    "<div style='width:960px;height:540px;background:#ff0000'></div>"
    "<div style='width:1920px;height:540px;background:#0000ff'></div></body></html>";

class FetchPageRenderTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        clock().realWaitMs = 0;
        // The window of the running program is on screen; the engine draws only what is shown.
        form().show();
        form().panel.SSTCfg_timeRefresh->setText(QStringLiteral("8"));
    }
    QString coded(char kind, const QString& path) const {
        return QString(server.url(path)).replace(0, 1, QLatin1Char(kind));
    }
    void fetchEntries(const QStringList& entries) {
        state().listURL.clear();
        for (int i = 0; i < entries.size(); ++i)
            state().listURL[i] = entries[i];
        ASSERT_TRUE(form().pictureFetcher().FetchPass(2));
    }
    QImage capture() const {
        return QImage(workPath(QStringLiteral("Nimbrisco7_ImgHTTP_IMG.bmp")));
    }
    QByteArray phpGif() {
        QFile f(state().Nimbrisco_PHP_Dir + QStringLiteral("/PHP.gif"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(FetchPageRenderTest, APageIsRenderedAtScreenSizeAndCaptured) {
    server.route(QStringLiteral("/page.html"), HttpResponse::ok(kColourPage));
    fetchEntries({coded('2', QStringLiteral("/page.html"))});

    const QImage image = capture();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1920, 1080));
    EXPECT_EQ(QColor(image.pixel(100, 100)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(1500, 100)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(1500, 800)), QColor(Qt::blue));

    EXPECT_EQ(state().listPictureKind[0], 2);
    EXPECT_EQ(state().listPicture[0].naturalSize, QSize(1920, 1080));
    EXPECT_EQ(form().pictureFetcher().webPageUrl, server.url(QStringLiteral("/page.html")));
    EXPECT_EQ(state().IsWebPage, kTrue);
    EXPECT_EQ(state().Http2BmpRunning, kFalse);
    EXPECT_NE(state().WebPageToImgEnd, kFalse);
    EXPECT_FALSE(form().Timer4000.isActive());
    EXPECT_FALSE(form().views.webvis->isVisible());
    // The prescribed delays of one render: 2 s, 4 s and 1 s.
    EXPECT_GE(clock().sleptMs(), 7000);
}

TEST_F(FetchPageRenderTest, TownPlaceholdersAreFilledBeforeThePageIsOpened) {
    QString query;
    server.route(QStringLiteral("/forecast.html"), [&query](const testsupport::HttpRequest& r) {
        query = QUrl::fromPercentEncoding(r.query.toLatin1());
        return HttpResponse::ok(kColourPage);
    });
    form().townFrame.PARAM[0]->setText(QStringLiteral("Bologna"));
    form().townFrame.PARAM[1]->setText(QStringLiteral("Modena"));
    form().townFrame.PARAM[13]->setText(QStringLiteral("C"));
    fetchEntries({coded('3', QStringLiteral("/forecast.html?town=<p02>&unit=<p14>&x=<p15>"))});
    EXPECT_EQ(query, QStringLiteral("town=Modena&unit=C&x=<p15>"));
    EXPECT_EQ(state().listPictureKind[0], 2);
}

TEST_F(FetchPageRenderTest, AScriptPagesFirstImageIsSavedAndLoaded) {
    const QByteArray gif = pictureBytes("GIF", Qt::green);
    server.route(QStringLiteral("/station.gif"), HttpResponse::ok(gif, "image/gif"));
    server.route(QStringLiteral("/other.gif"), HttpResponse::ok(pictureBytes("GIF", Qt::red)));
    server.route(QStringLiteral("/script.php"),
                 HttpResponse::ok("<html><body><p>Station</p><img src='/station.gif'>"
                                  "<img src='/other.gif'></body></html>"));
    fetchEntries({coded('6', QStringLiteral("/script.php"))});

    EXPECT_EQ(phpGif(), gif);
    EXPECT_EQ(state().tmpStrUrl, server.url(QStringLiteral("/script.php")));
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_EQ(state().listIMAGEnotLoaded[0], 0);
    EXPECT_EQ(readWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_1.gif")), gif);
    EXPECT_FALSE(form().views.webvis->isVisible());
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(FetchPageRenderTest, AScriptPageWithoutImageGetsThePlaceholderAndThePassGoesOn) {
    server.route(QStringLiteral("/empty.php"), HttpResponse::ok("<html><body>none</body></html>"));
    servePicture(QStringLiteral("/after.png"), "PNG", Qt::red);
    fetchEntries(
        {coded('6', QStringLiteral("/empty.php")), server.url(QStringLiteral("/after.png"))});

    ASSERT_EQ(messages().shown.size(), 1u);
    const platform::RecordedMessage& box = messages().shown.front();
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("BadPhpNavigate: Error on ") +
                                    server.url(QStringLiteral("/empty.php")) +
                                    QStringLiteral("\r\n")));
    EXPECT_GT(box.text.size(), (QStringLiteral("BadPhpNavigate: Error on \r\n") +
                                server.url(QStringLiteral("/empty.php")))
                                   .size());
    EXPECT_EQ(box.title, QStringLiteral("Navigation Error"));
    EXPECT_EQ(box.icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(state().listIMAGEnotLoaded[0], -1);
    EXPECT_EQ(state().listPictureKind[0], 1);
    EXPECT_FALSE(state().listPicture[0].isNull());
    EXPECT_EQ(state().listIMAGEnotLoaded[1], 0);
    EXPECT_EQ(state().pictureCount, 2);
}

TEST_F(FetchPageRenderTest, AScriptImageThatCannotBeFetchedIsAnError) {
    server.route(QStringLiteral("/broken.php"),
                 HttpResponse::ok("<html><body><img src='/missing.gif'></body></html>"));
    fetchEntries({coded('6', QStringLiteral("/broken.php"))});
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown.front().title, QStringLiteral("Navigation Error"));
    EXPECT_EQ(state().listIMAGEnotLoaded[0], -1);
}

TEST_F(FetchPageRenderTest, PagesThatNeverCompleteAreGivenUp) {
    form().pictureFetcher().pageLoadTimeoutMs = 400;
    form().pictureFetcher().scriptPageTimeoutMs = 400;
    form().pictureFetcher().firstFrameTimeoutMs = 200;
    server.route(QStringLiteral("/hang.html"), HttpResponse::hang());
    fetchEntries(
        {coded('2', QStringLiteral("/hang.html")), coded('6', QStringLiteral("/hang.html"))});

    EXPECT_EQ(state().Http2BmpRunning, kFalse);
    EXPECT_EQ(state().pictureCount, 2);
    EXPECT_NE(state().listPictureKind[0], 0);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown.front().title, QStringLiteral("Navigation Error"));
    EXPECT_EQ(state().listIMAGEnotLoaded[1], -1);
}

TEST_F(FetchPageRenderTest, ScriptDialogsOfAPageAreAnsweredInSilentMode) {
    server.route(QStringLiteral("/noisy.html"),
                 HttpResponse::ok("<html><body style='background:#00ff00'><script>"
                                  "alert('hello'); confirm('sure?'); prompt('name?');"
                                  "</script><div style='margin-top:600px;height:100px;"
                                  "background:#ff0000'></div></body></html>"));
    fetchEntries({coded('2', QStringLiteral("/noisy.html"))});
    auto* page = qobject_cast<SilentWebPage*>(form().views.webvis->page());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->Silent());
    EXPECT_EQ(page->suppressedDialogs(), 3);
    EXPECT_EQ(QColor(capture().pixel(10, 10)), QColor(Qt::green));
}
