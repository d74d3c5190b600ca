// Catalogue files: loading, the checks that keep replies readable by the client and the shipped
// catalogues.
#include "ServiceFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

using namespace catalogueservice;

namespace {

QByteArray WithEntries(const QJsonArray& entries) {
    return QJsonDocument(QJsonObject{{"entries", entries}}).toJson();
}

QJsonObject Entry(const QJsonValue& id = 1) {
    return {{"id", id},
            {"address", "http://example.org/a.jpg"},
            {"description", "Test TST picture"},
            {"credit", "-credit--line-"}};
}

QByteArray OneEntry(const QString& field, const QString& value) {
    QJsonObject entry = Entry();
    entry[field] = value;
    return WithEntries({entry});
}

// Whether the text parses; its refusal reason must hold `reason`.
bool Parses(const QByteArray& json, const char* reason = "") {
    Catalogue catalogue;
    QString error;
    const bool ok = ParseCatalogue(json, QStringLiteral("/tmp"), catalogue, error);
    EXPECT_TRUE(ok || error.contains(QLatin1String(reason))) << error.toStdString();
    return ok;
}

} // namespace

TEST(CatalogueFile, LoadsAFileAndRefusesMissingOrBrokenOnesWithAReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"userMessage": "Hello", "collectionsPackage": "pkg.bin",
                  "versionPage": {"collectionsId": "C2"},
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
    EXPECT_EQ(catalogue.programVersion, "Nimbrisco_7.8.12P");
    EXPECT_EQ(catalogue.collectionsId, "C2");
    // Relative to the catalogue file, not to the working directory.
    EXPECT_EQ(catalogue.collectionsPackage, dir.filePath(QStringLiteral("pkg.bin")));

    EXPECT_FALSE(LoadCatalogueFile(dir.filePath(QStringLiteral("none.json")), catalogue, error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.json")));
    EXPECT_FALSE(Parses("{\"entries\": [", "JSON"));
    for (const char* broken : {"[]", "{}", "{\"entries\": [3]}"})
        EXPECT_FALSE(Parses(broken)) << broken;
}

TEST(CatalogueFile, RefusesTextsThatWouldBreakTheClientsReading) {
    EXPECT_TRUE(Parses(OneEntry("description", "Test TST fine")));
    // A separator inside an item would cut it in two.
    EXPECT_FALSE(Parses(OneEntry("description", "Test <p> inside"), "<P>"));
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
    // The client shows an error box for every "-" after the fourth.
    EXPECT_TRUE(Parses(OneEntry("credit", "-credit-200-second line-")));
    EXPECT_FALSE(Parses(OneEntry("credit", "-GOES-East-95-line-"), "credit"));
}

TEST(CatalogueFile, IdsAreUniqueSixteenBitNumbers) {
    EXPECT_TRUE(Parses(WithEntries({Entry(1), Entry(32767)})));
    EXPECT_FALSE(Parses(WithEntries({Entry(4), Entry(4)}), "twice"));
    for (const QJsonValue& id :
         {QJsonValue(32768), QJsonValue(0), QJsonValue(1.5), QJsonValue("3")})
        EXPECT_FALSE(Parses(WithEntries({Entry(id)})));
}

TEST(ShippedCatalogues, DemoHasEverySourceKindAndDisplayCodeAndTheExternalOneLoads) {
    const Catalogue demo = DemoCatalogue();
    // A first run selects positions 0 to 3 with ids 1 to 4: a still picture, a radar loop, a
    // numbered series and a forecast page for the town.
    ASSERT_GE(demo.entries.size(), 4);
    QString firstKinds;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(demo.entries[i].id, i + 1);
        firstKinds += demo.entries[i].address.at(0);
    }
    EXPECT_EQ(firstKinds, QStringLiteral("{453"));
    EXPECT_TRUE(demo.entries[3].address.contains(QStringLiteral("<p01>")));
    QSet<QChar> kinds;
    QSet<QString> codes;
    for (const CatalogueEntry& entry : demo.entries) {
        kinds.insert(entry.address.at(0));
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

    Catalogue external;
    QString error;
    ASSERT_TRUE(
        LoadCatalogueFile(QStringLiteral(":/catalogues/public-weather.json"), external, error))
        << error.toStdString();
    ASSERT_GE(external.entries.size(), 4);
    for (const CatalogueEntry& entry : external.entries)
        EXPECT_TRUE(entry.address.mid(1).startsWith(QStringLiteral("ttps://")))
            << entry.address.toStdString();
}
