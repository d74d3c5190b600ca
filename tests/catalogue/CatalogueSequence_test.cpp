// LoadCatalogue over loopback HTTP: the order of its requests for a saved selection and for the
// full catalogue, the credit of every slot it fills, and what it does without a usable selection.
#include "CatalogueTestSupport.h"

#include "catalogue/CatalogueClient.h"
#include "slideshow/Slideshow.h"
#include "storage/ConfigFiles.h"

namespace {

const QByteArray kConfig = "15\r\n8\r\nFull_Screen\r\n\r\n\r\n";
const QByteArray kSelection = "0\r\n12\r\n\r\n\r\n";

class CatalogueSequenceTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        writeWorkFile(ConfigFiles::kConfigFile, kConfig);
        servePicture("/pics/a.png");
        servePicture("/pics/b.png");
        answer("x5555", "<P>outmsg:Welcome<P>");
        answer("y2222",
               ("<P>" + server.url("/pics/a.png") + "<P>" + server.url("/pics/b.png") + "<P>")
                   .toLatin1());
        answer("x4444", "<P>http://h/1.jpg<P>http://h/2.jpg<P>http://h/3.jpg<P>");
        answer("x6666", "<P>1<P>12<P>40<P>");
        answer("x7777", "<P>one<P>two<P>three<P>");
        answer("x9999", "<P>-A-95--<P>-B-99--<P>-C---<P>");
    }
    void load(Integer mode, const QByteArray& selection = kSelection) {
        writeWorkFile(ConfigFiles::kPictureListFile, selection);
        form().parts().catalogueClient->LoadCatalogue(mode);
    }
};

} // namespace

TEST_F(CatalogueSequenceTest, ASavedSelectionIsRequestedFetchedAndCredited) {
    load(0, "0\r\n12\r\n7\r\n40\r\n\r\n\r\n");
    EXPECT_EQ(decodedQuery(server.requests().first()), "p=1&x00=x5555&x00=y3333ZEP-V1.0-2000-");
    EXPECT_EQ(requestLog(),
              (QStringList{"x5555", "y2222[_12_40_]", "/pics/a.png", "/pics/b.png", "x9999"}));
    EXPECT_EQ(state().listIdCopyright[1], 8);
    EXPECT_EQ(state().userMessage, "Welcome");
    EXPECT_EQ(state().listImageSELECTED[0], server.url("/pics/a.png"));
    EXPECT_EQ(state().pictureCount, 2);
    EXPECT_EQ(state().listCopyright[1], "-B-99--");
    EXPECT_EQ(state().catalogueLoaded, 1);
}

TEST_F(CatalogueSequenceTest, EverySlotShowsTheCreditAndTimingOfTheEntryItCameFrom) {
    // A picture, a series of three and a picture kept four times as long, at catalogue
    // positions 0, 1 and 2.
    for (const char* path : {"/pics/s_1.jpg", "/pics/s_2.jpg", "/pics/s_3.jpg", "/pics/c.jpg"})
        servePicture(path);
    answer("y2222",
           ("<P>" + server.url("/pics/a.png") + "<P>" + coded('5', "/pics/s_*.jpg,1,1,3,1") +
            "<P>" + server.url("/pics/c.jpg") + "<P>")
               .toLatin1());
    answer("x9999", "<P>-Plain-7-Plain line<P>-Series-95-Series line<P>-Long-200-Long line<P>");
    load(0, "0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n\r\n\r\n");
    ASSERT_EQ(state().pictureCount, 5);

    const struct {
        const char* credit;
        int interval;
    } expected[] = {{"Plain", 8000},
                    {"Series", Slideshow::kQuickIntervalMs},
                    {"Series", Slideshow::kQuickIntervalMs},
                    {"Series", Slideshow::kQuickIntervalMs},
                    {"Long", 32000}};
    // The second cycle begins with the periodic download of the same entries.
    for (int cycle = 0; cycle < 2; ++cycle) {
        if (cycle == 1)
            state().cntCounterDwLoadImage = 1000;
        for (int slot = 0; slot < 5; ++slot) {
            form().parts().slideshow->imgClock_Timer();
            ASSERT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, slot + 1);
            const QString credit = QString::fromLatin1(expected[slot].credit);
            const std::string where = std::to_string(cycle) + "/" + std::to_string(slot);
            EXPECT_EQ(state().statusLine1.toStdString(),
                      (credit + state().LastUpdate).toStdString())
                << where;
            EXPECT_EQ(state().statusLine2.toStdString(), (credit + " line").toStdString()) << where;
            EXPECT_EQ(form().parts().timers.imgClock.interval(), expected[slot].interval) << where;
        }
    }
    EXPECT_EQ(server.requestCount("/pics/s_3.jpg"), 2);
}

TEST_F(CatalogueSequenceTest, ThePanelAsksForTheFullCatalogueWithoutFetchingPastFailures) {
    state().fullCatalogueWanted = 1;
    state().listIdEntry[1] = 77;
    answer("x5555", "");
    answer("x6666", "<P>ERR busy<P>");
    load(1, "1\r\n12\r\n\r\n\r\n");
    EXPECT_EQ(requestLog(), (QStringList{"x5555", "x4444", "x6666", "x7777", "x9999"}));
    EXPECT_EQ(state().listURL[2], "http://h/3.jpg");
    EXPECT_EQ(state().listIdEntry[1], 77);
    EXPECT_EQ(state().listURLcomment[2], "three");
    EXPECT_EQ(state().listCopyright[0], "-A-95--");
    EXPECT_TRUE(state().listImageSELECTED[0].isEmpty());
    EXPECT_EQ(state().catalogueLoaded, 1);

    // A dead server ends the sequence too.
    state().catalogueLoaded = 0;
    setCatalogue({});
    server.close();
    load(0);
    EXPECT_EQ(state().catalogueLoaded, 1);
}

TEST_F(CatalogueSequenceTest, WithoutAUsableSelectionOrConfigurationNothingIsFetched) {
    // No selection file: the configuration goes too.
    form().parts().catalogueClient->LoadCatalogue(0);
    EXPECT_EQ(state().catalogueStatus, "0");
    EXPECT_FALSE(workFileExists(ConfigFiles::kConfigFile));
    // No configuration file: the selection goes too.
    load(0);
    EXPECT_EQ(state().catalogueStatus, "0");
    EXPECT_FALSE(workFileExists(ConfigFiles::kPictureListFile));
    // An empty selection fails only a start that is not the panel's.
    writeWorkFile(ConfigFiles::kConfigFile, kConfig);
    load(1, "\r\n\r\n");
    EXPECT_EQ(state().catalogueStatus, "1");
    form().parts().catalogueClient->LoadCatalogue(0);
    EXPECT_EQ(state().catalogueStatus, "0");
    EXPECT_EQ(server.requestCount(), 0);

    // An unreadable configuration stops after the user message.
    writeWorkFile(ConfigFiles::kConfigFile, "");
    load(0);
    EXPECT_EQ(requestLog(), QStringList{"x5555"});
    EXPECT_EQ(state().catalogueLoaded, 0);
}
