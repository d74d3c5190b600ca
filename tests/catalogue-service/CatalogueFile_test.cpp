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

QJsonObject Entry(const QJsonValue& id = 1) {
    return {{"id", id},
            {"address", "http://example.org/a.jpg"},
            {"description", "Test TST picture"},
            {"credit", "-credit--line-"}};
}

// Whether the catalogue of these entries parses; its refusal reason must hold `reason`.
bool Parses(const QJsonArray& entries, const char* reason = "") {
    Catalogue catalogue;
    QString error;
    const QByteArray json = QJsonDocument(QJsonObject{{"entries", entries}}).toJson();
    const bool ok = ParseCatalogue(json, "/tmp", catalogue, error);
    EXPECT_TRUE(ok || error.contains(QLatin1String(reason))) << error.toStdString();
    return ok;
}

} // namespace

TEST(CatalogueFile, LoadsAFileAndRefusesMissingOrBrokenOnes) {
    QTemporaryDir dir;
    QFile file(dir.filePath("mine.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"userMessage": "Hello", "collectionsPackage": "pkg.bin",
                  "versionPage": {"collectionsId": "C2"},
                  "entries": [{"id": 7, "address": "http://a/b.jpg", "description": "A B",
                               "credit": "-x-95-y-"}]})");
    file.close();
    Catalogue catalogue;
    QString error;
    ASSERT_TRUE(LoadCatalogueFile(file.fileName(), catalogue, error)) << error.toStdString();
    ASSERT_EQ(catalogue.entries.size(), 1);
    EXPECT_EQ(catalogue.entries[0].credit, "-x-95-y-");
    EXPECT_EQ(catalogue.userMessage, "Hello");
    EXPECT_EQ(catalogue.collectionsId, "C2");
    // Relative to the catalogue file, not to the working directory.
    EXPECT_EQ(catalogue.collectionsPackage, dir.filePath("pkg.bin"));

    EXPECT_FALSE(LoadCatalogueFile(dir.filePath("none.json"), catalogue, error));
    EXPECT_TRUE(error.contains("none.json"));
    EXPECT_FALSE(ParseCatalogue("{\"entries\": [", "/tmp", catalogue, error));
    EXPECT_TRUE(error.contains("JSON"));
    for (const char* broken : {"[]", "{}", "{\"entries\": [3]}"})
        EXPECT_FALSE(ParseCatalogue(broken, "/tmp", catalogue, error)) << broken;
}

TEST(CatalogueFile, RefusesEntriesThatWouldBreakTheClientsReading) {
    // A <P> would cut the item in two; an item beginning with ERR fails the whole reply (lower
    // case does not); an empty address or description ends the client's list early; replies
    // are Latin-1. A credit record with more than four "-" loads, with a warning: the client
    // shows a message for every further one.
    const struct {
        const char* field;
        QString value;
        bool ok;
        const char* reason = "";
    } cases[] = {{"description", "Test <p> inside", false, "<P>"},
                 {"description", "ERRATIC winds", false},
                 {"description", "errant winds", true},
                 {"address", "", false},
                 {"description", "", false},
                 {"credit", "", true},
                 {"description", "M\u00e9t\u00e9o FR", true},
                 {"description", "Weather \u4e91", false},
                 {"credit", "-credit-200-second line-", true},
                 {"credit", "-GOES-East-95-line-", true}};
    for (const auto& c : cases) {
        QJsonObject entry = Entry();
        entry[c.field] = c.value;
        EXPECT_EQ(Parses({entry}, c.reason), c.ok) << c.field << " " << c.value.toStdString();
    }
    Catalogue warned;
    QString error;
    QJsonObject dashes = Entry(9);
    dashes["credit"] = "-a-b-c-d-e-f-";
    ASSERT_TRUE(ParseCatalogue(
        QJsonDocument(QJsonObject{{"entries", QJsonArray{Entry(), dashes}}}).toJson(), "/tmp",
        warned, error));
    ASSERT_EQ(warned.warnings.size(), 1);
    EXPECT_TRUE(warned.warnings[0].contains("id 9")) << warned.warnings[0].toStdString();
    EXPECT_FALSE(Parses({Entry(4), Entry(4)}, "twice"));
    EXPECT_TRUE(Parses({Entry(1), Entry(32767)}));
    for (const QJsonValue& id :
         {QJsonValue(32768), QJsonValue(0), QJsonValue(1.5), QJsonValue("3")})
        EXPECT_FALSE(Parses({Entry(id)}));
}

TEST(ShippedCatalogues, DemoHasTheFirstRunSelectionAndEverySourceKindAndTheExternalOneLoads) {
    const Catalogue demo = DemoCatalogue();
    // A first run selects positions 0 to 3 with ids 1 to 4: a still picture, a radar loop, a
    // numbered series and a forecast page for the town.
    ASSERT_GE(demo.entries.size(), 4);
    QString firstKinds;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(demo.entries[i].id, i + 1);
        firstKinds += demo.entries[i].address.at(0);
    }
    EXPECT_EQ(firstKinds, "{453");
    EXPECT_TRUE(demo.entries[3].address.contains("<p01>"));
    QSet<QChar> kinds;
    for (const CatalogueEntry& entry : demo.entries) {
        kinds.insert(entry.address.at(0));
        // The slideshow splits the record at "-": field 0 stays empty, then credit and code.
        EXPECT_TRUE(entry.credit.startsWith('-') && entry.credit.at(1) != '-' &&
                    entry.credit.count('-') >= 3)
            << entry.credit.toStdString();
    }
    EXPECT_EQ(kinds, (QSet<QChar>{'2', '3', '4', '5', '6', '{'}));

    Catalogue external;
    QString error;
    ASSERT_TRUE(LoadCatalogueFile(":/catalogues/public-weather.json", external, error))
        << error.toStdString();
    ASSERT_GE(external.entries.size(), 4);
    for (const CatalogueEntry& entry : external.entries)
        EXPECT_TRUE(entry.address.mid(1).startsWith("ttps://")) << entry.address.toStdString();
}
