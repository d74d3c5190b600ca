// The 2001-slot lists: clearing leaves slot 2000, no index reaches outside the slots.
#include "core/SlotList.h"

#include <QString>
#include <gtest/gtest.h>

TEST(SlotList, ClearLeavesTheLastSlotAndOutsideIndicesNeverTouchTheSlots) {
    SlotList<QString> list;
    list[0] = "a";
    list[1999] = "b";
    list[2000] = "last";
    list.clear();
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[1999], "");
    EXPECT_EQ(list[2000], "last");

    list[2001] = "beyond";
    list[-1] = "before";
    EXPECT_EQ(list[2000], "last");
    EXPECT_EQ(list[0], "");
    const SlotList<QString>& c = list;
    EXPECT_EQ(c[2001], "");
    EXPECT_EQ(c[-5], "");
    EXPECT_FALSE(SlotList<int>::fits(2001));
    EXPECT_TRUE(SlotList<int>::fits(2000));

    // A string list ends at its first empty element.
    list[0] = "a";
    list[1] = "b";
    list[3] = "d";
    EXPECT_EQ(list.countUntilEmpty(), 2);
}
