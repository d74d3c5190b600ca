// The service over real HTTP on loopback: every selector, the version page, the collections
// package, unknown addresses and the request log.
#include "ServiceFixture.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using namespace catalogueservice;

TEST_F(ServiceFixture, ProbeAnswerCarriesTheMarker) {
    const QString reply = ask(QStringLiteral("p=1&x00=x8888"));
    EXPECT_TRUE(reply.contains(QStringLiteral("ZEP_REPLY_TO_CLIENT")));
    EXPECT_FALSE(items(reply).value(0).startsWith(QStringLiteral("ERR")));
}

TEST_F(ServiceFixture, CatalogueColumnsAgreeInCountAndOrder) {
    const Catalogue demo = DemoCatalogue();
    const QStringList addresses = items(ask(QStringLiteral("p=1&x00=x4444")));
    const QStringList ids = items(ask(QStringLiteral("p=1&x00=x6666")));
    const QStringList descriptions = items(ask(QStringLiteral("p=1&x00=x7777")));
    const QStringList credits = items(ask(QStringLiteral("p=1&x00=x9999")));
    ASSERT_EQ(addresses.size(), demo.entries.size());
    ASSERT_EQ(ids.size(), demo.entries.size());
    ASSERT_EQ(descriptions.size(), demo.entries.size());
    ASSERT_EQ(credits.size(), demo.entries.size());
    for (int i = 0; i < demo.entries.size(); ++i) {
        EXPECT_EQ(ids[i].toInt(), demo.entries[i].id);
        EXPECT_EQ(descriptions[i], demo.entries[i].description);
        EXPECT_EQ(credits[i], demo.entries[i].credit);
    }
    // Addresses point back at the service as the client reached it.
    const QString hostPort = QStringLiteral("127.0.0.1:%1").arg(port_);
    EXPECT_EQ(addresses[0], QStringLiteral("http://%1/demo/satellite.jpg").arg(hostPort));
    EXPECT_EQ(addresses[1], QStringLiteral("4ttp://%1/demo/radar.gif").arg(hostPort));
    EXPECT_EQ(addresses[2],
              QStringLiteral("5ttp://%1/demo/series/frame_*.jpg,1,1,3,3").arg(hostPort));
    for (const QString& address : addresses)
        EXPECT_FALSE(address.contains(QLatin1Char('{'))) << address.toStdString();
}

TEST_F(ServiceFixture, IdListGivesThoseAddressesInListOrder) {
    const QStringList all = items(ask(QStringLiteral("p=1&x00=x4444")));
    EXPECT_EQ(items(ask(QStringLiteral("p=1&x00=y2222[_2_1_]"))), (QStringList{all[1], all[0]}));
    EXPECT_EQ(items(ask(QStringLiteral("p=1&x00=y2222%5B_4_3_%5D"))),
              (QStringList{all[3], all[2]}));
    // An id the catalogue no longer has is left out; the others still come.
    EXPECT_EQ(items(ask(QStringLiteral("p=1&x00=y2222[_999_1_]"))), QStringList{all[0]});
}

TEST_F(ServiceFixture, UserMessageHasTheOutmsgForm) {
    const QStringList reply = items(ask(QStringLiteral("p=1&x00=x5555")));
    ASSERT_EQ(reply.size(), 1);
    EXPECT_TRUE(reply[0].startsWith(QStringLiteral("outmsg")));
    // The client takes the message from the eighth character on.
    EXPECT_EQ(reply[0].mid(7), DemoCatalogue().userMessage);
}

TEST_F(ServiceFixture, UnknownSelectorsAndBrokenQueriesGetAnErrItem) {
    for (const QString& query :
         {QStringLiteral("p=1&x00=x1234"), QStringLiteral("p=1&x00=y2222[_1"),
          QStringLiteral("p=9&x00=x4444"), QStringLiteral("p=1&x00=x4444extra")}) {
        const QStringList reply = items(ask(query));
        ASSERT_EQ(reply.size(), 1) << query.toStdString();
        EXPECT_TRUE(reply[0].startsWith(QStringLiteral("ERR"))) << query.toStdString();
    }
}

