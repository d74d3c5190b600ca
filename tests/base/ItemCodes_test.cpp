// The two codes of a catalogue list item: the one a backup writes and the one a restore seeks.
#include "base/ItemCodes.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(ItemCodes, TheSecondWordOfTheDescriptionWithAndWithoutItsDashes) {
    EXPECT_EQ(CollectionCodeOf(" - A1 XY-12 Europe"), QStringLiteral("XY12"));
    EXPECT_EQ(ListCodeOf(" - A1 XY-12 Europe"), QStringLiteral("XY-12"));
    EXPECT_EQ(CollectionCodeOf(" - Demo DMSAT Europe"), QStringLiteral("DMSAT"));
    EXPECT_EQ(ListCodeOf(" - Demo DMSAT Europe"), QStringLiteral("DMSAT"));
    // A one-letter first word: the backup's rule starts beyond its space and takes the third.
    EXPECT_EQ(CollectionCodeOf(" - A BC DE"), QStringLiteral("DE"));
    EXPECT_EQ(ListCodeOf(" - A BC DE"), QStringLiteral("BC"));
}

TEST(ItemCodes, BothStopAtTheEndOfTheText) {
    EXPECT_EQ(ListCodeOf(" - Europe"), QString());
    EXPECT_EQ(CollectionCodeOf(" - Europe"), QString());
    EXPECT_EQ(ListCodeOf(" - Demo LAST"), QStringLiteral("LAST"));
    EXPECT_EQ(ListCodeOf(" - Demo "), QString());
    EXPECT_EQ(ListCodeOf(""), QString());
    EXPECT_EQ(CollectionCodeOf(" -"), QString());
}
