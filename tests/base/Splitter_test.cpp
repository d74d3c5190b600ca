// Splitting the command line and credit records at "-".
#include "base/Splitter.h"

#include <gtest/gtest.h>

#include <array>

TEST(Splitter, ClearsTheFieldsCountsTheExtraDashesAndNeverTouchesTheSlotBeyond) {
    std::array<QString, 6> f{"x", "x", "x", "x", "x", "kept"};
    EXPECT_EQ(splitAtDashes("credit-95", f.data(), 5), 0);
    EXPECT_EQ(f[1], "95");
    EXPECT_EQ(f[2], "");
    EXPECT_EQ(f[5], "kept");
    // Sixth and seventh "-": two reports, the text after them goes nowhere, however often a
    // slideshow step splits the same record.
    for (int call = 0; call < 3; ++call) {
        EXPECT_EQ(splitAtDashes("0-1-2-3-4-5-6-7", f.data(), 5), 3);
        EXPECT_EQ(f[4], "4");
        EXPECT_EQ(f[5], "kept");
    }
}
