// Download and loading of one picture into a store slot: every outcome, over loopback HTTP.
#include "../slideshow/PictureSamples.h"
#include "FormFixture.h"
#include "LoopbackHttpServer.h"
#include "catalogue/LocalFileName.h"
#include "catalogue/PictureLoader.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>

using testsupport::HttpResponse;
using testsupport::LoopbackHttpServer;

namespace {

class PictureLoaderTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        state().aniGifTag = QStringLiteral("_ANIGIF_");
        ASSERT_TRUE(server.isListening());
    }

    PictureLoader& loader() { return form().pictureLoader(); }
    void load(const QString& path, int slot) {
        loader().Load_JPG_GIF_PNG_On_Array(server.url(path), Integer(slot));
    }
    void serve(const QString& path, const QByteArray& body) {
        server.route(path, HttpResponse::ok(body, "application/octet-stream"));
    }
    void expectPlaceholder(int slot, const Picture& placeholder) {
        EXPECT_EQ(state().listIMAGEnotLoaded[slot], -1);
        EXPECT_EQ(state().listPictureKind[slot], 1);
        EXPECT_FALSE(placeholder.isNull());
        EXPECT_EQ(state().listPicture[slot].encoded, placeholder.encoded);
        EXPECT_EQ(form().views.Miniatura->picture().encoded, placeholder.encoded);
    }
    QString prefixName(const QString& rest) const {
        return QStringLiteral("Nimbrisco7_Img") + rest;
    }

    LoopbackHttpServer server;
};

TEST_F(PictureLoaderTest, JpegFillsTheSlotAndShowsTheThumbnail) {
    const QByteArray bytes = samples::jpeg(QSize(64, 48));
    serve("/sat/europe.jpg", bytes);
    state().listIMAGEnotLoaded[3] = -1;
    state().IsWebPage = kTrue;
    load("/sat/europe.jpg", 3);

    EXPECT_EQ(state().IsWebPage, kFalse);
    EXPECT_EQ(state().listIMAGEnotLoaded[3], 0);
    EXPECT_EQ(state().listPictureKind[3], 1);
    EXPECT_EQ(state().listPicture[3].naturalSize, QSize(64, 48));
    EXPECT_EQ(state().listPicture[3].encoded, bytes); // kept compressed, as downloaded
    EXPECT_EQ(readWorkFile(prefixName(".jpg")), bytes);

    ViewControls& v = form().views;
    EXPECT_FALSE(v.Miniatura->isHidden());
    EXPECT_FALSE(v.DownloadPreview->isHidden());
    EXPECT_EQ(platform::twips::top(v.DownloadPreview, form().units()), 3900);
    EXPECT_EQ(v.Miniatura->picture().encoded, bytes);
    // The thumbnail holds the picture at the thumbnail's size only.
    EXPECT_EQ(v.Miniatura->displayImage().size(), v.Miniatura->size());
}

TEST_F(PictureLoaderTest, ExtensionKeepsItsCaseAndPngIsRecognisedInAnyCase) {
    const QByteArray jpg = samples::jpeg(QSize(20, 10));
    const QByteArray png = samples::encode(samples::twoColours(QSize(30, 12)), "PNG");
    serve("/a/pic.JPG", jpg);
    serve("/a/map.PNG", png);
    load("/a/pic.JPG", 0);
    load("/a/map.PNG", 1);

    EXPECT_EQ(readWorkFile(prefixName(".JPG")), jpg);
    EXPECT_EQ(readWorkFile(prefixName(".PNG")), png);
    EXPECT_EQ(state().listIMAGEnotLoaded[0], 0);
    EXPECT_EQ(state().listIMAGEnotLoaded[1], 0);
    EXPECT_EQ(state().listPicture[1].naturalSize, QSize(30, 12));
    EXPECT_NE(state().listPicture[1].encoded, form().views.ErrLoadPicture.encoded);
}

TEST_F(PictureLoaderTest, PicturesAreDecodedByContentNotByName) {
    const QByteArray png = samples::encode(samples::twoColours(QSize(16, 8)), "PNG");
    serve("/misnamed.jpg", png);
    load("/misnamed.jpg", 0);
    EXPECT_EQ(state().listIMAGEnotLoaded[0], 0);
    EXPECT_EQ(state().listPicture[0].naturalSize, QSize(16, 8));
}

TEST_F(PictureLoaderTest, TransparentPngIsShownOnWhite) {
    serve("/radar.png", samples::transparentPng(QSize(40, 20)));
    load("/radar.png", 2);

    const Picture& p = state().listPicture[2];
    ASSERT_EQ(p.naturalSize, QSize(40, 20));
    const QImage shown = pictures::decodeAt(p, p.naturalSize);
    EXPECT_EQ(QColor(shown.pixel(5, 10)), QColor(Qt::white));
    EXPECT_EQ(QColor(shown.pixel(35, 10)), QColor(Qt::red));
    const QImage thumb = form().views.Miniatura->displayImage();
    EXPECT_EQ(QColor(thumb.pixel(2, thumb.height() / 2)), QColor(Qt::white));
}

