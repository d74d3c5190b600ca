// CatalogueRequest over loopback HTTP: every reply mode, error replies, cuts, dead and slow
// servers, and a single outstanding request.
#include "CatalogueTestSupport.h"

#include "catalogue/CatalogueClient.h"
#include "platform/HttpControl.h"

using testsupport::HttpResponse;

namespace {

class CatalogueRequestTest : public CatalogueFixture {
protected:
    bool ask(const QString& code, Integer mode) {
        return form().catalogueClient().CatalogueRequest(request(QStringLiteral("p=1&x00=") + code),
                                                         mode);
    }
    void fillOldLists() {
        for (int i = 0; i < 6; ++i) {
            state().listURL[i] = QStringLiteral("old url %1").arg(i);
            state().listURLnameOnly[i] = QStringLiteral("old name %1").arg(i);
            state().listIdEntry[i] = Integer(100 + i);
            state().listURLcomment[i] = QStringLiteral("old comment %1").arg(i);
            state().listCopyright[i] = QStringLiteral("old credit %1").arg(i);
        }
        state().userMessage = QStringLiteral("old message");
    }
    void expectOldLists() {
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(state().listURL[i], QStringLiteral("old url %1").arg(i));
            EXPECT_EQ(state().listURLnameOnly[i], QStringLiteral("old name %1").arg(i));
            EXPECT_EQ(state().listIdEntry[i], 100 + i);
            EXPECT_EQ(state().listURLcomment[i], QStringLiteral("old comment %1").arg(i));
            EXPECT_EQ(state().listCopyright[i], QStringLiteral("old credit %1").arg(i));
        }
        EXPECT_EQ(state().userMessage, QStringLiteral("old message"));
    }
};

} // namespace

TEST_F(CatalogueRequestTest, TheRequestCarriesTheSelectorAndTheClientVersion) {
    answer(QStringLiteral("x4444"), "<P>a<P>");
    ASSERT_TRUE(ask(QStringLiteral("x4444"), 1));
    ASSERT_EQ(server.requestCount(), 1);
    const testsupport::HttpRequest& r = server.requests().first();
    EXPECT_EQ(r.method, QByteArray("GET"));
    EXPECT_TRUE(r.body.isEmpty());
    EXPECT_EQ(decodedQuery(r), QStringLiteral("p=1&x00=x4444&x00=y3333ZEP-V1.0-2000-"));
    EXPECT_EQ(state().listData[0], QStringLiteral("a"));
    EXPECT_NE(state().flagReplyArrived, kFalse);
}

TEST_F(CatalogueRequestTest, AddressModeReplacesTheWholeListWithNamesAfterTheLastSlash) {
    fillOldLists();
    answer(QStringLiteral("x4444"),
           "intro<P>http://h/a/sat.jpg<p>4ttp://h/radar.gif<P>3ttp://h/dir/<P>end");
    ASSERT_TRUE(ask(QStringLiteral("x4444"), 2));
    EXPECT_EQ(state().listURL[0], QStringLiteral("http://h/a/sat.jpg"));
    EXPECT_EQ(state().listURLnameOnly[0], QStringLiteral("sat.jpg"));
    EXPECT_EQ(state().listURLnameOnly[1], QStringLiteral("radar.gif"));
    EXPECT_EQ(state().listURL[2], QStringLiteral("3ttp://h/dir/"));
    EXPECT_EQ(state().listURLnameOnly[2], QString());
    for (int i = 3; i < 6; ++i) {
        EXPECT_TRUE(state().listURL[i].isEmpty());
        EXPECT_TRUE(state().listURLnameOnly[i].isEmpty());
    }
    EXPECT_EQ(state().listIdEntry[0], 100);
}

