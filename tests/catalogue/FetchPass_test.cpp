// The fetch pass over loopback HTTP: the entry kinds of picture files, series, the own and
// folder pictures, the end of a pass, and a panel start without selection.
#include "CatalogueTestSupport.h"

#include "catalogue/PictureFetcher.h"
#include "core/ClickLabel.h"

#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace {

class FetchPassTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        clock().realWaitMs = 0;
        form().panel.SSTCfg_timeRefresh->setText(QStringLiteral("8"));
    }
    // "<kind>ttp://127.0.0.1:<port><path>"
    QString coded(char kind, const QString& path) const {
        return QString(server.url(path)).replace(0, 1, QLatin1Char(kind));
    }
    void setCatalogue(const QStringList& entries) {
        state().listURL.clear();
        for (int i = 0; i < entries.size(); ++i)
            state().listURL[i] = entries[i];
    }
    bool fetch(Integer type) { return form().pictureFetcher().FetchPass(type); }
    QStringList requestedPaths() const {
        QStringList paths;
        for (const testsupport::HttpRequest& r : server.requests())
            paths << r.path;
        return paths;
    }
    void writeJpeg(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pictureBytes("JPG", Qt::green));
    }
};

} // namespace

TEST_F(FetchPassTest, FileKindsFillTheirSlotsAndEveryEntryAfterASeriesIsFetched) {
    servePicture(QStringLiteral("/p/plain.png"), "PNG", Qt::red);
    servePicture(QStringLiteral("/p/loop.gif"), "GIF", Qt::blue);
    for (int i = 1; i <= 3; ++i)
        servePicture(QStringLiteral("/p/s_%1.jpg").arg(i, 2, 10, QLatin1Char('0')), "JPG",
                     Qt::gray);
    servePicture(QStringLiteral("/p/after.jpg"), "JPG", Qt::yellow);
    setCatalogue(
        {server.url(QStringLiteral("/p/plain.png")), coded('4', QStringLiteral("/p/loop.gif")),
         coded('5', QStringLiteral("/p/s_*.jpg,1,1,3,2")),
         QStringLiteral(" ") + server.url(QStringLiteral("/p/after.jpg")) + QStringLiteral(" "),
         QStringLiteral("1ttp://not-an-address/x.jpg")});
    state().flagDownloadRunning = 1;

    ASSERT_TRUE(fetch(2));

    EXPECT_EQ(requestedPaths(),
              (QStringList{QStringLiteral("/p/plain.png"), QStringLiteral("/p/loop.gif"),
                           QStringLiteral("/p/s_01.jpg"), QStringLiteral("/p/s_02.jpg"),
                           QStringLiteral("/p/s_03.jpg"), QStringLiteral("/p/after.jpg")}));
    EXPECT_EQ(state().pictureCount, 7);
    EXPECT_EQ(state().pictureTotal, 5);
    const int kinds[] = {1, 4, 1, 1, 1, 1, 1};
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(state().listPictureKind[slot], kinds[slot]) << slot;
        EXPECT_FALSE(state().listPicture[slot].isNull()) << slot;
        EXPECT_EQ(state().listIMAGEnotLoaded[slot], slot == 6 ? -1 : 0) << slot;
    }
    EXPECT_EQ(state().listPicture[5].naturalSize, QSize(64, 48));
    EXPECT_TRUE(workFileExists(QStringLiteral("Nimbrisco7_Img.png")));
    EXPECT_TRUE(workFileExists(QStringLiteral("Nimbrisco7_Img.jpg")));
    EXPECT_TRUE(workFileExists(QStringLiteral("Nimbrisco7_Img_ANIGIF_1.gif")));
    EXPECT_EQ(state().tmpStrUrl, QStringLiteral("1ttp://not-an-address/x.jpg"));
    EXPECT_TRUE(form().bar.lCountDown->text().startsWith(QStringLiteral("***")));
}

