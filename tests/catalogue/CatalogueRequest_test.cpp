// CatalogueRequest over loopback HTTP: every reply mode, error replies, and failing, silent
// and dead servers.
#include "CatalogueTestSupport.h"

#include "catalogue/CatalogueClient.h"
#include "platform/HttpControl.h"

using testsupport::HttpResponse;

namespace {

class CatalogueRequestTest : public CatalogueFixture {
protected:
    bool ask(const QString& code, Integer mode) {
        return form().parts().catalogueClient->CatalogueRequest(
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

TEST_F(CatalogueRequestTest, AddressesReplaceTheirWholeListOtherModesOnlyTheirItems) {
    fillOldLists();
    answer("x6666", "<P>12<P>forty<P>");
    answer("x7777", "<P>Europe<P> Alps <P>");
    answer("x4444", "intro<P>http://h/a/sat.jpg<p>3ttp://h/dir/<P>end");
    ASSERT_TRUE(ask("x6666", 4));
    ASSERT_TRUE(ask("x7777", 5));
    EXPECT_EQ(state().listIdEntry[1], 0);
    EXPECT_EQ(state().listIdEntry[2], 102);
    EXPECT_EQ(state().listURLcomment[1] + state().listURLcomment[2], " Alps old comment 2");
    EXPECT_EQ(state().listURL[0] + state().listCopyright[0], "old url 0old credit 0");

    ASSERT_TRUE(ask("x4444", 2));
    EXPECT_EQ(state().listURL[0] + "|" + state().listURLnameOnly[0], "http://h/a/sat.jpg|sat.jpg");
    EXPECT_EQ(state().listURL[1] + "|" + state().listURLnameOnly[1], "3ttp://h/dir/|");
    EXPECT_EQ(state().listURL[2] + state().listURLnameOnly[5], "");
}

TEST_F(CatalogueRequestTest, ErrItemsAndRepliesWithoutSeparatorsLeaveTheListsAlone) {
    const QStringList old = fillOldLists();
    answer("x4444", "<P>http://h/a.jpg<P>http://h/b.jpg<P>ERR database down<P>");
    EXPECT_FALSE(ask("x4444", 2));
    answer("x6666", "<P>ERR-1<P>");
    EXPECT_FALSE(ask("x6666", 4));
    answer("x7777", "no separators");
    EXPECT_TRUE(ask("x7777", 5));
    EXPECT_EQ(lists(), old);
    // Only the address list is emptied by a reply without items.
    answer("x4444", "http://h/a.jpg");
    EXPECT_TRUE(ask("x4444", 2));
    EXPECT_EQ(state().listURL[0] + state().listURLnameOnly[0], "");
}

TEST_F(CatalogueRequestTest, ErrorStatusSilentAndDeadServersFailAndLeaveTheListsAlone) {
    const QStringList old = fillOldLists();
    server.route("/nimbrisco/catalogue", HttpResponse::withStatus(500, "<P>http://h/x.jpg<P>"));
    EXPECT_FALSE(ask("x4444", 2));
    form().parts().Inet1->setRequestTimeout(300);
    server.route("/nimbrisco/catalogue", HttpResponse::hang());
    EXPECT_FALSE(ask("x7777", 5));
    EXPECT_EQ(lists(), old);

    // The client is free again after a time-out.
    answer("x4444", "<P>http://h/now.jpg<P>");
    form().parts().Inet1->setRequestTimeout(30000);
    EXPECT_TRUE(ask("x4444", 2));
    EXPECT_EQ(state().listURL[0], "http://h/now.jpg");

    // A second request while one waits is refused at once and sends nothing.
    HttpResponse slow = HttpResponse::ok("<P>first<P>");
    slow.delayMs = 300;
    server.route("/nimbrisco/catalogue", slow);
    const int sent = server.requestCount();
    int nested = 0;
    bool nestedResult = true;
    clock().onSleep = [&](int) {
        if (nested++ == 0)
            nestedResult = ask("x7777", 5);
    };
    EXPECT_TRUE(ask("x4444", 1));
    clock().onSleep = nullptr;
    EXPECT_FALSE(nestedResult);
    EXPECT_EQ(server.requestCount(), sent + 1);
    EXPECT_EQ(state().listData[0], "first");

    const QStringList now = lists();
    server.close();
    EXPECT_FALSE(ask("x4444", 2));
    EXPECT_FALSE(ask("x5555", 3));
    EXPECT_EQ(lists(), now);
}
