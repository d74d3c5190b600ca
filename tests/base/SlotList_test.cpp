// The 2001-slot lists: clearing leaves slot 2000, no index reaches outside the slots.
#include "base/SlotList.h"

#include <QString>
#include <gtest/gtest.h>

TEST(SlotList, ClearLeavesTheLastSlotAndOutsideIndicesNeverTouchTheSlots) {
    SlotList<QString> list;
    list[1999] = "b";
    list[2000] = "last";
    list.clear();
    EXPECT_EQ(list[1999], "");
    EXPECT_EQ(list[2000], "last");

    list[2001] = "beyond";
    list[-1] = "before";
    EXPECT_EQ(list[2000], "last");
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(static_cast<const SlotList<QString>&>(list)[2001], "");

    // A string list ends at its first empty element.
    list[0] = "a";
    list[2] = "c";
    EXPECT_EQ(list.countUntilEmpty(), 1);
}
