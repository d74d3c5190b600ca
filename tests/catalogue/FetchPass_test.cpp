// The fetch pass over loopback HTTP: the entry kinds of picture files, series, the own and
// folder pictures, an outage between two passes, the end of a pass with its update notice, and
// a panel start without selection.
#include "CatalogueTestSupport.h"

#include "catalogue/PictureFetcher.h"
#include "slideshow/Slideshow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>

namespace {

class FetchPassTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        clock().realWaitMs = 0;
        form().parts().panel.SSTCfg_timeRefresh->setText("8");
    }
    bool fetch(Integer type) { return form().parts().pictureFetcher->FetchPass(type); }
};

} // namespace

TEST_F(FetchPassTest, FileKindsFillTheirSlotsAndTheEndOfAPassRestartsTheShow) {
    for (const char* path : {"/p/plain.png", "/p/loop.gif", "/p/s_01.jpg", "/p/s_02.jpg",
                             "/p/s_03.jpg", "/p/after.jpg"})
        servePicture(path);
    // After them an entry of no source kind, then the own picture, whose file is missing.
    setCatalogue({server.url("/p/plain.png"), coded('4', "/p/loop.gif"),
                  coded('5', "/p/s_*.jpg,1,1,3,2"), " " + server.url("/p/after.jpg") + " ",
                  "1ttp://not-an-address/x.jpg"});
    state().OwnPicturePath = root() + "missing.jpg";
    state().flagDownloadRunning = 1;
    state().GLOBAL_IMAGE_CURRENT_POINTER = 5;
    form().parts().panel.SSTCfg_timeRefresh->setText("45");
    const int beeps = messages().beeps;
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(requestLog(), (QStringList{"/p/plain.png", "/p/loop.gif", "/p/s_01.jpg",
                                         "/p/s_02.jpg", "/p/s_03.jpg", "/p/after.jpg"}));
    EXPECT_EQ(state().pictureCount, 8);
    EXPECT_EQ(state().pictureTotal, 5);
    const int kinds[] = {1, 4, 1, 1, 1, 1, 1, 1};
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(state().listPictureKind[slot], kinds[slot]) << slot;
        EXPECT_FALSE(state().listPicture[slot].isNull()) << slot;
        EXPECT_EQ(state().listIMAGEnotLoaded[slot], slot < 6 ? 0 : -1) << slot;
    }
    for (const char* name :
         {"Nimbrisco7_Img.png", "Nimbrisco7_Img.jpg", "Nimbrisco7_Img_ANIGIF_1.gif"})
        EXPECT_TRUE(workFileExists(name)) << name;

    // Slide times above 32 s stay whole.
    EXPECT_EQ(form().parts().timers.imgClock.interval(), 45000);
    EXPECT_EQ(messages().beeps - beeps, 2);
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 0);
    EXPECT_EQ(state().aniGifNumber, 1);
    EXPECT_TRUE(state().LastUpdate.startsWith(" - RFRS:"));
}

TEST_F(FetchPassTest, AnOutageKeepsTheGoodPicturesAndThePassAfterItBringsFreshOnes) {
    // Each answer differs from the last; during the outage every source fails.
    bool outage = false;
    int version = 0;
    const auto source = [&](QSize size, bool gif) {
        return [&, size, gif](const testsupport::HttpRequest&) {
            if (outage)
                return testsupport::HttpResponse::drop();
            return testsupport::HttpResponse::ok(
                gif ? samples::animatedGif(size, 2 + version)
                    : samples::encode(samples::twoColours(size + QSize(version, 0)), "jpg"),
                "application/octet-stream");
        };
    };
    server.route("/p/still.jpg", source(QSize(64, 48), false));
    server.route("/p/loop.gif", source(QSize(32, 24), true));
    server.route("/p/s_01.jpg", source(QSize(20, 10), false));
    server.route("/p/s_02.jpg", source(QSize(30, 10), false));
    setCatalogue({server.url("/p/still.jpg"), coded('4', "/p/loop.gif"),
                  coded('5', "/p/s_*.jpg,1,1,2,2"), server.url("/p/gone.jpg")});
    ASSERT_TRUE(fetch(2));
    const auto store = [this] {
        QList<QByteArray> bytes;
        for (int slot = 0; slot < 5; ++slot)
            bytes << state().listPicture[slot].encoded;
        return bytes;
    };
    const QList<QByteArray> good = store();
    ASSERT_EQ(state().listIMAGEnotLoaded[4], -1); // never fetched: the placeholder
    // The download pass of the slideshow, as a step runs it.
    const auto periodicPass = [this] {
        form().state.ResetPictureKinds();
        ASSERT_TRUE(form().parts().slideshow->ResetAniGifFiles());
        state().aniGifNumber = 1;
        state().flagFetchFromStep = 1;
        ASSERT_TRUE(fetch(1));
    };

    outage = true;
    periodicPass();
    EXPECT_EQ(store(), good);
    const int kinds[] = {1, 4, 1, 1, 1};
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(state().listIMAGEnotLoaded[slot], 0) << slot;
        EXPECT_EQ(state().listPictureKind[slot], kinds[slot]) << slot;
    }
    // The loop still plays from its numbered copy, not from the placeholder the reset left.
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img_ANIGIF_1.gif"), good[1]);

    outage = false;
    ++version;
    periodicPass();
    const QList<QByteArray> fresh = store();
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_NE(fresh[slot], good[slot]) << slot;
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img_ANIGIF_1.gif"), fresh[1]);
}

