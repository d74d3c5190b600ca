// Catalogue files: loading, the checks that keep replies readable by the client, the shipped
// catalogues and the address tokens.
#include "Catalogue.h"
#include "ServiceFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace catalogueservice;

namespace {

QByteArray OneEntry(const QString& field, const QString& value) {
    QJsonObject entry{{"id", 1},
                      {"address", "http://example.org/a.jpg"},
                      {"description", "Test TST picture"},
                      {"credit", "-credit--line-"}};
    entry[field] = value;
    return QJsonDocument(QJsonObject{{"entries", QJsonArray{entry}}}).toJson();
}

bool Parses(const QByteArray& json, QString* error = nullptr) {
    Catalogue catalogue;
    QString why;
    const bool ok = ParseCatalogue(json, QStringLiteral("/tmp"), catalogue, why);
    if (error)
        *error = why;
    return ok;
}

// The source kind the client reads from an address's first character.
QChar Kind(const CatalogueEntry& entry) {
    return entry.address.at(0);
}

} // namespace

TEST(CatalogueFile, LoadsAFileWithEntriesMessageAndVersionFields) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"userMessage": "Hello", "collectionsPackage": "pkg.bin",
                  "versionPage": {"programVersion": "Nimbrisco_9.9.9", "collectionsId": "C2"},
                  "entries": [{"id": 7, "address": "http://a/b.jpg", "description": "A B",
                               "credit": "-x-95-y-"}]})");
    file.close();
    Catalogue catalogue;
    QString error;
    ASSERT_TRUE(LoadCatalogueFile(path, catalogue, error)) << error.toStdString();
    ASSERT_EQ(catalogue.entries.size(), 1);
    EXPECT_EQ(catalogue.entries[0].id, 7);
    EXPECT_EQ(catalogue.entries[0].credit, "-x-95-y-");
    EXPECT_EQ(catalogue.userMessage, "Hello");
    EXPECT_EQ(catalogue.programVersion, "Nimbrisco_9.9.9");
    EXPECT_EQ(catalogue.collectionsId, "C2");
    EXPECT_EQ(catalogue.collectionsPackage, dir.filePath(QStringLiteral("pkg.bin")));
}

TEST(CatalogueFile, VersionFieldsDefaultToThisProgramAndTheFirstCollection) {
    Catalogue catalogue;
    QString error;
    ASSERT_TRUE(ParseCatalogue(R"({"entries": []})", QString(), catalogue, error));
    EXPECT_EQ(catalogue.programVersion, "Nimbrisco_7.8.12P");
    EXPECT_EQ(catalogue.collectionsId, "Collection_001");
}

