// The saved selection fetched from the real catalogue service's demo catalogue and shown: its
// animated entries under an upper-case ".GIF" address and with a still PNG behind them.
#include "FormFixture.h"

#include "Catalogue.h"
#include "CatalogueServer.h"
#include "RequestLog.h"
#include "anigif/ucAniGIF.h"
#include "catalogue/CatalogueClient.h"
#include "slideshow/PictureView.h"
#include "slideshow/Slideshow.h"
#include "storage/ConfigFiles.h"

#include <QLineEdit>
#include <memory>

namespace {

class FetchDemoCatalogueTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        QString error;
        ASSERT_TRUE(catalogueservice::LoadCatalogueFile(":/catalogues/demo.json", demo, error))
            << error.toStdString();
        log.setEchoToStderr(false);
        service = std::make_unique<catalogueservice::CatalogueServer>(demo, log);
        const quint16 port = service->start(QHostAddress::LocalHost, 0);
        ASSERT_NE(port, 0);
        state().endpointBase = QStringLiteral("http://127.0.0.1:%1/nimbrisco/catalogue?").arg(port);
        state().versionText = "ZEP-V1.0-2000-";
        state().aniGifTag = "_ANIGIF_";
        // Every fake sleep lets loopback I/O run for a real millisecond.
        clock().realWaitMs = 1;
    }

    // The selection file's pair for the demo entry whose address ends in `name`.
    QByteArray pairFor(const QString& name) {
        for (int i = 0; i < demo.entries.size(); ++i) {
            if (demo.entries[i].address.endsWith(name))
                return QByteArray::number(i) + "\r\n" + QByteArray::number(demo.entries[i].id) +
                       "\r\n";
        }
        ADD_FAILURE() << "no demo entry " << name.toStdString();
        return {};
    }

    catalogueservice::Catalogue demo;
    catalogueservice::RequestLog log;
    std::unique_ptr<catalogueservice::CatalogueServer> service;
};

} // namespace

TEST_F(FetchDemoCatalogueTest, AnAnimatedEntryPlaysWhateverItsNameAndStillPicturesAreShownStill) {
    writeWorkFile(ConfigFiles::kConfigFile, "15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
    writeWorkFile(ConfigFiles::kPictureListFile,
                  pairFor("/demo/RADAR.GIF") + pairFor("/demo/cloudcover.gif") + "\r\n\r\n");
    form().parts().catalogueClient->LoadCatalogue(0);
    ASSERT_EQ(state().catalogueStatus, "1");
    ASSERT_EQ(state().pictureCount, 2);
    for (int slot = 0; slot < 2; ++slot)
        EXPECT_EQ(state().listIMAGEnotLoaded[slot], 0) << slot;

    ViewControls& views = form().parts().views;
    form().parts().slideshow->imgClock_Timer();
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_FALSE(views.ucAniGIF1->isHidden());
    EXPECT_EQ(views.ucAniGIF1->FrameCount(), 12);

    form().parts().slideshow->imgClock_Timer();
    EXPECT_EQ(state().listPictureKind[1], 1);
    EXPECT_TRUE(views.ucAniGIF1->isHidden());
    EXPECT_FALSE(views.fotoBrowser->isHidden());
    EXPECT_EQ(views.fotoBrowser->picture().naturalSize, state().listPicture[1].naturalSize);
    EXPECT_TRUE(state().listPicture[1].encoded.startsWith("\x89PNG"));
}
