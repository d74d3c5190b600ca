// The version check and the collections update against the catalogue service in this process:
// the three version-page cases, a page with one field, a dead site, and the package asked,
// installed once, declined or refused.
#include "Archive.h"
#include "CatalogueServer.h"
#include "LoopbackHttpServer.h"
#include "QtPrinters.h"
#include "base/AppState.h"
#include "base/BackColor.h"
#include "i18n/Messages.h"
#include "i18n/TextTables.h"
#include "platform/fakes/FakePlatform.h"
#include "updates/VersionCheck.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using catalogueservice::VersionPageMode;

namespace {

class VersionCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(catalogueservice::LoadCatalogueFile(":/catalogues/demo.json", demo, error));
        log.setEchoToStderr(false);
        s.WORK_PATH_FILE_LIST = dir.path() + "/";
        s.Nimbrisco_Collections_Dir = dir.filePath("Nimbrisco_Collections");
        s.Lingua = 1;
        ASSERT_TRUE(QDir().mkpath(s.Nimbrisco_Collections_Dir));
        whoWeAre.setStyleSheet("color: white; background: black;");
        serve(VersionPageMode::Same);
    }
    void serve(VersionPageMode mode, const catalogueservice::Catalogue* catalogue = nullptr) {
        service =
            std::make_unique<catalogueservice::CatalogueServer>(catalogue ? *catalogue : demo, log);
        service->memory().versionPage = mode;
        const quint16 port = service->start(QHostAddress::LocalHost, 0);
        ASSERT_NE(port, 0);
        s.endpointBase = QString("http://localhost:%1/nimbrisco/catalogue?").arg(port);
    }
    QByteArray collectionsFile(const QString& name) const {
        QFile f(s.Nimbrisco_Collections_Dir + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList collectionFiles() const {
        return QDir(s.Nimbrisco_Collections_Dir).entryList({"Nimbrisco_Collection_*"}, QDir::Files);
    }
    int questions() const {
        int n = 0;
        for (const auto& m : fakes.messages->shown)
            n += m.kind == platform::RecordedMessage::Kind::YesNo;
        return n;
    }

    QTemporaryDir dir;
    catalogueservice::Catalogue demo;
    catalogueservice::RequestLog log;
    std::unique_ptr<catalogueservice::CatalogueServer> service;
    FakePlatformHandles fakes;
    std::unique_ptr<platform::Platform> platform = makeFakePlatform(QString(), &fakes);
    AppState s;
    QLabel whoWeAre;
    VersionCheck check{s, *platform, &whoWeAre};
};

TEST_F(VersionCheckTest, TheVersionPageSetsTheNoticeTheColourAndTheCollectionsFlag) {
    check.CheckVersion();
    EXPECT_EQ(s.Aggiornare, " ");
    EXPECT_EQ(backColor(&whoWeAre), 4210752);
    EXPECT_EQ(s.flagCollectionsAvailable, kFalse);
    // A fresh installation records the collections it comes with.
    EXPECT_EQ(collectionsFile("LocalCollection.dat"), "Collection_001");
    EXPECT_TRUE(whoWeAre.styleSheet().contains("#404040"));
    EXPECT_TRUE(whoWeAre.styleSheet().contains("color: white"));

    serve(VersionPageMode::NewerVersion);
    check.CheckVersion();
    EXPECT_EQ(s.Aggiornare, "\r\nNimbrisco_7.9.0P AVAILABLE");
    EXPECT_EQ(backColor(&whoWeAre), 255);
    EXPECT_EQ(s.flagCollectionsAvailable, kFalse);

    serve(VersionPageMode::NewerCollections);
    check.CheckVersion();
    EXPECT_EQ(s.Aggiornare, "  - COLLECTIONS AVAILABLE");
    EXPECT_EQ(backColor(&whoWeAre), 4210752);
    EXPECT_EQ(s.flagCollectionsAvailable, kTrue);
    // Each check is bounded to a few seconds: the window waits for it.
    EXPECT_EQ(fakes.downloader->lastTimeoutMs, VersionCheck::kPageTimeoutMs);
    EXPECT_LE(VersionCheck::kPageTimeoutMs, 5000);
}

TEST_F(VersionCheckTest, AShortPageAWrongPageOrADeadSiteChangeNoMoreThanTheyCan) {
    testsupport::LoopbackHttpServer site;
    s.endpointBase = site.url("/nimbrisco/catalogue?");
    s.flagCollectionsAvailable = kTrue;
    site.route("/currentversion.html", testsupport::HttpResponse::ok("\"Nimbrisco_7.8.12P\""));
    check.CheckVersion();
    EXPECT_EQ(s.Aggiornare, " ");
    EXPECT_EQ(s.flagCollectionsAvailable, kFalse);

    // An error page answered with success is no version page: nothing changes.
    s.Aggiornare = "before";
    site.route(
        "/currentversion.html",
        testsupport::HttpResponse::ok("<html><body>Welcome to the hotel network</body></html>"));
    check.CheckVersion();
    site.route("/currentversion.html", testsupport::HttpResponse::ok(""));
    check.CheckVersion();
    EXPECT_EQ(s.Aggiornare, "before");

    // A site that dies after announcing collections: the notice, the colour and the flag stay,
    // and the package is not asked about.
    serve(VersionPageMode::NewerCollections);
    check.CheckVersion();
    const QString notice = s.Aggiornare;
    QTcpServer dead;
    ASSERT_TRUE(dead.listen(QHostAddress::LocalHost, 0));
    const quint16 port = dead.serverPort();
    dead.close();
    s.endpointBase = QString("http://127.0.0.1:%1/nimbrisco/catalogue?").arg(port);
    check.CheckVersion();
    EXPECT_EQ(s.Aggiornare, notice);
    EXPECT_EQ(s.flagCollectionsAvailable, kTrue);
    EXPECT_EQ(backColor(&whoWeAre), 4210752);
    check.UpdateCollections();
    EXPECT_TRUE(fakes.messages->shown.empty());
    EXPECT_EQ(fakes.downloader->lastTimeoutMs, VersionCheck::kPackageTimeoutMs);
}

TEST_F(VersionCheckTest, TheAcceptedPackageIsUnpackedRecordedAndNotOfferedAgain) {
    serve(VersionPageMode::NewerCollections);
    check.CheckVersion();
    fakes.messages->queueAnswers({true});
    check.UpdateCollections();
    ASSERT_EQ(questions(), 1);
    const platform::RecordedMessage& question = fakes.messages->shown.front();
    EXPECT_EQ(question.text, QString(i18n::kAskInstallCollections.text[0]).arg("Collection_002"));
    // Nobody may be at the screen: the question answers No by itself.
    EXPECT_GT(question.boundMs, 0);
    EXPECT_EQ(fakes.messages->last().text,
              "Collections Upgraded - Automatic collections-files extraction");
    EXPECT_EQ(collectionFiles(), (QStringList{"Nimbrisco_Collection_Demo_002.dat",
                                              "Nimbrisco_Collection_Demo_002.xml"}));
    EXPECT_TRUE(
        collectionsFile("Nimbrisco_Collection_Demo_002.xml").contains("<CodePic>DMSAT</CodePic>"));
    EXPECT_EQ(collectionsFile("LocalCollection.dat"), "Collection_002");
    EXPECT_EQ(s.flagCollectionsAvailable, kFalse);
    EXPECT_EQ(s.Aggiornare, " ");
    EXPECT_FALSE(QFile::exists(s.WORK_PATH_FILE_LIST + VersionCheck::kPackage));

    // The next start reads the same page: nothing new, nothing asked.
    VersionCheck nextRun(s, *platform, &whoWeAre);
    nextRun.CheckVersion();
    nextRun.UpdateCollections();
    EXPECT_EQ(s.flagCollectionsAvailable, kFalse);
    EXPECT_EQ(questions(), 1);
}

TEST_F(VersionCheckTest, ADeclinedPackageLeavesTheFolderAndIsNotAskedAgainThisRun) {
    serve(VersionPageMode::NewerCollections);
    fakes.messages->queueAnswers({false});
    check.CheckVersion();
    check.UpdateCollections();
    check.CheckVersion();
    check.UpdateCollections();
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(fakes.messages->shown.size(), 1u);
    EXPECT_EQ(collectionFiles(), QStringList());
    EXPECT_EQ(collectionsFile("LocalCollection.dat"), "Collection_001");
    EXPECT_EQ(s.flagCollectionsAvailable, kTrue);
    EXPECT_FALSE(QFile::exists(s.WORK_PATH_FILE_LIST + VersionCheck::kPackage));

    // The next run asks again.
    VersionCheck nextRun(s, *platform, &whoWeAre);
    fakes.messages->queueAnswers({true});
    nextRun.CheckVersion();
    nextRun.UpdateCollections();
    EXPECT_EQ(questions(), 2);
    EXPECT_EQ(collectionsFile("LocalCollection.dat"), "Collection_002");
}

TEST_F(VersionCheckTest, AnUnsafePackageIsRefusedWithItsReasonAndNeverAsked) {
    using catalogueservice::ArchiveEntry;
    const QString outside = dir.filePath("escaped.xml");
    catalogueservice::Catalogue catalogue = demo;
    catalogue.collectionsPackage = dir.filePath("unsafe.tar.gz");
    QFile unsafe(catalogue.collectionsPackage);
    ASSERT_TRUE(unsafe.open(QIODevice::WriteOnly));
    unsafe.write(catalogueservice::WriteArchive(
        {catalogueservice::FileEntry("Nimbrisco_Collection_A.xml", "<a/>"),
         {"Nimbrisco_Collection_B.xml", {}, ArchiveEntry::Kind::Symlink, outside}}));
    unsafe.close();
    serve(VersionPageMode::NewerCollections, &catalogue);
    fakes.messages->defaultAnswer = true;
    check.CheckVersion();
    check.UpdateCollections();
    EXPECT_EQ(questions(), 0);
    ASSERT_EQ(fakes.messages->shown.size(), 1u);
    EXPECT_EQ(fakes.messages->last().text,
              QString(i18n::kMsgCollectionsRefused.text[0])
                  .arg(i18n::text::kPackageNotAFile.arg("Nimbrisco_Collection_B.xml")));
    EXPECT_EQ(collectionFiles(), QStringList());
    EXPECT_FALSE(QFile::exists(outside));
    EXPECT_EQ(collectionsFile("LocalCollection.dat"), "Collection_001");
    check.UpdateCollections();
    EXPECT_EQ(fakes.messages->shown.size(), 1u);
}

} // namespace
