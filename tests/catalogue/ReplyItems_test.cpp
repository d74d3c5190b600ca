// Cutting catalogue replies into items, their markers, and the saved selection's id list.
#include "catalogue/ReplyItems.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(ReplyItems, ItemsLieBetweenSeparatorsWhateverTheirCase) {
    EXPECT_EQ(
        cutReplyItems(QStringLiteral("head<P>a<p> b <P><P>c<p>tail")),
        (QStringList{QStringLiteral("a"), QStringLiteral(" b "), QString(), QStringLiteral("c")}));
    // Fewer than two separators give no items; "<P" without its ">" does not separate.
    EXPECT_TRUE(cutReplyItems(QStringLiteral("only one<P>here")).isEmpty());
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
    EXPECT_TRUE(
        replyIsError({QStringLiteral("ok"), QStringLiteral("fine"), QStringLiteral("ERR")}));
    EXPECT_FALSE(replyIsError({QStringLiteral("err lower case"), QStringLiteral("Err")}));
    EXPECT_FALSE(replyIsError({QStringLiteral(" ERR not at the start")}));
    EXPECT_FALSE(replyIsError({}));
}

TEST(ReplyItems, UserMessageRules) {
    const QString old = QStringLiteral("previous");
    // Seven characters or fewer: the old message stays.
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsgX"), old), old);
    EXPECT_EQ(userMessageFrom(QString(), old), old);
    // Any separator character, then the text.
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsg|H"), old), QStringLiteral("H"));
    // Long enough but not a message: the message is cleared.
    EXPECT_EQ(userMessageFrom(QStringLiteral("OUTMSG:Storm"), old), QString());
}

TEST(ReplyItems, IdentifiersAreRoundedSixteenBitNumbersAndZeroOtherwise) {
    const struct {
        const char* item;
        int id;
    } cases[] = {{" 7 ", 7},       {"-3", -3},   {"2.5", 2},    {"3.5", 4},
                 {"32767", 32767}, {"32768", 0}, {"twelve", 0}, {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(identifierFrom(QLatin1String(c.item)), c.id) << c.item;
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
    // Positions that are not numbers or too large stay in range.
    EXPECT_EQ(selectionIndexValue({QStringLiteral("x"), QStringLiteral("1")}), 1);
    EXPECT_EQ(selectionIndexValue({QStringLiteral("99999"), QStringLiteral("1")}), 32767);
    EXPECT_EQ(selectionIndexValue({QStringLiteral("1.5"), QStringLiteral("1")}), 2);
}

TEST(ReplySelection, ReadingStopsAtAnEmptyPositionOrAfterAnEmptyIdentifier) {
    EXPECT_TRUE(selectionPairs({QString(), QStringLiteral("3")}).isEmpty());
    // The pair with the empty identifier still counts; nothing after it does.
    const QList<SelectionPair> pairs =
        selectionPairs({QStringLiteral("2"), QString(), QStringLiteral("5"), QStringLiteral("9")});
    ASSERT_EQ(pairs.size(), 1);
    EXPECT_EQ(selectionIdList(pairs), QStringLiteral("[__]"));
    // A last position without its identifier line.
    EXPECT_EQ(
        selectionPairs({QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("3")}).size(), 2);
}
