// CatalogueRequest over loopback HTTP: every reply mode, error replies, failing, silent and dead
// servers, and a single outstanding request.
#include "CatalogueTestSupport.h"

#include "catalogue/CatalogueClient.h"
#include "platform/HttpControl.h"

using testsupport::HttpResponse;

namespace {

class CatalogueRequestTest : public CatalogueFixture {
protected:
    bool ask(const QString& code, Integer mode) {
        return form().catalogueClient().CatalogueRequest(
            server.url("/nimbrisco/catalogue?p=1&x00=") + code + "&x00=y3333ZEP-V1.0-2000-", mode);
    }
    // Every list a reply can fill, and the user message, as one text list.
    QStringList lists() {
        QStringList all{state().userMessage};
        for (int i = 0; i < 6; ++i)
            all << state().listURL[i] << state().listURLnameOnly[i] << state().listURLcomment[i]
                << state().listCopyright[i] << QString::number(state().listIdEntry[i]);
        return all;
    }
    // Fills every list with older values ("old url 0", ...) and returns them.
    QStringList fillOldLists() {
        state().userMessage = "old message";
        for (int i = 0; i < 6; ++i) {
            state().listURL[i] = QStringLiteral("old url %1").arg(i);
            state().listURLnameOnly[i] = QStringLiteral("old name %1").arg(i);
            state().listURLcomment[i] = QStringLiteral("old comment %1").arg(i);
            state().listCopyright[i] = QStringLiteral("old credit %1").arg(i);
            state().listIdEntry[i] = Integer(100 + i);
        }
        return lists();
    }
};

} // namespace

TEST_F(CatalogueRequestTest, TheRequestCarriesTheSelectorAndTheClientVersion) {
    answer("x4444", "<P>a<P>");
    ASSERT_TRUE(ask("x4444", 1));
    ASSERT_EQ(server.requestCount(), 1);
    const testsupport::HttpRequest& r = server.requests().first();
    EXPECT_EQ(r.method, QByteArray("GET"));
    EXPECT_EQ(decodedQuery(r), "p=1&x00=x4444&x00=y3333ZEP-V1.0-2000-");
    EXPECT_EQ(state().listData[0], "a");
    EXPECT_NE(state().flagReplyArrived, kFalse);
}

TEST_F(CatalogueRequestTest, AddressModeReplacesTheWholeListWithNamesAfterTheLastSlash) {
    fillOldLists();
    answer("x4444", "intro<P>http://h/a/sat.jpg<p>4ttp://h/radar.gif<P>3ttp://h/dir/<P>end");
    ASSERT_TRUE(ask("x4444", 2));
    EXPECT_EQ(state().listURL[0], "http://h/a/sat.jpg");
    EXPECT_EQ(state().listURLnameOnly[0], "sat.jpg");
    EXPECT_EQ(state().listURLnameOnly[1], "radar.gif");
    EXPECT_EQ(state().listURL[2], "3ttp://h/dir/");
    EXPECT_EQ(state().listURLnameOnly[2], "");
    EXPECT_EQ(state().listURL[3] + state().listURLnameOnly[5], "");
    EXPECT_EQ(state().listIdEntry[0], 100);
}

TEST_F(CatalogueRequestTest, OtherModesReplaceOnlyTheirItemsAndKeepOlderOnesBeyondTheReply) {
    fillOldLists();
    answer("x6666", "<P>12<P>forty<P>");
    answer("x7777", "<P>Europe<P> Alps <P>");
    answer("x9999", "<P>-Credit-95-Line-<P>");
    answer("x5555", "<P>outmsg Snow above 800 m<P>");
    ASSERT_TRUE(ask("x6666", 4));
    ASSERT_TRUE(ask("x7777", 5));
    ASSERT_TRUE(ask("x9999", 6));
    ASSERT_TRUE(ask("x5555", 3));
    EXPECT_EQ(state().listIdEntry[0], 12);
    EXPECT_EQ(state().listIdEntry[1], 0);
    EXPECT_EQ(state().listIdEntry[2], 102);
    EXPECT_EQ(state().listURLcomment[1], " Alps ");
    EXPECT_EQ(state().listURLcomment[2], "old comment 2");
    EXPECT_EQ(state().listCopyright[0], "-Credit-95-Line-");
    EXPECT_EQ(state().listCopyright[1], "old credit 1");
    EXPECT_EQ(state().listURL[0], "old url 0");
    EXPECT_EQ(state().userMessage, "Snow above 800 m");

    // A message item too short to hold text keeps the message.
    answer("x5555", "<P>outmsg:<P>");
    ASSERT_TRUE(ask("x5555", 3));
    EXPECT_EQ(state().userMessage, "Snow above 800 m");
}

TEST_F(CatalogueRequestTest, AnErrItemAnywhereFailsTheRequestAndLeavesTheListsAlone) {
    const QStringList old = fillOldLists();
    answer("x4444", "<P>http://h/a.jpg<P>http://h/b.jpg<P>ERR database down<P>");
    EXPECT_FALSE(ask("x4444", 2));
    answer("x6666", "<P>ERR-1<P>");
    EXPECT_FALSE(ask("x6666", 4));
    EXPECT_EQ(lists(), old);
    // The error items stay readable.
    EXPECT_EQ(state().listData[0], "ERR-1");
}

TEST_F(CatalogueRequestTest, AReplyWithoutSeparatorsEmptiesOnlyTheAddressList) {
    const QStringList old = fillOldLists();
    answer("x7777", "no separators");
    EXPECT_TRUE(ask("x7777", 5));
    EXPECT_EQ(lists(), old);
    answer("x4444", "http://h/a.jpg");
    EXPECT_TRUE(ask("x4444", 2));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(state().listURL[i] + state().listURLnameOnly[i], "") << i;
}

TEST_F(CatalogueRequestTest, ErrorStatusSilentAndDeadServersFailAndLeaveTheListsAlone) {
    const QStringList old = fillOldLists();
    server.route("/nimbrisco/catalogue", HttpResponse::withStatus(500, "<P>http://h/x.jpg<P>"));
    EXPECT_FALSE(ask("x4444", 2));
    form().Inet1->setRequestTimeout(300);
    server.route("/nimbrisco/catalogue", HttpResponse::hang());
    EXPECT_FALSE(ask("x7777", 5));
    EXPECT_EQ(lists(), old);

    // The client is free again after a time-out.
    answer("x4444", "<P>http://h/now.jpg<P>");
    form().Inet1->setRequestTimeout(30000);
    EXPECT_TRUE(ask("x4444", 2));
    EXPECT_EQ(state().listURL[0], "http://h/now.jpg");

    const QStringList now = lists();
    server.close();
    EXPECT_FALSE(ask("x4444", 2));
    EXPECT_FALSE(ask("x5555", 3));
    EXPECT_EQ(lists(), now);
    EXPECT_FALSE(form().catalogueClient().requestOutstanding());
}

TEST_F(CatalogueRequestTest, ASecondRequestWhileOneWaitsIsRefusedAtOnce) {
    HttpResponse slow = HttpResponse::ok("<P>first<P>");
    slow.delayMs = 300;
    server.route("/nimbrisco/catalogue", slow);
    int nested = 0;
    bool nestedResult = true;
    clock().onSleep = [&](int) {
        if (nested++ == 0)
            nestedResult = ask("x7777", 5);
    };
    EXPECT_TRUE(ask("x4444", 1));
    clock().onSleep = nullptr;
    EXPECT_FALSE(nestedResult);
    EXPECT_EQ(server.requestCount(), 1);
    EXPECT_EQ(state().listData[0], "first");
}
