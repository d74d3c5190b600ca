// Download and loading of one picture into a store slot: every outcome over loopback HTTP, and
// what the presentation then shows of an animated source.
#include "CatalogueTestSupport.h"

#include "base/LocalFileName.h"
#include "catalogue/PictureLoader.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"
#include "slideshow/Presentation.h"
#include "slideshow/Slideshow.h"

#include "anigif/ucAniGIF.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

using testsupport::HttpResponse;

namespace {

class PictureLoaderTest : public CatalogueFixture {
protected:
    PictureLoader& loader() { return *form().parts().pictureLoader; }
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
        EXPECT_EQ(form().parts().views.Miniatura->picture().encoded, placeholder.encoded);
    }
};

TEST_F(PictureLoaderTest, PicturesFillTheirSlotsAndTheThumbnailTransparentPartsOnWhite) {
    // A PNG under a ".JPG" name: the name keeps its case, the decoder goes by the content.
    const QByteArray bytes = samples::encode(samples::twoColours(QSize(64, 48)), "PNG");
    serve("/sat/europe.JPG", bytes);
    state().listIMAGEnotLoaded[3] = -1;
    load("/sat/europe.JPG", 3);
    EXPECT_EQ(state().listIMAGEnotLoaded[3], 0);
    EXPECT_EQ(state().listPictureKind[3], 1);
    EXPECT_EQ(state().listPicture[3].naturalSize, QSize(64, 48));
    EXPECT_EQ(state().listPicture[3].encoded, bytes); // kept compressed, as downloaded
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img.JPG"), bytes);
    EXPECT_EQ(form().parts().views.Miniatura->picture().encoded, bytes);

    // A transparent PNG, whatever the case of its extension, is shown on white.
    serve("/radar.PNG", samples::transparentPng(QSize(40, 20)));
    load("/radar.PNG", 2);
    const Picture& p = state().listPicture[2];
    ASSERT_EQ(p.naturalSize, QSize(40, 20));
    const QImage shown = pictures::decodeAt(p, p.naturalSize);
    EXPECT_EQ(QColor(shown.pixel(5, 10)), QColor(Qt::white));
    EXPECT_EQ(QColor(shown.pixel(35, 10)), QColor(Qt::red));
    Long w = -1, h = -1; // a missing file gives nothing
    EXPECT_TRUE(loader().LoadPictureGdiPlus(workPath("none.png"), w, h, 0, 0).isNull());
}

TEST_F(PictureLoaderTest, AnimatedPicturesGetConsecutiveNumberedCopiesThatArePlayedAndReset) {
    // A copy of an earlier pass under the same number is replaced.
    writeWorkFile("Nimbrisco7_Img_ANIGIF_5.gif", "old");
    state().aniGifNumber = 5;
    const QByteArray loops[] = {samples::animatedGif(QSize(8, 8), 2),
                                samples::animatedGif(QSize(12, 6), 3)};
    // Whatever the case of its extension, the copy has the name the presentation opens.
    const QString paths[] = {"/loop0.gif", "/LOOP1.GIF"};
    for (int k = 0; k < 2; ++k) {
        serve(paths[k], loops[k]);
        state().listPictureKind[k] = 4;
        load(paths[k], k);
        EXPECT_EQ(state().listPictureKind[k], 4);
        EXPECT_EQ(readWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_%1.gif").arg(5 + k)),
                  loops[k]);
    }
    EXPECT_FALSE(workFileExists("Nimbrisco7_Img_ANIGIF_6.GIF"));
    EXPECT_EQ(state().aniGifNumber, 7);
    EXPECT_EQ(state().listPicture[1].naturalSize, QSize(12, 6));

    state().aniGifNumber = 5;
    for (int k = 0; k < 2; ++k) {
        state().GLOBAL_IMAGE_CURRENT_POINTER = Integer(k);
        form().parts().presentation->ShowPicture(state().listPicture[k]);
        EXPECT_FALSE(form().parts().views.ucAniGIF1->isHidden());
        EXPECT_EQ(form().parts().views.ucAniGIF1->FrameCount(), 2 + k);
    }
    // Before the next pass every copy goes back to the placeholder.
    ASSERT_TRUE(form().parts().slideshow->ResetAniGifFiles());
    QFile placeholder(":/pic_not_available.gif");
    ASSERT_TRUE(placeholder.open(QIODevice::ReadOnly));
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img_ANIGIF_6.gif"), placeholder.readAll());
}

