// Reading selector queries and writing replies, without a server.
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

QString Refusal(const QByteArray& raw) {
    CatalogueQuery query;
    QString error;
    EXPECT_FALSE(ParseCatalogueQuery(raw, query, error)) << raw.constData();
    return error;
}

Catalogue TwoEntries() {
    Catalogue catalogue;
    catalogue.entries = {{12, "{base}/a.jpg", "A first", "-one--"},
                         {40, "4ttp://{host}/b.gif", "B second", "-two-200-"}};
    catalogue.userMessage = "Hi there";
    return catalogue;
}

} // namespace

TEST(QueryParsing, ReadsEverySelectorAndTheClientVersion) {
    const struct {
        const char* code;
        Selector selector;
    } cases[] = {{"x8888", Selector::Probe},        {"x4444", Selector::Addresses},
                 {"x5555", Selector::UserMessage},  {"x6666", Selector::Ids},
                 {"x7777", Selector::Descriptions}, {"x9999", Selector::Credits}};
    for (const auto& c : cases) {
        const CatalogueQuery query =
            Parse(QByteArray("p=1&x00=") + c.code + "&x00=y3333Nimbrisco_7.8.12P");
        EXPECT_EQ(query.selector, c.selector) << c.code;
        EXPECT_EQ(query.clientVersion, "Nimbrisco_7.8.12P");
    }
    EXPECT_TRUE(Parse("p=1&x00=x4444").clientVersion.isEmpty());
}

TEST(QueryParsing, IdListsKeepTheirOrderPlainOrPercentEncoded) {
    EXPECT_EQ(Parse("p=1&x00=y2222[_12_40_]&x00=y3333v").ids, (QList<int>{12, 40}));
    EXPECT_EQ(Parse("p=1&x00=y2222%5B_2_1_%5D&x00=y3333v").ids, (QList<int>{2, 1}));
    EXPECT_EQ(Parse("p%3D1%26x00%3Dy2222%5b_7_%5d").ids, (QList<int>{7}));
    EXPECT_TRUE(Parse("p=1&x00=y2222[_]").ids.isEmpty());
    EXPECT_EQ(Parse("p=1&x00=y2222[_3_3_]").ids, (QList<int>{3, 3}));
}

TEST(QueryParsing, RefusesMalformedQueries) {
    EXPECT_TRUE(Refusal("").contains(QStringLiteral("p=1")));
    EXPECT_TRUE(Refusal("p=2&x00=x4444").contains(QStringLiteral("p=1")));
    EXPECT_FALSE(Refusal("p=1").isEmpty());
    EXPECT_FALSE(Refusal("p=1&y00=x4444").isEmpty());
    EXPECT_TRUE(Refusal("p=1&x00=x1234&x00=y3333v").contains(QStringLiteral("x1234")));
    EXPECT_FALSE(Refusal("p=1&x00=x44").isEmpty());
    EXPECT_FALSE(Refusal("p=1&x00=x4444junk").isEmpty());
    EXPECT_FALSE(Refusal("p=1&x00=y2222").isEmpty());
    EXPECT_FALSE(Refusal("p=1&x00=y2222[_12_40]").isEmpty());
    EXPECT_FALSE(Refusal("p=1&x00=y2222[_a_]").isEmpty());
    EXPECT_FALSE(Refusal("p=1&x00=y2222[_123456_]").isEmpty());
    EXPECT_FALSE(Refusal("p=1&x00=x4444&x00=x6666").isEmpty());
    // A parameter of another name is room for extensions, not an error.
    EXPECT_EQ(Parse("p=1&x00=x6666&lang=it").selector, Selector::Ids);
}

TEST(Replies, ItemsStandBetweenSeparatorsAndErrorsBeginWithErr) {
    EXPECT_EQ(FormatReply({}), "<P>");
    EXPECT_EQ(FormatReply({"a", "", "c"}), "<P>a<P><P>c<P>");
    EXPECT_TRUE(ErrorReply("why").startsWith(QStringLiteral("<P>ERR")));
    EXPECT_TRUE(HandleCatalogueQuery(TwoEntries(), "p=1&x00=z0000", "http://h:1")
                    .startsWith(QStringLiteral("<P>ERR")));
}

TEST(Replies, ColumnsFollowCatalogueOrderWithTheAddressTokensFilled) {
    const Catalogue catalogue = TwoEntries();
    const QString base = QStringLiteral("http://h:9");
    EXPECT_EQ(HandleCatalogueQuery(catalogue, "p=1&x00=x4444", base),
              "<P>http://h:9/a.jpg<P>4ttp://h:9/b.gif<P>");
    EXPECT_EQ(HandleCatalogueQuery(catalogue, "p=1&x00=x6666", base), "<P>12<P>40<P>");
    EXPECT_EQ(HandleCatalogueQuery(catalogue, "p=1&x00=x7777", base), "<P>A first<P>B second<P>");
    EXPECT_EQ(HandleCatalogueQuery(catalogue, "p=1&x00=x9999", base), "<P>-one--<P>-two-200-<P>");
    EXPECT_EQ(HandleCatalogueQuery(catalogue, "p=1&x00=x5555", base), "<P>outmsg:Hi there<P>");
    EXPECT_EQ(HandleCatalogueQuery(catalogue, "p=1&x00=y2222[_40_99_12_]", base),
              "<P>4ttp://h:9/b.gif<P>http://h:9/a.jpg<P>");
}

TEST(HostHeader, PlainHostsBecomeTheBaseOthersFallBack) {
    const QString fallback = QStringLiteral("http://127.0.0.1:8377");
    EXPECT_EQ(BaseFromHost("localhost:8377", fallback), "http://localhost:8377");
    EXPECT_EQ(BaseFromHost("wall.example.org", fallback), "http://wall.example.org");
    EXPECT_EQ(BaseFromHost("[::1]:8377", fallback), "http://[::1]:8377");
    EXPECT_EQ(BaseFromHost("", fallback), fallback);
    EXPECT_EQ(BaseFromHost("evil/path:1", fallback), fallback);
    EXPECT_EQ(BaseFromHost("a b", fallback), fallback);
    EXPECT_EQ(BaseFromHost("x<P>y", fallback), fallback);
}
