// Cutting catalogue replies into items, their markers, and the saved selection's id list.
#include "base/ReplyItems.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(ReplyItems, ItemsLieBetweenSeparatorsUpToWhatTheListsHold) {
    EXPECT_EQ(cutReplyItems(QStringLiteral("head<P>a<p> b <P><P>c<p>tail")),
              (QStringList{"a", " b ", QString(), "c"}));
    // Fewer than two separators give no items; "<P" without its ">" does not separate.
    EXPECT_TRUE(cutReplyItems(QStringLiteral("only one<P>here")).isEmpty());
    EXPECT_TRUE(cutReplyItems(QStringLiteral("<P>a<Pb")).isEmpty());

    QString reply;
    for (int i = 0; i < kMaxReplyItems + 50; ++i)
        reply += QStringLiteral("<P>%1").arg(i);
    const QStringList items = cutReplyItems(reply + "<P>");
    ASSERT_EQ(items.size(), kMaxReplyItems);
    EXPECT_EQ(items.last(), QString::number(kMaxReplyItems - 1));
}

TEST(ReplyItems, ErrorMarkerUserMessageAndIdentifiers) {
    // Only an upper-case "ERR" at the start of some item marks an error.
    EXPECT_TRUE(replyIsError({"ok", "fine", "ERR"}));
    EXPECT_FALSE(replyIsError({"err lower case", "Err", " ERR not at the start"}));
    EXPECT_FALSE(replyIsError({}));

    const QString old = QStringLiteral("previous");
    // Seven characters or fewer keep the old message; any separator character, then the text;
    // long enough but not a message clears it.
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsgX"), old), old);
    EXPECT_EQ(userMessageFrom(QStringLiteral("outmsg|H"), old), QStringLiteral("H"));
    EXPECT_EQ(userMessageFrom(QStringLiteral("OUTMSG:Storm"), old), QString());

    // Rounded 16-bit numbers, zero otherwise.
    const std::pair<const char*, int> ids[] = {{" 7 ", 7},       {"-3", -3},   {"2.5", 2},
                                               {"3.5", 4},       {"32768", 0}, {"twelve", 0},
                                               {"32767", 32767}, {"", 0}};
    for (const auto& [item, id] : ids)
        EXPECT_EQ(identifierFrom(QLatin1String(item)), id) << item;
}

TEST(ReplySelection, PairsGiveIndexValuesAndTheIdListUpToTheFirstGap) {
    const QList<SelectionPair> pairs = selectionPairs({"0", "12", "7", "40", QString(), QString()});
    ASSERT_EQ(pairs.size(), 2);
    EXPECT_EQ(selectionIndexValue(pairs[1]), 8);
    EXPECT_EQ(selectionIdList(pairs), QStringLiteral("[_12_40_]"));
    // Positions that are not numbers or too large stay in range.
    EXPECT_EQ(selectionIndexValue({QStringLiteral("x"), QStringLiteral("1")}), 1);
    EXPECT_EQ(selectionIndexValue({QStringLiteral("99999"), QStringLiteral("1")}), 32767);

    // Reading stops at an empty position, or after a pair with an empty identifier.
    EXPECT_TRUE(selectionPairs({QString(), "3"}).isEmpty());
    EXPECT_EQ(selectionIdList(selectionPairs({"2", QString(), "5", "9"})), QStringLiteral("[__]"));
    // A last position without its identifier line.
    EXPECT_EQ(selectionPairs({"1", "4", "3"}).size(), 2);
}