TEST_F(FetchPassTest, TheUpdateNoticeShowsItsPictureOnTopForItsThreeSeconds) {
    servePicture("/p/a.png");
    setCatalogue({server.url("/p/a.png")});
    form().show();
    QLabel* notice = form().parts().views.MessaggioAggiornate;
    const QPixmap artwork(":/pictures/pictures_updated.png");
    ASSERT_FALSE(artwork.isNull());
    int shownMs = 0;
    clock().onSleep = [&](int ms) {
        if (!notice->isVisible())
            return;
        shownMs += ms;
        EXPECT_EQ(notice->pixmap().toImage(), artwork.toImage());
        EXPECT_EQ(notice->size(), artwork.size());
        // At 3000 and 2000 twips, over everything else.
        EXPECT_EQ(notice->pos(), QPoint(200, 133));
        EXPECT_EQ(form().childAt(notice->geometry().center()), notice);
    };
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(shownMs, 3000);
    EXPECT_TRUE(notice->isHidden());
}

TEST_F(FetchPassTest, ASeriesWithoutItsSeparatorsIsReportedAndTheNextEntryFetched) {
    servePicture("/p/next.png");
    state().listPictureKind[0] = 1;
    const QString entry = coded('5', "/p/s_.jpg,1,1,3,2");
    setCatalogue({entry, server.url("/p/next.png")});
    ASSERT_TRUE(fetch(2));
    ASSERT_FALSE(messages().shown.empty());
    // The reading went over every character after the seven leading ones.
    EXPECT_EQ(messages().shown.front().text,
              QStringLiteral("Proc MeteoNetwork Error %1").arg(1 + entry.size() - 7));
    EXPECT_EQ(requestLog(), QStringList{"/p/next.png"});
    EXPECT_EQ(state().pictureCount, 2);
}

TEST_F(FetchPassTest, AHugeSeriesStopsAtTheLastSlot) {
    // A closed port refuses at once, so each picture fails fast with the placeholder.
    testsupport::LoopbackHttpServer dead;
    const QString series = dead.url("/s_*.jpg,1,1,1500,1").replace(0, 1, '5');
    dead.close();
    setCatalogue({series, series, server.url("/never.png")});
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(state().pictureCount, 2001);
    EXPECT_EQ(state().listIMAGEnotLoaded[2000], -1);
    EXPECT_EQ(server.requestCount(), 0);
}

TEST_F(FetchPassTest, OwnPictureAndAtMostNineFolderPicturesFollowTheEntries) {
    servePicture("/p/a.png");
    setCatalogue({server.url("/p/a.png")});
    const QString dir = state().Nimbrisco_Slide_Dir + "/";
    state().OwnPicturePath = root() + "own.jpg";
    QStringList files{state().OwnPicturePath, dir + "mixed.Jpg", dir + "other.jpeg"};
    for (int i = 0; i < 11; ++i)
        files << dir + QStringLiteral("p%1.%2").arg(i).arg(i % 4 ? "jpg" : "JPG");
    for (const QString& path : files) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(samples::jpeg(QSize(8, 8)));
    }
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(state().pictureCount, 1 + 1 + 9);
    EXPECT_EQ(state().listPicture[1].sourcePath, state().OwnPicturePath);
    // Only the "p" files end in "jpg" or "JPG".
    for (int k = 2; k < 11; ++k)
        EXPECT_TRUE(state().listPicture[k].sourcePath.startsWith(dir + "p")) << k;
    EXPECT_TRUE(state().listPicture[11].isNull());
}

TEST_F(FetchPassTest, APanelStartFetchesOnlyAChangedSelection) {
    servePicture("/p/a.png");
    servePicture("/p/b.png");
    setCatalogue({server.url("/p/a.png"), server.url("/p/b.png")});
    QListWidget* list = form().parts().panel.Tabella_Mappe_Selezionate;
    list->addItems({"a", "b"});
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->item(1)->setSelected(true);

    ASSERT_TRUE(fetch(0));
    EXPECT_EQ(requestLog(), QStringList{"/p/b.png"});
    EXPECT_EQ(state().listImageSELECTED[0], server.url("/p/b.png"));

    // The same selection again is not fetched.
    ASSERT_TRUE(fetch(0));
    EXPECT_EQ(server.requestCount(), 1);
}

TEST_F(FetchPassTest, APanelStartWithoutSelectionAsksForOneAndOpensThePanel) {
    setCatalogue({"http://h/a.jpg"});
    form().parts().panel.Tabella_Mappe_Selezionate->addItem("a");
    state().listPictureKind[0] = 4;
    state().flagDownloadRunning = 1;
    // No language chosen yet: no text to show.
    const std::pair<Integer, const char*> cases[] = {
        {2, "Errore: occorre selezionare almeno una immagine dalla lista!"},
        {3, "Erreur : vous devez sélectionner au moins une image dans la liste !"},
        {999, nullptr}};
    for (const auto& [language, text] : cases) {
        messages().shown.clear();
        state().Lingua = language;
        // As after the start's save: the opening's page changes then leave the store alone.
        state().configDirty = 0;
        EXPECT_FALSE(fetch(0));
        ASSERT_EQ(messages().shown.size(), text ? 1u : 0u) << language;
        EXPECT_EQ(text ? messages().last().text : QString(), QString::fromUtf8(text));
    }
    EXPECT_TRUE(form().parts().panel.SSTCfg->isVisibleTo(&form()));
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_EQ(state().flagDownloadRunning, 0);
}