TEST(CatalogueFile, MissingOrBrokenFilesAreRefusedWithAReason) {
    QTemporaryDir dir;
    Catalogue catalogue;
    QString error;
    EXPECT_FALSE(LoadCatalogueFile(dir.filePath(QStringLiteral("none.json")), catalogue, error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.json")));
    EXPECT_FALSE(Parses("{\"entries\": [", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("JSON")));
    EXPECT_FALSE(Parses("[]"));
    EXPECT_FALSE(Parses("{}"));
    EXPECT_FALSE(Parses("{\"entries\": [3]}"));
}

TEST(CatalogueFile, RefusesTextsThatWouldBreakTheClientsReading) {
    QString error;
    EXPECT_TRUE(Parses(OneEntry("description", "Test TST fine")));
    // A separator inside an item would cut it in two.
    EXPECT_FALSE(Parses(OneEntry("description", "Test <p> inside"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("<P>")));
    // An item beginning with ERR fails the whole reply; lower case does not.
    EXPECT_FALSE(Parses(OneEntry("description", "ERRATIC winds")));
    EXPECT_TRUE(Parses(OneEntry("description", "errant winds")));
    // An empty address or description would end the client's list early.
    EXPECT_FALSE(Parses(OneEntry("address", "")));
    EXPECT_FALSE(Parses(OneEntry("description", "")));
    EXPECT_TRUE(Parses(OneEntry("credit", "")));
    // Replies are Latin-1.
    EXPECT_TRUE(Parses(OneEntry("description", QStringLiteral("M\u00e9t\u00e9o FR"))));
    EXPECT_FALSE(Parses(OneEntry("description", QStringLiteral("Weather \u4e91"))));
}

TEST(CatalogueFile, CreditRecordsHoldAtMostFourSeparators) {
    // The client shows an error box for every "-" after the fourth.
    EXPECT_TRUE(Parses(OneEntry("credit", "-credit-200-second line-")));
    QString error;
    EXPECT_FALSE(Parses(OneEntry("credit", "-GOES-East-95-line-"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("credit")));
}

TEST(CatalogueFile, IdsAreUniqueSixteenBitNumbers) {
    auto withIds = [](const QJsonArray& ids) {
        QJsonArray entries;
        for (const QJsonValue& id : ids)
            entries.append(QJsonObject{
                {"id", id}, {"address", "http://a/b.jpg"}, {"description", "A B"}, {"credit", ""}});
        return QJsonDocument(QJsonObject{{"entries", entries}}).toJson();
    };
    EXPECT_TRUE(Parses(withIds({1, 32767})));
    QString error;
    EXPECT_FALSE(Parses(withIds({4, 4}), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("twice")));
    EXPECT_FALSE(Parses(withIds({32768})));
    EXPECT_FALSE(Parses(withIds({0})));
    EXPECT_FALSE(Parses(withIds({1.5})));
    EXPECT_FALSE(Parses(withIds({"3"})));
}

TEST(CatalogueFile, AddressTokensBecomeTheServicesOwnAddress) {
    const QString base = QStringLiteral("http://localhost:8377");
    EXPECT_EQ(ExpandAddress("{base}/demo/a.jpg", base), "http://localhost:8377/demo/a.jpg");
    EXPECT_EQ(ExpandAddress("4ttp://{host}/demo/r.gif", base), "4ttp://localhost:8377/demo/r.gif");
    EXPECT_EQ(ExpandAddress("https://other/x.png", base), "https://other/x.png");
}

TEST(ShippedCatalogues, DemoDefaultSelectionCoversFourSourceKinds) {
    const Catalogue demo = DemoCatalogue();
    ASSERT_GE(demo.entries.size(), 4);
    // A first run selects positions 0 to 3 with ids 1 to 4.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(demo.entries[i].id, i + 1);
    EXPECT_TRUE(demo.entries[0].address.startsWith(QStringLiteral("{base}/")));
    EXPECT_TRUE(demo.entries[0].address.endsWith(QStringLiteral(".jpg")));
    EXPECT_EQ(Kind(demo.entries[1]), '4');
    EXPECT_EQ(Kind(demo.entries[2]), '5');
    EXPECT_EQ(Kind(demo.entries[3]), '3');
    EXPECT_TRUE(demo.entries[3].address.contains(QStringLiteral("<p01>")));
}

TEST(ShippedCatalogues, DemoHasEverySourceKindDisplayCodeAndAMessage) {
    const Catalogue demo = DemoCatalogue();
    QSet<QChar> kinds;
    QSet<QString> codes;
    for (const CatalogueEntry& entry : demo.entries) {
        kinds.insert(Kind(entry));
        // Fields as the slideshow splits the record; field 0 stays empty.
        const QStringList fields = entry.credit.split(QLatin1Char('-'));
        ASSERT_GE(fields.size(), 4) << entry.credit.toStdString();
        EXPECT_TRUE(fields[0].isEmpty());
        EXPECT_FALSE(fields[1].isEmpty());
        codes.insert(fields[2]);
    }
    for (QChar kind : {'2', '3', '4', '5', '6', '{'})
        EXPECT_TRUE(kinds.contains(kind)) << QString(kind).toStdString();
    for (const char* code : {"95", "99", "200", ""})
        EXPECT_TRUE(codes.contains(QLatin1String(code))) << code;
    EXPECT_FALSE(demo.userMessage.isEmpty());
}

TEST(ShippedCatalogues, PublicWeatherCatalogueLoadsWithExternalAddresses) {
    Catalogue catalogue;
    QString error;
    ASSERT_TRUE(
        LoadCatalogueFile(QStringLiteral(":/catalogues/public-weather.json"), catalogue, error))
        << error.toStdString();
    ASSERT_GE(catalogue.entries.size(), 4);
    for (const CatalogueEntry& entry : catalogue.entries)
        EXPECT_TRUE(entry.address.mid(1).startsWith(QStringLiteral("ttps://")))
            << entry.address.toStdString();
}