TEST_F(PictureLoaderTest, StillBytesOfAnAnimatedOrScriptSourceAreShownAsAStillPicture) {
    const QByteArray png = samples::encode(samples::twoColours(QSize(30, 20)), "PNG");
    const QByteArray jpeg = samples::jpeg(QSize(32, 24));
    serve("/loop.gif", png);
    serve("/loop.jpg", jpeg);
    QFile php(state().Nimbrisco_PHP_Dir + "/PHP.gif");
    ASSERT_TRUE(php.open(QIODevice::WriteOnly));
    php.write(jpeg);
    php.close();
    state().aniGifNumber = 1;
    const struct {
        const char* path;
        Integer kind;
        const QByteArray& bytes;
    } cases[] = {{"/loop.gif", 4, png}, {"/loop.jpg", 4, jpeg}, {"/station.php", 6, jpeg}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        state().listPictureKind[0] = c.kind;
        load(c.path, 0);
        EXPECT_EQ(state().listPictureKind[0], 1);
        EXPECT_EQ(state().listIMAGEnotLoaded[0], 0);
        EXPECT_EQ(state().listPicture[0].encoded, c.bytes);

        state().GLOBAL_IMAGE_CURRENT_POINTER = 0;
        form().parts().presentation->ShowPicture(state().listPicture[0]);
        EXPECT_FALSE(form().parts().views.fotoBrowser->isHidden());
        EXPECT_TRUE(form().parts().views.ucAniGIF1->isHidden());
        EXPECT_EQ(form().parts().views.fotoBrowser->picture().encoded, c.bytes);
    }
    // No numbered copy was made, so the next animated picture still takes number 1.
    EXPECT_EQ(state().aniGifNumber, 1);
    EXPECT_FALSE(workFileExists("Nimbrisco7_Img_ANIGIF_1.gif"));
    EXPECT_FALSE(workFileExists("Nimbrisco7_Img_ANIGIF_1.jpg"));
}

TEST_F(PictureLoaderTest, ScriptSourceTakesThePictureOfTheScriptFolderAndNeverDownloads) {
    // Without its picture it is a loading error.
    state().aniGifNumber = 2;
    state().listPictureKind[4] = 6;
    load("/forecast.php", 4);
    expectPlaceholder(4, form().parts().views.ErrLoadPicture);
    EXPECT_FALSE(workFileExists("Nimbrisco7_Img_ANIGIF_2.gif"));

    const QByteArray gif = samples::animatedGif(QSize(10, 10), 2);
    QFile php(state().Nimbrisco_PHP_Dir + "/PHP.gif");
    ASSERT_TRUE(php.open(QIODevice::WriteOnly));
    php.write(gif);
    php.close();
    state().listPictureKind[4] = 6;
    load("/forecast.jpg", 4);
    EXPECT_EQ(state().listPictureKind[4], 4);
    EXPECT_EQ(state().listPicture[4].encoded, gif);
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img_ANIGIF_2.gif"), gif);
    EXPECT_EQ(server.requestCount(), 0);
}

