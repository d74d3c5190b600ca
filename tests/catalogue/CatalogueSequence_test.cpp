// LoadCatalogue over loopback HTTP: the order of its requests for a saved selection and for the
// full catalogue, and what it does without a usable selection.
#include "CatalogueTestSupport.h"

#include "catalogue/CatalogueClient.h"
#include "storage/ConfigFiles.h"

#include <QFile>

using testsupport::HttpResponse;

namespace {

class CatalogueSequenceTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        writeWorkFile(ConfigFiles::kConfigFile, "15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
        servePicture(QStringLiteral("/pics/a.png"), "PNG", Qt::red);
        servePicture(QStringLiteral("/pics/b.png"), "PNG", Qt::blue);
        answer(QStringLiteral("x5555"), "<P>outmsg:Welcome<P>");
        const QString reply = QStringLiteral("<P>%1<P>%2<P>")
                                  .arg(server.url(QStringLiteral("/pics/a.png")),
                                       server.url(QStringLiteral("/pics/b.png")));
        answer(QStringLiteral("y2222"), reply.toLatin1());
        answer(QStringLiteral("x4444"), "<P>http://h/1.jpg<P>http://h/2.jpg<P>http://h/3.jpg<P>");
        answer(QStringLiteral("x6666"), "<P>1<P>12<P>40<P>");
        answer(QStringLiteral("x7777"), "<P>one<P>two<P>three<P>");
        answer(QStringLiteral("x9999"), "<P>-A-95--<P>-B-99--<P>-C---<P>");
    }
    void writeSelection(const QByteArray& text) {
        writeWorkFile(ConfigFiles::kPictureListFile, text);
    }
};

} // namespace

TEST_F(CatalogueSequenceTest, ASavedSelectionIsRequestedFetchedAndCredited) {
    writeSelection("0\r\n12\r\n7\r\n40\r\n\r\n\r\n");
    form().catalogueClient().LoadCatalogue(0);

    const QStringList log = requestLog();
    ASSERT_GE(log.size(), 5) << log.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(log[0], QStringLiteral("x5555"));
    EXPECT_EQ(log[1], QStringLiteral("y2222[_12_40_]"));
    EXPECT_EQ(log.mid(2, log.size() - 3),
              (QStringList{QStringLiteral("/pics/a.png"), QStringLiteral("/pics/b.png")}));
    EXPECT_EQ(log.last(), QStringLiteral("x9999"));

    EXPECT_EQ(state().strIdForBrowser, QStringLiteral("[_12_40_]"));
    EXPECT_EQ(state().listIdCopyright[0], 1);
    EXPECT_EQ(state().listIdCopyright[1], 8);
    EXPECT_EQ(state().listIdCopyright[2], 0);
    EXPECT_EQ(state().userMessage, QStringLiteral("Welcome"));
    EXPECT_EQ(state().listImageSELECTED[0], server.url(QStringLiteral("/pics/a.png")));
    EXPECT_EQ(state().listOLDImageSELECTED[1], server.url(QStringLiteral("/pics/b.png")));
    EXPECT_EQ(state().pictureCount, 2);
    EXPECT_EQ(state().listCopyright[1], QStringLiteral("-B-99--"));
    EXPECT_EQ(state().catalogueLoaded, 1);
    EXPECT_EQ(state().catalogueStatus, QStringLiteral("1"));
}

TEST_F(CatalogueSequenceTest, ThePanelAsksForTheFullCatalogueWithoutFetching) {
    writeSelection("1\r\n12\r\n\r\n\r\n");
    state().fullCatalogueWanted = 1;
    form().catalogueClient().LoadCatalogue(1);

    EXPECT_EQ(requestLog(), (QStringList{QStringLiteral("x5555"), QStringLiteral("x4444"),
                                         QStringLiteral("x6666"), QStringLiteral("x7777"),
                                         QStringLiteral("x9999")}));
    EXPECT_EQ(state().listURL[2], QStringLiteral("http://h/3.jpg"));
    EXPECT_EQ(state().listIdEntry[1], 12);
    EXPECT_EQ(state().listURLcomment[2], QStringLiteral("three"));
    EXPECT_EQ(state().listCopyright[0], QStringLiteral("-A-95--"));
    EXPECT_TRUE(state().listImageSELECTED[0].isEmpty());
    EXPECT_EQ(state().fullCatalogueWanted, 0);
    EXPECT_EQ(state().catalogueLoaded, 1);
}

