// LoadCatalogue over loopback HTTP: the order of its requests for a saved selection and for the
// full catalogue, and what it does without a usable selection.
#include "CatalogueTestSupport.h"

#include "catalogue/CatalogueClient.h"
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
        form().catalogueClient().LoadCatalogue(mode);
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
    form().catalogueClient().LoadCatalogue(0);
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
    form().catalogueClient().LoadCatalogue(0);
    EXPECT_EQ(state().catalogueStatus, "0");
    EXPECT_EQ(server.requestCount(), 0);

    // An unreadable configuration stops after the user message.
    writeWorkFile(ConfigFiles::kConfigFile, "");
    load(0);
    EXPECT_EQ(requestLog(), QStringList{"x5555"});
    EXPECT_EQ(state().catalogueLoaded, 0);
}
