// The service over real HTTP on loopback: the selectors, the version page, the collections
// package, unknown addresses and the request log.
#include "ServiceFixture.h"

#include <QDateTime>
#include <QFile>

using namespace catalogueservice;

TEST_F(ServiceFixture, SelectorsAnswerWithAddressesBackToTheService) {
    EXPECT_EQ(ask("p=1&x00=x8888"), QStringList{"ZEP_REPLY_TO_CLIENT"});
    const QStringList addresses = ask("p=1&x00=x4444");
    ASSERT_EQ(addresses.size(), DemoCatalogue().entries.size());
    EXPECT_EQ(addresses[1], QString("4ttp://127.0.0.1:%1/demo/radar.gif").arg(port_));
    // The brackets of the id list may come percent-encoded.
    EXPECT_EQ(ask("p=1&x00=y2222%5B_2_1_%5D"), (QStringList{addresses[1], addresses[0]}));
    const QStringList refused = ask("p=1&x00=y2222[_1");
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].startsWith("ERR"));
}

TEST_F(ServiceFixture, RepliesAreLatin1HtmlForTheHostTheClientAsked) {
    Catalogue catalogue = DemoCatalogue();
    catalogue.userMessage = "M\u00e9t\u00e9o";
    restartWith(catalogue);
    const HttpReply reply = get("/nimbrisco/catalogue?p=1&x00=x5555&x00=y3333v");
    EXPECT_TRUE(reply.contentType.startsWith("text/html"));
    EXPECT_TRUE(reply.contentType.toLower().contains("iso-8859-1"));
    EXPECT_EQ(reply.body, QByteArray("<P>outmsg:M\xe9t\xe9o<P>"));
    EXPECT_EQ(HttpGet(url("/nimbrisco/catalogue?p=1&x00=y2222[_1_]"), "wall.example.org:8377").body,
              QByteArray("<P>http://wall.example.org:8377/demo/satellite.jpg<P>"));
}

TEST_F(ServiceFixture, VersionPageCollectionsPackageAndUnknownAddresses) {
    Catalogue catalogue = DemoCatalogue();
    catalogue.collectionsId = "Collection_007";
    catalogue.collectionsPackage = dir_.filePath("package.tar.gz");
    restartWith(catalogue);
    const HttpReply version = get("/currentversion.html");
    EXPECT_EQ(version.status, 200);
    EXPECT_EQ(version.body, QByteArray("\"Nimbrisco_7.8.12P\",\"Collection_007\"\r\n"));
    // A named package that is missing is a server fault, not an empty download.
    EXPECT_EQ(get("/collections.tar.gz").status, 500);
    QFile package(catalogue.collectionsPackage);
    ASSERT_TRUE(package.open(QIODevice::WriteOnly));
    package.write("collections");
    package.close();
    EXPECT_EQ(get("/collections.tar.gz").body, QByteArray("collections"));
    // Nothing is published to be run.
    EXPECT_EQ(get("/collections.exe").status, 404);
    EXPECT_EQ(get("/nowhere").status, 404);
    EXPECT_EQ(get("/demo/missing.jpg").status, 404);
}

TEST_F(ServiceFixture, RequestLogHasOneLinePerRequestWithTargetAndStatus) {
    get("/nimbrisco/catalogue?p=1&x00=x8888&x00=y3333v1");
    get("/nowhere?a=1");
    QFile file(dir_.filePath("requests.log"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("GET /nimbrisco/catalogue?p=1&x00=x8888&x00=y3333v1 200"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith("/nowhere?a=1 404")) << lines[1].toStdString();
    EXPECT_TRUE(QDateTime::fromString(lines[0].left(19), "yyyy-MM-dd HH:mm:ss").isValid());
    // Control characters in a target cannot forge lines.
    EXPECT_EQ(RequestLog::formatLine(QDateTime(QDate(2024, 12, 8), QTime(10, 15, 30)), "GET",
                                     "/a\nFAKE 200\r", 404),
              "2024-12-08 10:15:30.000 GET /a?FAKE 200? 404");
}