TEST_F(CatalogueSequenceTest, FailedRequestsDoNotStopTheSequence) {
    writeSelection("0\r\n12\r\n\r\n\r\n");
    state().fullCatalogueWanted = 1;
    state().listURLcomment[0] = QStringLiteral("kept");
    answer(QStringLiteral("x7777"), "<P>ERR busy<P>");
    answer(QStringLiteral("x5555"), "");
    form().catalogueClient().LoadCatalogue(1);
    EXPECT_EQ(requestLog().size(), 5);
    EXPECT_EQ(state().listURLcomment[0], QStringLiteral("kept"));
    EXPECT_EQ(state().catalogueLoaded, 1);
}

TEST_F(CatalogueSequenceTest, ALoadedCatalogueIsNotLoadedAgain) {
    writeSelection("0\r\n12\r\n\r\n\r\n");
    state().catalogueLoaded = 1;
    state().catalogueStatus = QStringLiteral("0");
    form().catalogueClient().LoadCatalogue(0);
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_EQ(state().catalogueStatus, QStringLiteral("1"));
}

TEST_F(CatalogueSequenceTest, WithoutSelectionFileTheConfigurationIsDeletedAndNothingAsked) {
    form().catalogueClient().LoadCatalogue(0);
    EXPECT_EQ(state().catalogueStatus, QStringLiteral("0"));
    EXPECT_FALSE(workFileExists(ConfigFiles::kConfigFile));
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_EQ(state().catalogueLoaded, 0);
}

TEST_F(CatalogueSequenceTest, WithoutConfigurationFileTheSelectionGoesToo) {
    writeSelection("0\r\n12\r\n\r\n\r\n");
    QFile::remove(workPath(ConfigFiles::kConfigFile));
    form().catalogueClient().LoadCatalogue(0);
    EXPECT_EQ(state().catalogueStatus, QStringLiteral("0"));
    EXPECT_FALSE(workFileExists(ConfigFiles::kPictureListFile));
    EXPECT_EQ(server.requestCount(), 0);
}

TEST_F(CatalogueSequenceTest, AnEmptySelectionAsksNothing) {
    writeSelection("\r\n\r\n");
    form().catalogueClient().LoadCatalogue(1);
    EXPECT_EQ(state().catalogueStatus, QStringLiteral("1"));
    form().catalogueClient().LoadCatalogue(0);
    EXPECT_EQ(state().catalogueStatus, QStringLiteral("0"));
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_EQ(state().catalogueLoaded, 0);
}

TEST_F(CatalogueSequenceTest, AnUnreadableConfigurationStopsAfterTheUserMessage) {
    writeSelection("0\r\n12\r\n\r\n\r\n");
    writeWorkFile(ConfigFiles::kConfigFile, "");
    form().catalogueClient().LoadCatalogue(0);
    EXPECT_EQ(requestLog(), QStringList{QStringLiteral("x5555")});
    EXPECT_EQ(state().catalogueLoaded, 0);
}

TEST_F(CatalogueSequenceTest, ADeadServerLeavesAnEmptyStoreButEndsTheSequence) {
    writeSelection("0\r\n12\r\n\r\n\r\n");
    server.close();
    form().catalogueClient().LoadCatalogue(0);
    EXPECT_TRUE(state().listURL[0].isEmpty());
    EXPECT_EQ(state().catalogueLoaded, 1);
}