TEST_F(FetchPassTest, ASeriesWithoutItsSeparatorsIsReportedAndTheNextEntryFetched) {
    servePicture(QStringLiteral("/p/next.png"), "PNG", Qt::red);
    state().listPictureKind[0] = 1;
    setCatalogue({coded('5', QStringLiteral("/p/s_.jpg,1,1,3,2")),
                  server.url(QStringLiteral("/p/next.png"))});
    ASSERT_TRUE(fetch(2));
    const QString entry = coded('5', QStringLiteral("/p/s_.jpg,1,1,3,2"));
    ASSERT_FALSE(messages().shown.empty());
    EXPECT_EQ(messages().shown.front().text,
              QStringLiteral("Proc MeteoNetwork Error %1").arg(1 + entry.size() - 7));
    EXPECT_EQ(requestedPaths(), QStringList{QStringLiteral("/p/next.png")});
    EXPECT_EQ(state().listPictureKind[1], 1);
    EXPECT_EQ(state().pictureCount, 2);
}

TEST_F(FetchPassTest, AHugeSeriesStopsAtTheLastSlot) {
    // A closed port refuses at once, so each picture fails fast with the placeholder.
    testsupport::LoopbackHttpServer dead;
    const QString deadUrl = dead.url(QStringLiteral("/s_*.jpg,1,1,1500,1"));
    dead.close();
    setCatalogue({QString(deadUrl).replace(0, 1, QLatin1Char('5')),
                  QString(deadUrl).replace(0, 1, QLatin1Char('5')),
                  server.url(QStringLiteral("/never.png"))});
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(state().pictureCount, 2001);
    EXPECT_EQ(state().listIMAGEnotLoaded[2000], -1);
    EXPECT_EQ(server.requestCount(), 0);
}

TEST_F(FetchPassTest, TheSlideIntervalKeepsSlideTimesAboveThirtyTwoSeconds) {
    form().panel.SSTCfg_timeRefresh->setText(QStringLiteral("45"));
    setCatalogue({QStringLiteral("1")});
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(state().slideIntervalMs, 45000);
    EXPECT_EQ(form().imgClock.interval(), 45000);
}

TEST_F(FetchPassTest, TheEndOfAPassAnnouncesTheUpdateAndRestartsTheShow) {
    setCatalogue({QStringLiteral("1")});
    state().GLOBAL_IMAGE_CURRENT_POINTER = 5;
    state().flagFetchFromStep = 1;
    const int beeps = messages().beeps;
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(messages().beeps - beeps, 2);
    EXPECT_FALSE(form().views.MessaggioAggiornate->isVisibleTo(&form()));
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 0);
    EXPECT_EQ(state().flagFetchFromStep, 0);
    EXPECT_EQ(state().aniGifNumber, 1);
    EXPECT_TRUE(state().LastUpdate.startsWith(QStringLiteral(" - RFRS:")));
    EXPECT_EQ(state().statusLine2, QStringLiteral(". . . "));
    EXPECT_FALSE(form().bar.btSetup->isVisibleTo(&form()));
    EXPECT_TRUE(form().bar.btWait->isVisibleTo(&form()));
    EXPECT_TRUE(form().bar.btSetup->isEnabled());
    // The prescribed waits: 2 s before the entries, 1 s before each, 3 s of notice.
    EXPECT_GE(clock().sleptMs(), 2000 + 1000 + 3000);
}

TEST_F(FetchPassTest, OwnPictureAndAtMostNineFolderPicturesFollowTheEntries) {
    servePicture(QStringLiteral("/p/a.png"), "PNG", Qt::red);
    setCatalogue({server.url(QStringLiteral("/p/a.png"))});
    state().OwnPicturePath = root() + QStringLiteral("own.jpg");
    writeJpeg(state().OwnPicturePath);
    const QString dir = state().Nimbrisco_Slide_Dir;
    for (int i = 0; i < 8; ++i)
        writeJpeg(dir + QStringLiteral("/lower%1.jpg").arg(i));
    for (int i = 0; i < 3; ++i)
        writeJpeg(dir + QStringLiteral("/UPPER%1.JPG").arg(i));
    writeJpeg(dir + QStringLiteral("/mixed.Jpg"));
    writeJpeg(dir + QStringLiteral("/other.jpeg"));

    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(state().pictureCount, 1 + 1 + 9);
    EXPECT_EQ(state().listPicture[1].sourcePath, state().OwnPicturePath);
    QStringList folderOrder;
    for (QDirIterator it(dir, QDir::Files); it.hasNext();) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String("jpg")) || path.endsWith(QLatin1String("JPG")))
            folderOrder << path;
    }
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(state().listPicture[2 + k].sourcePath, folderOrder[k]);
        EXPECT_EQ(state().listPictureKind[2 + k], 1);
    }
    EXPECT_TRUE(state().listPicture[11].isNull());
}