TEST_F(ServiceFixture, RepliesAreLatin1Html) {
    Catalogue catalogue = DemoCatalogue();
    catalogue.userMessage = QStringLiteral("M\u00e9t\u00e9o");
    restartWith(catalogue);
    const HttpReply reply = get(QStringLiteral("/nimbrisco/catalogue?p=1&x00=x5555&x00=y3333v"));
    EXPECT_TRUE(reply.contentType.startsWith("text/html"));
    EXPECT_TRUE(reply.contentType.toLower().contains("iso-8859-1"));
    EXPECT_EQ(reply.body, QByteArray("<P>outmsg:M\xe9t\xe9o<P>"));
}

TEST_F(ServiceFixture, HostHeaderDecidesTheAddressesItPointsTo) {
    const HttpReply reply = HttpGet(url(QStringLiteral("/nimbrisco/catalogue?p=1&x00=y2222[_1_]")),
                                    {{"Host", "wall.example.org:8377"}});
    EXPECT_EQ(reply.body, QByteArray("<P>http://wall.example.org:8377/demo/satellite.jpg<P>"));
}

TEST_F(ServiceFixture, VersionPageHoldsTheConfiguredFields) {
    Catalogue catalogue = DemoCatalogue();
    catalogue.collectionsId = QStringLiteral("Collection_007");
    restartWith(catalogue);
    const HttpReply reply = get(QStringLiteral("/currentversion.html"));
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, QByteArray("\"Nimbrisco_7.8.12P\",\"Collection_007\"\r\n"));
}

TEST_F(ServiceFixture, CollectionsPackageIsServedFromTheNamedFileOrTheBuiltInOne) {
    const HttpReply builtIn = get(QStringLiteral("/collections.exe"));
    EXPECT_EQ(builtIn.status, 200);
    EXPECT_TRUE(builtIn.body.startsWith("#!/bin/sh"));

    Catalogue catalogue = DemoCatalogue();
    catalogue.collectionsPackage = dir_.filePath(QStringLiteral("package.bin"));
    restartWith(catalogue);
    EXPECT_EQ(get(QStringLiteral("/collections.exe")).status, 500);
    QFile package(catalogue.collectionsPackage);
    ASSERT_TRUE(package.open(QIODevice::WriteOnly));
    package.write("PK-collections");
    package.close();
    EXPECT_EQ(get(QStringLiteral("/collections.exe")).body, QByteArray("PK-collections"));
}

TEST_F(ServiceFixture, UnknownAddressesAreNotFound) {
    EXPECT_EQ(get(QStringLiteral("/nowhere")).status, 404);
    EXPECT_EQ(get(QStringLiteral("/demo/missing.jpg")).status, 404);
}

TEST_F(ServiceFixture, RequestLogHasOneLinePerRequestWithTargetAndStatus) {
    get(QStringLiteral("/nimbrisco/catalogue?p=1&x00=x8888&x00=y3333v1"));
    get(QStringLiteral("/nowhere?a=1"));
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(
        lines[0].contains(QStringLiteral("GET /nimbrisco/catalogue?p=1&x00=x8888&x00=y3333v1 200")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("/nowhere?a=1 404"))) << lines[1].toStdString();
    // Each line starts with the date and time.
    EXPECT_TRUE(
        QDateTime::fromString(lines[0].left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid());
}

TEST(RequestLogLine, ControlCharactersCannotForgeLines) {
    const QString line = RequestLog::formatLine(QDateTime(QDate(2024, 12, 8), QTime(10, 15, 30)),
                                                "GET", QStringLiteral("/a\nFAKE 200\r"), 404);
    EXPECT_EQ(line, "2024-12-08 10:15:30.000 GET /a?FAKE 200? 404");
}