TEST_F(CatalogueRequestTest, IdentifierDescriptionAndCreditModesReplaceOnlyTheirItems) {
    fillOldLists();
    answer(QStringLiteral("x6666"), "<P>12<P>forty<P>");
    answer(QStringLiteral("x7777"), "<P>Europe<P> Alps <P>");
    answer(QStringLiteral("x9999"), "<P>-Credit-95-Line-<P>");
    ASSERT_TRUE(ask(QStringLiteral("x6666"), 4));
    ASSERT_TRUE(ask(QStringLiteral("x7777"), 5));
    ASSERT_TRUE(ask(QStringLiteral("x9999"), 6));
    EXPECT_EQ(state().listIdEntry[0], 12);
    EXPECT_EQ(state().listIdEntry[1], 0);
    EXPECT_EQ(state().listIdEntry[2], 102);
    EXPECT_EQ(state().listURLcomment[1], QStringLiteral(" Alps "));
    EXPECT_EQ(state().listURLcomment[2], QStringLiteral("old comment 2"));
    EXPECT_EQ(state().listCopyright[0], QStringLiteral("-Credit-95-Line-"));
    EXPECT_EQ(state().listCopyright[1], QStringLiteral("old credit 1"));
    EXPECT_EQ(state().listURL[0], QStringLiteral("old url 0"));
}

TEST_F(CatalogueRequestTest, AShorterDescriptionReplyKeepsTheOlderTextsBeyondIt) {
    answer(QStringLiteral("x7777"), "<P>a<P>b<P>c<P>d<P>e<P>");
    ASSERT_TRUE(ask(QStringLiteral("x7777"), 5));
    answer(QStringLiteral("x7777"), "<P>A<P>B<P>C<P>");
    ASSERT_TRUE(ask(QStringLiteral("x7777"), 5));
    EXPECT_EQ(state().listURLcomment[0], QStringLiteral("A"));
    EXPECT_EQ(state().listURLcomment[2], QStringLiteral("C"));
    EXPECT_EQ(state().listURLcomment[3], QStringLiteral("d"));
    EXPECT_EQ(state().listURLcomment[4], QStringLiteral("e"));
}

TEST_F(CatalogueRequestTest, UserMessageNeedsTextAfterMarkerAndSeparator) {
    state().userMessage = QStringLiteral("previous");
    answer(QStringLiteral("x5555"), "<P>outmsg:<P>");
    ASSERT_TRUE(ask(QStringLiteral("x5555"), 3));
    EXPECT_EQ(state().userMessage, QStringLiteral("previous"));
    answer(QStringLiteral("x5555"), "<P>outmsg:N<P>");
    ASSERT_TRUE(ask(QStringLiteral("x5555"), 3));
    EXPECT_EQ(state().userMessage, QStringLiteral("N"));
    answer(QStringLiteral("x5555"), "<P>outmsg Snow above 800 m<P>");
    ASSERT_TRUE(ask(QStringLiteral("x5555"), 3));
    EXPECT_EQ(state().userMessage, QStringLiteral("Snow above 800 m"));
    answer(QStringLiteral("x5555"), "<P>no message today<P>");
    ASSERT_TRUE(ask(QStringLiteral("x5555"), 3));
    EXPECT_EQ(state().userMessage, QString());
}

TEST_F(CatalogueRequestTest, AnErrItemAnywhereFailsTheRequestAndLeavesTheListsAlone) {
    fillOldLists();
    answer(QStringLiteral("x4444"), "<P>http://h/a.jpg<P>http://h/b.jpg<P>ERR database down<P>");
    EXPECT_FALSE(ask(QStringLiteral("x4444"), 2));
    answer(QStringLiteral("x5555"), "<P>ERR<P>");
    EXPECT_FALSE(ask(QStringLiteral("x5555"), 3));
    answer(QStringLiteral("x6666"), "<P>ERR-1<P>");
    EXPECT_FALSE(ask(QStringLiteral("x6666"), 4));
    expectOldLists();
    // The error items stay readable.
    EXPECT_EQ(state().listData[0], QStringLiteral("ERR-1"));
}

TEST_F(CatalogueRequestTest, LowerCaseErrIsAnOrdinaryItem) {
    answer(QStringLiteral("x7777"), "<P>err is human<P>Errata<P>");
    EXPECT_TRUE(ask(QStringLiteral("x7777"), 5));
    EXPECT_EQ(state().listURLcomment[0], QStringLiteral("err is human"));
    EXPECT_EQ(state().listURLcomment[1], QStringLiteral("Errata"));
}

