// Cutting catalogue replies into items, their markers, and the saved selection's id list.
#include "catalogue/CatalogueClient.h"
#include "catalogue/ReplyItems.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(ReplyItems, ItemsLieBetweenSeparatorsWhateverTheirCase) {
    EXPECT_EQ(
        cutReplyItems(QStringLiteral("head<P>a<p> b <P><P>c<p>tail")),
        (QStringList{QStringLiteral("a"), QStringLiteral(" b "), QString(), QStringLiteral("c")}));
    // Four separators give three items, whatever stands outside them.
    EXPECT_EQ(cutReplyItems(QStringLiteral("x<P>1<P>2<P>3<P>")).size(), 3);
}

TEST(ReplyItems, FewerThanTwoSeparatorsGiveNoItems) {
    EXPECT_TRUE(cutReplyItems(QString()).isEmpty());
    EXPECT_TRUE(cutReplyItems(QStringLiteral("no separator at all")).isEmpty());
    EXPECT_TRUE(cutReplyItems(QStringLiteral("only one<P>here")).isEmpty());
    // "<P" without its ">" does not separate.
    EXPECT_TRUE(cutReplyItems(QStringLiteral("<P>a<Pb")).isEmpty());
}

TEST(ReplyItems, AReplyNeverYieldsMoreItemsThanTheListsHold) {
    QString reply;
    for (int i = 0; i < kMaxReplyItems + 50; ++i)
        reply += QStringLiteral("<P>%1").arg(i);
    reply += QStringLiteral("<P>");
    const QStringList items = cutReplyItems(reply);
    ASSERT_EQ(items.size(), kMaxReplyItems);
    EXPECT_EQ(items.last(), QString::number(kMaxReplyItems - 1));
}

TEST(ReplyItems, OnlyAnUpperCaseErrPrefixMarksAnError) {
    EXPECT_TRUE(replyIsError({QStringLiteral("ERR unknown selector")}));
    EXPECT_TRUE(
        replyIsError({QStringLiteral("ok"), QStringLiteral("fine"), QStringLiteral("ERR")}));
    EXPECT_FALSE(replyIsError({QStringLiteral("err lower case"), QStringLiteral("Err")}));
    EXPECT_FALSE(replyIsError({QStringLiteral(" ERR not at the start")}));
    EXPECT_FALSE(replyIsError({}));
}

TEST(ReplyItems, UserMessageRules) {
    const QString old = QStringLiteral("previous");
    // Seven characters: too short, the old message stays.
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsg:"), old), old);
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsgX"), old), old);
    EXPECT_EQ(userMessageFrom(QString(), old), old);
    // Any separator character, then the text.
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsg:H"), old), QStringLiteral("H"));
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsg|Storm warning"), old),
              QStringLiteral("Storm warning"));
    // Long enough but not a message: the message is cleared.
    EXPECT_EQ(userMessageFrom(QStringLiteral("OUTMSG:Storm"), old), QString());
    EXPECT_EQ(userMessageFrom(QStringLiteral("nothing to say"), old), QString());
}

TEST(ReplyItems, IdentifiersAreSixteenBitNumbersAndZeroOtherwise) {
    EXPECT_EQ(identifierFrom(QStringLiteral("42")), 42);
    EXPECT_EQ(identifierFrom(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(identifierFrom(QStringLiteral("-3")), -3);
    EXPECT_EQ(identifierFrom(QStringLiteral("2.5")), 2);
    EXPECT_EQ(identifierFrom(QStringLiteral("3.5")), 4);
    EXPECT_EQ(identifierFrom(QStringLiteral("32767")), 32767);
    EXPECT_EQ(identifierFrom(QStringLiteral("32768")), 0);
    EXPECT_EQ(identifierFrom(QStringLiteral("twelve")), 0);
    EXPECT_EQ(identifierFrom(QString()), 0);
}

TEST(ReplyItems, NameAfterLastSlash) {
    EXPECT_EQ(CatalogueClient::NameAfterLastSlash(QStringLiteral("http://h/a/b/sat.jpg")),
              QStringLiteral("sat.jpg"));
    EXPECT_EQ(CatalogueClient::NameAfterLastSlash(QStringLiteral("http://h/dir/")), QString());
    EXPECT_EQ(CatalogueClient::NameAfterLastSlash(QStringLiteral("plain.gif")),
              QStringLiteral("plain.gif"));
    EXPECT_EQ(CatalogueClient::NameAfterLastSlash(QString()), QString());
}

TEST(ReplySelection, PairsGiveIndexValuesAndTheIdList) {
    const QList<SelectionPair> pairs =
        selectionPairs({QStringLiteral("0"), QStringLiteral("12"), QStringLiteral("7"),
                        QStringLiteral("40"), QString(), QString()});
    ASSERT_EQ(pairs.size(), 2);
    EXPECT_EQ(selectionIndexValue(pairs[0]), 1);
    EXPECT_EQ(selectionIndexValue(pairs[1]), 8);
    EXPECT_EQ(selectionIdList(pairs), QStringLiteral("[_12_40_]"));
    EXPECT_EQ(selectionIdList({}), QStringLiteral("[_]"));
}

TEST(ReplySelection, ReadingStopsAtAnEmptyPositionOrAfterAnEmptyIdentifier) {
    EXPECT_TRUE(selectionPairs({QString(), QStringLiteral("3")}).isEmpty());
    EXPECT_TRUE(selectionPairs({}).isEmpty());
    // The pair with the empty identifier still counts; nothing after it does.
    const QList<SelectionPair> pairs =
        selectionPairs({QStringLiteral("2"), QString(), QStringLiteral("5"), QStringLiteral("9")});
    ASSERT_EQ(pairs.size(), 1);
    EXPECT_EQ(selectionIdList(pairs), QStringLiteral("[__]"));
    // A last position without its identifier line.
    EXPECT_EQ(
        selectionPairs({QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("3")}).size(), 2);
}

TEST(ReplySelection, PositionsThatAreNotNumbersOrTooLargeStayInRange) {
    EXPECT_EQ(selectionIndexValue({QStringLiteral("x"), QStringLiteral("1")}), 1);
    EXPECT_EQ(selectionIndexValue({QStringLiteral("99999"), QStringLiteral("1")}), 32767);
    EXPECT_EQ(selectionIndexValue({QStringLiteral("1.5"), QStringLiteral("1")}), 2);
}