TEST_F(FetchPassTest, ABrokenOwnPictureTakesThePlaceholder) {
    setCatalogue({QStringLiteral("1")});
    state().OwnPicturePath = root() + QStringLiteral("missing.jpg");
    ASSERT_TRUE(fetch(2));
    EXPECT_EQ(state().pictureCount, 2);
    EXPECT_EQ(state().listIMAGEnotLoaded[1], -1);
    EXPECT_FALSE(state().listPicture[1].isNull());
}

TEST_F(FetchPassTest, APanelStartFetchesOnlyAChangedSelection) {
    servePicture(QStringLiteral("/p/a.png"), "PNG", Qt::red);
    servePicture(QStringLiteral("/p/b.png"), "PNG", Qt::blue);
    setCatalogue({server.url(QStringLiteral("/p/a.png")), server.url(QStringLiteral("/p/b.png"))});
    QListWidget* list = form().panel.Tabella_Mappe_Selezionate;
    list->addItems({QStringLiteral("a"), QStringLiteral("b")});
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->item(1)->setSelected(true);
    form().panel.SSTCfg->show();

    ASSERT_TRUE(fetch(0));
    EXPECT_EQ(requestedPaths(), QStringList{QStringLiteral("/p/b.png")});
    EXPECT_EQ(state().listImageSELECTED[0], server.url(QStringLiteral("/p/b.png")));
    EXPECT_EQ(state().listOLDImageSELECTED[0], server.url(QStringLiteral("/p/b.png")));
    EXPECT_EQ(state().catalogueLoaded, 1);
    EXPECT_FALSE(form().panel.SSTCfg->isVisibleTo(&form()));

    ASSERT_TRUE(fetch(0));
    EXPECT_EQ(server.requestCount(), 1);
    EXPECT_EQ(state().pictureCount, 1);

    state().flagFetchFromStep = 1;
    ASSERT_TRUE(fetch(1));
    EXPECT_EQ(server.requestCount(), 2);
}

TEST_F(FetchPassTest, APanelStartWithoutSelectionAsksForOneAndOpensThePanel) {
    setCatalogue({QStringLiteral("http://h/a.jpg")});
    form().panel.Tabella_Mappe_Selezionate->addItem(QStringLiteral("a"));
    state().listPictureKind[0] = 4;
    state().flagDownloadRunning = 1;
    state().flagFetchFromStep = 1;
    state().flagReplyArrived = kFalse;
    state().Lingua = 2;

    EXPECT_FALSE(fetch(0));
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text,
              QStringLiteral("Errore: occorre selezionare almeno una immagine dalla lista!"));
    EXPECT_EQ(messages().last().title, QStringLiteral("Nimbrisco"));
    EXPECT_TRUE(form().panel.SSTCfg->isVisibleTo(&form()));
    EXPECT_EQ(form().panel.SSTCfg->currentWidget(), form().panel.pageTools);
    EXPECT_EQ(state().listPictureKind[0], 4);
    EXPECT_EQ(state().flagDownloadRunning, 0);
    EXPECT_EQ(state().flagFetchFromStep, 0);
    EXPECT_NE(state().flagReplyArrived, kFalse);
    EXPECT_EQ(clock().sleptMs(), 0);

    state().Lingua = 3;
    EXPECT_FALSE(fetch(0));
    EXPECT_EQ(
        messages().last().text,
        QString::fromUtf8("Erreur : vous devez sélectionner au moins une image dans la liste !"));
    // No language chosen yet: no text to show.
    state().Lingua = 999;
    EXPECT_FALSE(fetch(0));
    EXPECT_EQ(messages().shown.size(), 2u);
}
