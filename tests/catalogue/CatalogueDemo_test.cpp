// The catalogue service's demo catalogue, served in-process, loaded by a first-run window:
// every source kind of the default selection ends up in the store and in the work folder.
#include "FormFixture.h"

#include "CatalogueServer.h"
#include "catalogue/CatalogueClient.h"
#include "catalogue/PictureFetcher.h"
#include "storage/ConfigFiles.h"

#include <QFile>
#include <QImage>
#include <memory>

using namespace catalogueservice;

namespace {

class CatalogueDemoTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        Catalogue catalogue;
        QString error;
        ASSERT_TRUE(LoadCatalogueFile(QStringLiteral(":/catalogues/demo.json"), catalogue, error))
            << error.toStdString();
        log_.setEchoToStderr(false);
        service_ = std::make_unique<CatalogueServer>(catalogue, log_);
        const quint16 port = service_->start(QHostAddress::LocalHost, 0);
        ASSERT_NE(port, 0);

        // A first run: the defaults and the default selection are written.
        loadForm();
        messages().clear();
        for (QTimer* t :
             {&form().generalClock, &form().utilityTmr, &form().panControl, &form().imgClock})
            t->stop();
        ASSERT_TRUE(workFileExists(ConfigFiles::kPictureListFile));
        state().endpointBase = QStringLiteral("http://127.0.0.1:%1/nimbrisco/catalogue?").arg(port);
        form().show();
    }

    bool isFlat(const QImage& image) const {
        for (int y = 0; y < image.height(); y += 8)
            for (int x = 0; x < image.width(); x += 8)
                if (image.pixel(x, y) != image.pixel(0, 0))
                    return false;
        return true;
    }

    RequestLog log_;
    std::unique_ptr<CatalogueServer> service_;
};

} // namespace

TEST_F(CatalogueDemoTest, TheDefaultSelectionFillsTheStoreFromEverySourceKind) {
    form().catalogueClient().LoadCatalogue(0);

    EXPECT_EQ(state().catalogueLoaded, 1);
    EXPECT_EQ(state().catalogueStatus, QStringLiteral("1"));
    EXPECT_FALSE(state().userMessage.isEmpty());
    EXPECT_TRUE(state().listURL[0].endsWith(QStringLiteral("/demo/satellite.jpg")));
    EXPECT_TRUE(state().listURL[1].startsWith(QLatin1Char('4')));
    EXPECT_TRUE(state().listURL[2].startsWith(QLatin1Char('5')));
    EXPECT_TRUE(state().listURL[3].startsWith(QLatin1Char('3')));
    EXPECT_TRUE(state().listURL[4].isEmpty());
    EXPECT_FALSE(state().listCopyright[3].isEmpty());

    // Satellite picture, radar loop, three series pictures, the forecast page.
    ASSERT_EQ(state().pictureCount, 6);
    const int kinds[] = {1, 4, 1, 1, 1, 2};
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(state().listPictureKind[slot], kinds[slot]) << slot;
        EXPECT_EQ(state().listIMAGEnotLoaded[slot], 0) << slot;
        EXPECT_FALSE(state().listPicture[slot].isNull()) << slot;
    }
    EXPECT_TRUE(workFileExists(QStringLiteral("Nimbrisco7_Img.jpg")));
    EXPECT_TRUE(workFileExists(QStringLiteral("Nimbrisco7_Img.gif")));
    EXPECT_EQ(readWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_1.gif")),
              readWorkFile(QStringLiteral("Nimbrisco7_Img.gif")));
    const QImage page(workPath(QStringLiteral("Nimbrisco7_ImgHTTP_IMG.bmp")));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), QSize(1920, 1080));
    EXPECT_FALSE(isFlat(page));
}

TEST_F(CatalogueDemoTest, TheScriptPageAndTheBulletinOfTheDemoCatalogue) {
    // Positions 4 and 5: the script page (id 5) and the rendered bulletin (id 6).
    writeWorkFile(ConfigFiles::kPictureListFile, "4\r\n5\r\n5\r\n6\r\n\r\n\r\n");
    form().catalogueClient().LoadCatalogue(0);

    ASSERT_EQ(state().pictureCount, 2);
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_EQ(state().listIMAGEnotLoaded[0], 0);
    EXPECT_EQ(state().listPictureKind[1], 2);
    QFile php(state().Nimbrisco_PHP_Dir + QStringLiteral("/PHP.gif"));
    ASSERT_TRUE(php.open(QIODevice::ReadOnly));
    EXPECT_TRUE(php.readAll().startsWith("GIF8"));
    EXPECT_TRUE(messages().shown.empty());
}