TEST_F(PictureLoaderTest, AnimatedPicturesGetConsecutiveNumberedCopies) {
    const QByteArray first = samples::animatedGif(QSize(8, 8), 2);
    const QByteArray second = samples::animatedGif(QSize(12, 6), 3);
    serve("/loop1.gif", first);
    serve("/loop2.gif", second);
    state().aniGifNumber = 5;
    state().listPictureKind[0] = 4;
    state().listPictureKind[1] = 4;
    load("/loop1.gif", 0);
    load("/loop2.gif", 1);

    EXPECT_EQ(readWorkFile(prefixName("_ANIGIF_5.gif")), first);
    EXPECT_EQ(readWorkFile(prefixName("_ANIGIF_6.gif")), second);
    EXPECT_EQ(state().aniGifNumber, 7);
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_EQ(state().listPictureKind[1], 4);
    EXPECT_EQ(state().listPicture[1].naturalSize, QSize(12, 6));
}

TEST_F(PictureLoaderTest, NumberedCopyReplacesTheOneOfAnEarlierPass) {
    writeWorkFile(prefixName("_ANIGIF_1.gif"), "old");
    const QByteArray gif = samples::animatedGif(QSize(4, 4), 2);
    serve("/loop.gif", gif);
    state().aniGifNumber = 1;
    state().listPictureKind[0] = 4;
    load("/loop.gif", 0);
    EXPECT_EQ(readWorkFile(prefixName("_ANIGIF_1.gif")), gif);
    EXPECT_EQ(state().listIMAGEnotLoaded[0], 0);
}

TEST_F(PictureLoaderTest, ScriptSourceTakesThePictureOfTheScriptFolder) {
    const QByteArray gif = samples::animatedGif(QSize(10, 10), 2);
    QFile php(state().Nimbrisco_PHP_Dir + "/PHP.gif");
    ASSERT_TRUE(php.open(QIODevice::WriteOnly));
    php.write(gif);
    php.close();
    state().aniGifNumber = 2;
    state().listPictureKind[4] = 6;
    load("/forecast.jpg", 4);

    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_EQ(state().listPictureKind[4], 4);
    EXPECT_EQ(state().listIMAGEnotLoaded[4], 0);
    EXPECT_EQ(state().listPicture[4].encoded, gif);
    EXPECT_EQ(readWorkFile(prefixName("_ANIGIF_2.gif")), gif);
    EXPECT_EQ(state().aniGifNumber, 3);
}

TEST_F(PictureLoaderTest, ScriptSourceWithoutItsPictureIsALoadingError) {
    state().aniGifNumber = 2;
    state().listPictureKind[4] = 6;
    load("/forecast.php", 4);
    EXPECT_EQ(server.requestCount(), 0);
    expectPlaceholder(4, form().views.ErrLoadPicture);
    EXPECT_EQ(state().aniGifNumber, 2);
    EXPECT_FALSE(workFileExists(prefixName("_ANIGIF_2.gif")));
}

TEST_F(PictureLoaderTest, FailedDownloadStoresTheNotAvailablePicture) {
    state().listPictureKind[1] = 4;
    load("/missing.jpg", 1); // the server answers 404
    EXPECT_EQ(server.requestCount("/missing.jpg"), 1);
    expectPlaceholder(1, form().views.ImageNonDisponibile);
}

TEST_F(PictureLoaderTest, UndecodableFileStoresTheLoadingErrorPicture) {
    serve("/broken.gif", QByteArray("this is no picture at all", 25));
    serve("/broken.png", QByteArray(300, '\x7f'));
    state().listPictureKind[0] = 4;
    state().aniGifNumber = 1;
    load("/broken.gif", 0);
    load("/broken.png", 1);
    expectPlaceholder(0, form().views.ErrLoadPicture);
    expectPlaceholder(1, form().views.ErrLoadPicture);
    EXPECT_EQ(state().aniGifNumber, 1);
}

TEST_F(PictureLoaderTest, AddressesWithoutAFileExtensionFailBeforeAnyRequest) {
    // The last dot is in the host, or there is none at all.
    loader().Load_JPG_GIF_PNG_On_Array(server.url("/x?y"), 0);
    loader().Load_JPG_GIF_PNG_On_Array(
        QStringLiteral("http://localhost:%1/picture").arg(server.port()), 1);
    loader().Load_JPG_GIF_PNG_On_Array(QStringLiteral("http://a.b/x?y"), 2);
    EXPECT_EQ(server.requestCount(), 0);
    for (int slot = 0; slot < 3; ++slot)
        expectPlaceholder(slot, form().views.ImageNonDisponibile);
}