TEST_F(PictureLoaderTest, FailedDownloadsAndUndecodableFilesStoreTheirPlaceholders) {
    serve("/broken.gif", QByteArray("this is no picture at all", 25));
    serve("/broken.png", QByteArray(300, '\x7f'));
    state().aniGifNumber = 1;
    const Picture& notAvailable = form().parts().views.ImageNonDisponibile;
    const Picture& loadingError = form().parts().views.ErrLoadPicture;
    const struct {
        QString address;
        const Picture& placeholder;
    } cases[] = {{server.url("/broken.gif"), loadingError},
                 {server.url("/broken.png"), loadingError},
                 {server.url("/missing.jpg"), notAvailable}, // the server answers 404
                 // No file extension: the last dot is in the host, or there is none.
                 {server.url("/x?y"), notAvailable},
                 {QStringLiteral("http://localhost:%1/picture").arg(server.port()), notAvailable}};
    for (const auto& c : cases) {
        state().listPictureKind[0] = 4;
        loader().Load_JPG_GIF_PNG_On_Array(c.address, 0);
        SCOPED_TRACE(c.address.toStdString());
        expectPlaceholder(0, c.placeholder);
    }
    EXPECT_EQ(state().aniGifNumber, 1);
    EXPECT_EQ(server.requestCount(), 3);
}

TEST_F(PictureLoaderTest, NoLocalNameLeavesTheWorkDirectory) {
    server.setFallback([](const testsupport::HttpRequest&) {
        return HttpResponse::ok(samples::jpeg(QSize(4, 4)), "image/jpeg");
    });
    loader().Load_JPG_GIF_PNG_On_Array(server.url("/pics/a.x/../../evil"), 0);
    loader().Load_JPG_GIF_PNG_On_Array(server.url("/pics/a.jpg%2F..%2F..%2Fevil"), 1);
    EXPECT_EQ(server.requestCount(), 0);
    expectPlaceholder(0, form().parts().views.ImageNonDisponibile);
    expectPlaceholder(1, form().parts().views.ImageNonDisponibile);

    // Nothing was written anywhere in the portable root but the work directory's own folders.
    QDirIterator it(root(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        EXPECT_FALSE(it.next().contains("evil")) << it.filePath().toStdString();
}

TEST_F(PictureLoaderTest, OnlyWebAddressesAreFetched) {
    const QByteArray jpeg = samples::jpeg(QSize(16, 16));
    server.setFallback(
        [&jpeg](const testsupport::HttpRequest&) { return HttpResponse::ok(jpeg, "image/jpeg"); });
    QFile holiday(root() + "holiday.jpg");
    ASSERT_TRUE(holiday.open(QIODevice::WriteOnly));
    holiday.write(jpeg);
    holiday.close();
    const QString refused[] = {QUrl::fromLocalFile(holiday.fileName()).toString(),
                               "qrc:/pictures/logo.png"};
    for (const QString& address : refused) {
        SCOPED_TRACE(address.toStdString());
        loader().Load_JPG_GIF_PNG_On_Array(address, 0);
        expectPlaceholder(0, form().parts().views.ImageNonDisponibile);
    }
    EXPECT_FALSE(workFileExists("Nimbrisco7_Img.jpg"));
    EXPECT_FALSE(workFileExists("Nimbrisco7_Img.png"));

    // The scheme in any case.
    loader().Load_JPG_GIF_PNG_On_Array(server.url("/a.jpg").replace("http:", "HTTP:"), 1);
    EXPECT_EQ(state().listIMAGEnotLoaded[1], 0);
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img.jpg"), jpeg);
}

TEST(LocalFileName, ExtensionAndItsSafety) {
    const struct {
        const char* address;
        const char* extension;
        bool safe;
    } cases[] = {{"http://h/a/B.tar-x_1", ".tar-x_1", true},
                 {"http://a.b/x?y", ".b/x?y", false},
                 {"http://h/a.x\\..\\evil", ".\\evil", false},
                 {"http://h/a.jp g", ".jp g", false},
                 {"http://h/a.abcdefghijklmnopq", ".abcdefghijklmnopq", false},
                 {"http://h/a.abcdefghijklmno", ".abcdefghijklmno", true},
                 {"http://h/a.j\xe9g", ".j\xe9g", false},
                 {"http://h/nodot", "", false}};
    for (const auto& c : cases) {
        const QString ext = localname::extensionOf(QString::fromLatin1(c.address));
        EXPECT_EQ(ext, QString::fromLatin1(c.extension)) << c.address;
        EXPECT_EQ(localname::isSafeExtension(ext), c.safe) << c.address;
    }
}

} // namespace