TEST_F(CatalogueRequestTest, AReplyWithoutSeparatorsEmptiesOnlyTheAddressList) {
    fillOldLists();
    answer(QStringLiteral("x6666"), "12 13 14");
    answer(QStringLiteral("x7777"), "no separators");
    answer(QStringLiteral("x9999"), "");
    answer(QStringLiteral("x5555"), "outmsg:Hello");
    EXPECT_TRUE(ask(QStringLiteral("x6666"), 4));
    EXPECT_TRUE(ask(QStringLiteral("x7777"), 5));
    EXPECT_TRUE(ask(QStringLiteral("x9999"), 6));
    EXPECT_TRUE(ask(QStringLiteral("x5555"), 3));
    expectOldLists();
    answer(QStringLiteral("x4444"), "http://h/a.jpg");
    EXPECT_TRUE(ask(QStringLiteral("x4444"), 2));
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(state().listURL[i].isEmpty());
        EXPECT_TRUE(state().listURLnameOnly[i].isEmpty());
    }
}

TEST_F(CatalogueRequestTest, AReplyIsCutAfterTwoHundredThousandCharacters) {
    // Items of 197 characters, each followed by a separator: 200 characters per item.
    QByteArray body = "<P>";
    for (int i = 0; i < 1200; ++i)
        body += QByteArray::number(i).rightJustified(197, '.') + "<P>";
    answer(QStringLiteral("x7777"), body);
    ASSERT_TRUE(ask(QStringLiteral("x7777"), 5));
    EXPECT_EQ(state().replyText.size(), 200000);
    // The last separator ending within the first 200000 characters closes item 998.
    EXPECT_EQ(state().listURLcomment[998], QByteArray::number(998).rightJustified(197, '.'));
    EXPECT_TRUE(state().listURLcomment[999].isEmpty());
    EXPECT_TRUE(state().listData[999].isEmpty());
}

TEST_F(CatalogueRequestTest, ADeadServerFailsTheRequestAndLeavesTheListsAlone) {
    fillOldLists();
    server.close();
    EXPECT_FALSE(ask(QStringLiteral("x4444"), 2));
    EXPECT_FALSE(ask(QStringLiteral("x5555"), 3));
    expectOldLists();
    EXPECT_FALSE(form().catalogueClient().requestOutstanding());
}

TEST_F(CatalogueRequestTest, AnErrorStatusFailsTheRequest) {
    fillOldLists();
    server.route(QStringLiteral("/nimbrisco/catalogue"),
                 HttpResponse::withStatus(500, "<P>http://h/x.jpg<P>"));
    EXPECT_FALSE(ask(QStringLiteral("x4444"), 2));
    expectOldLists();
}

TEST_F(CatalogueRequestTest, ASlowOrSilentServerIsGivenUpAfterTheRequestTimeOut) {
    fillOldLists();
    form().Inet1->setRequestTimeout(300);
    HttpResponse slow = HttpResponse::ok("<P>http://h/late.jpg<P>");
    slow.delayMs = 5000;
    server.route(QStringLiteral("/nimbrisco/catalogue"), slow);
    EXPECT_FALSE(ask(QStringLiteral("x4444"), 2));
    server.route(QStringLiteral("/nimbrisco/catalogue"), HttpResponse::hang());
    EXPECT_FALSE(ask(QStringLiteral("x7777"), 5));
    expectOldLists();
    // The client is free again.
    answer(QStringLiteral("x4444"), "<P>http://h/now.jpg<P>");
    form().Inet1->setRequestTimeout(30000);
    EXPECT_TRUE(ask(QStringLiteral("x4444"), 2));
    EXPECT_EQ(state().listURL[0], QStringLiteral("http://h/now.jpg"));
}

TEST_F(CatalogueRequestTest, ASecondRequestWhileOneWaitsIsRefusedAtOnce) {
    HttpResponse slow = HttpResponse::ok("<P>first<P>");
    slow.delayMs = 300;
    server.route(QStringLiteral("/nimbrisco/catalogue"), slow);
    int nested = 0;
    bool nestedResult = true;
    clock().onSleep = [&](int) {
        if (nested++ == 0)
            nestedResult = ask(QStringLiteral("x7777"), 5);
    };
    EXPECT_TRUE(ask(QStringLiteral("x4444"), 1));
    clock().onSleep = nullptr;
    EXPECT_FALSE(nestedResult);
    EXPECT_EQ(server.requestCount(), 1);
    EXPECT_EQ(state().listData[0], QStringLiteral("first"));
}
