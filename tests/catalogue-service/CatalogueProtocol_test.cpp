// Reading selector queries, writing replies and taking the base address from the Host header,
// without a server.
#include "CatalogueProtocol.h"
#include "HostBase.h"

#include <gtest/gtest.h>

using namespace catalogueservice;

namespace {

CatalogueQuery Parse(const QByteArray& raw) {
    CatalogueQuery query;
    QString error;
    EXPECT_TRUE(ParseCatalogueQuery(raw, query, error))
        << raw.constData() << ": " << error.toStdString();
    return query;
}

} // namespace

TEST(QueryParsing, ReadsEverySelectorTheClientVersionAndIdLists) {
    const std::pair<const char*, Selector> selectors[] = {
        {"x8888", Selector::Probe},        {"x4444", Selector::Addresses},
        {"x5555", Selector::UserMessage},  {"x6666", Selector::Ids},
        {"x7777", Selector::Descriptions}, {"x9999", Selector::Credits}};
    for (const auto& [code, selector] : selectors) {
        const CatalogueQuery query =
            Parse(QByteArray("p=1&x00=") + code + "&x00=y3333Nimbrisco_7.8.12P");
        EXPECT_EQ(query.selector, selector) << code;
        EXPECT_EQ(query.clientVersion, "Nimbrisco_7.8.12P");
    }
    EXPECT_TRUE(Parse("p=1&x00=x4444").clientVersion.isEmpty());
    // A parameter of another name is room for extensions, not an error.
    EXPECT_EQ(Parse("p=1&x00=x6666&lang=it").selector, Selector::Ids);
    // Id lists keep their order, plain or percent-encoded.
    EXPECT_EQ(Parse("p=1&x00=y2222[_12_40_]&x00=y3333v").ids, (QList<int>{12, 40}));
    EXPECT_EQ(Parse("p%3D1%26x00%3Dy2222%5b_7_3_%5d").ids, (QList<int>{7, 3}));
    EXPECT_TRUE(Parse("p=1&x00=y2222[_]").ids.isEmpty());
}

TEST(QueryParsing, RefusesMalformedQueriesWithAReason) {
    CatalogueQuery query;
    QString error;
    for (const char* raw : {"", "p=1", "p=1&y00=x4444", "p=1&x00=x44", "p=1&x00=x4444junk",
                            "p=1&x00=y2222", "p=1&x00=y2222[_12_40]", "p=1&x00=y2222[_a_]",
                            "p=1&x00=y2222[_123456_]", "p=1&x00=x4444&x00=x6666"}) {
        error.clear();
        EXPECT_FALSE(ParseCatalogueQuery(raw, query, error)) << raw;
        EXPECT_FALSE(error.isEmpty()) << raw;
    }
    EXPECT_FALSE(ParseCatalogueQuery("p=2&x00=x4444", query, error));
    EXPECT_TRUE(error.contains("p=1"));
    EXPECT_FALSE(ParseCatalogueQuery("p=1&x00=x1234&x00=y3333v", query, error));
    EXPECT_TRUE(error.contains("x1234"));
}

TEST(Replies, ColumnsFollowCatalogueOrderWithTheAddressTokensFilled) {
    Catalogue catalogue;
    catalogue.entries = {{12, "{base}/a.jpg", "A first", "-one--"},
                         {40, "4ttp://{host}/b.gif", "B second", "-two-200-"}};
    catalogue.userMessage = "Hi there";
    const std::pair<const char*, const char*> cases[] = {
        {"p=1&x00=x4444", "<P>http://h:9/a.jpg<P>4ttp://h:9/b.gif<P>"},
        {"p=1&x00=x6666", "<P>12<P>40<P>"},
        {"p=1&x00=x7777", "<P>A first<P>B second<P>"},
        {"p=1&x00=x9999", "<P>-one--<P>-two-200-<P>"},
        {"p=1&x00=x5555", "<P>outmsg:Hi there<P>"},
        // An id the catalogue no longer has is left out; the others still come.
        {"p=1&x00=y2222[_40_99_12_]", "<P>4ttp://h:9/b.gif<P>http://h:9/a.jpg<P>"}};
    for (const auto& [query, reply] : cases)
        EXPECT_EQ(HandleCatalogueQuery(catalogue, query, "http://h:9"), reply) << query;
    EXPECT_EQ(FormatReply({}), "<P>");
    EXPECT_TRUE(HandleCatalogueQuery(catalogue, "p=1&x00=z0000", "http://h:9")
                    .startsWith(QStringLiteral("<P>ERR")));
}

TEST(HostHeader, PlainHostsBecomeTheBaseOthersFallBack) {
    const QString fallback = "http://127.0.0.1:8377";
    EXPECT_EQ(BaseFromHost("localhost:8377", fallback), "http://localhost:8377");
    EXPECT_EQ(BaseFromHost("wall.example.org", fallback), "http://wall.example.org");
    EXPECT_EQ(BaseFromHost("[::1]:8377", fallback), "http://[::1]:8377");
    for (const char* unsafe : {"", "evil/path:1", "a b", "x<P>y"})
        EXPECT_EQ(BaseFromHost(unsafe, fallback), fallback) << unsafe;
}