TEST_F(PictureLoaderTest, NoLocalNameLeavesTheWorkDirectory) {
    server.setFallback([](const testsupport::HttpRequest&) {
        return HttpResponse::ok(samples::jpeg(QSize(4, 4)), "image/jpeg");
    });
    const QString prefix = state().imageFilePrefix;
    EXPECT_FALSE(
        loader().DownloadFile(server.url("/e"), prefix + ".x/../../evil", ".x/../../evil"));
    loader().Load_JPG_GIF_PNG_On_Array(server.url("/pics/a.x/../../evil"), 0);
    loader().Load_JPG_GIF_PNG_On_Array(server.url("/pics/a.jpg%2F..%2F..%2Fevil"), 1);
    EXPECT_EQ(server.requestCount(), 0);
    expectPlaceholder(0, form().views.ImageNonDisponibile);
    expectPlaceholder(1, form().views.ImageNonDisponibile);

    // Nothing was written anywhere in the portable root but the work directory's own folders.
    QDirIterator it(root(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        EXPECT_FALSE(file.contains("evil")) << file.toStdString();
    }
}

TEST_F(PictureLoaderTest, ScriptExtensionNeverDownloads) {
    EXPECT_TRUE(
        loader().DownloadFile(server.url("/s.php"), state().imageFilePrefix + ".php", " .php "));
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_FALSE(workFileExists(prefixName(".php")));
}

TEST_F(PictureLoaderTest, GdiPlusLoaderSizesAndBackground) {
    writeWorkFile("t.png", samples::transparentPng(QSize(40, 20)));
    const QString file = workPath("t.png");

    Long w = -1, h = -1;
    QImage decoded;
    const Picture own = loader().LoadPictureGdiPlus(file, w, h, qRgb(0, 255, 0), 0, &decoded);
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 20);
    EXPECT_EQ(own.naturalSize, QSize(40, 20));
    EXPECT_EQ(decoded.size(), QSize(40, 20));
    EXPECT_EQ(QColor(pictures::decodeAt(own, QSize()).pixel(1, 1)), QColor(Qt::green));

    w = 10;
    h = 30;
    const Picture stretched = loader().LoadPictureGdiPlus(file, w, h, qRgb(255, 255, 255), 0);
    ASSERT_EQ(stretched.naturalSize, QSize(10, 30));
    const QImage s = pictures::decodeFull(stretched.encoded);
    EXPECT_EQ(QColor(s.pixel(0, 15)), QColor(Qt::white));
    EXPECT_EQ(QColor(s.pixel(9, 15)), QColor(Qt::red));

    w = 20;
    h = 20;
    const Picture fitted = loader().LoadPictureGdiPlus(file, w, h, qRgb(0, 0, 255), 1);
    const QImage f = pictures::decodeFull(fitted.encoded);
    ASSERT_EQ(f.size(), QSize(20, 20));
    EXPECT_EQ(QColor(f.pixel(15, 5)), QColor(Qt::red));   // the picture, 20 x 10 at the top
    EXPECT_EQ(QColor(f.pixel(15, 15)), QColor(Qt::blue)); // background below it

    w = -1;
    EXPECT_TRUE(loader().LoadPictureGdiPlus(workPath("none.png"), w, h, 0, 0).isNull());
}

struct ExtensionCase {
    const char* address;
    const char* extension;
    bool safe;
};

class LocalFileNameTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(LocalFileNameTest, ExtensionAndItsSafety) {
    const ExtensionCase c = GetParam();
    const QString ext = localname::extensionOf(QString::fromLatin1(c.address));
    EXPECT_EQ(ext, QString::fromLatin1(c.extension));
    EXPECT_EQ(localname::isSafeExtension(ext), c.safe);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LocalFileNameTest,
    ::testing::Values(ExtensionCase{"http://h/a/b.jpg", ".jpg", true},
                      ExtensionCase{"http://h/a/B.JpEg", ".JpEg", true},
                      ExtensionCase{"http://h/a/b.tar-x_1", ".tar-x_1", true},
                      ExtensionCase{"http://a.b/x?y", ".b/x?y", false},
                      ExtensionCase{"http://h/p.jpg?t=1", ".jpg?t=1", false},
                      ExtensionCase{"http://h/a.x\\..\\evil", ".\\evil", false},
                      ExtensionCase{"http://h/a.jp g", ".jp g", false},
                      ExtensionCase{"http://h/a.abcdefghijklmnopq", ".abcdefghijklmnopq", false},
                      ExtensionCase{"http://h/a.abcdefghijklmno", ".abcdefghijklmno", true},
                      ExtensionCase{"http://h/a.j\xe9g", ".j\xe9g", false},
                      ExtensionCase{"http://h/nodot", "", false}));

} // namespace
