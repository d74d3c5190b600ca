// Splitting the command line and credit records at "-".
#include "core/Splitter.h"

#include <gtest/gtest.h>

#include <array>

TEST(Splitter, FieldsStartAfterTheFirstDashAndKeepTheirBlanks) {
    std::array<QString, 11> f;
    EXPECT_EQ(splitAtDashes("-DEBUG_CODE -NOSILENT", f.data(), 10, 10), 0);
    EXPECT_EQ(f[0], "");
    EXPECT_EQ(f[1], "DEBUG_CODE ");
    EXPECT_EQ(f[2], "NOSILENT");
}

TEST(Splitter, ExtraDashesAreReportedAndTheirTextGoesToTheLastSlotOrNowhere) {
    std::array<QString, 11> f;
    EXPECT_EQ(splitAtDashes("a-b-c-d-e-f-g-h-i-j-k", f.data(), 10, 10), 1);
    EXPECT_EQ(f[9], "j");
    EXPECT_EQ(f[10], "k");

    std::array<QString, 6> g;
    g[5] = "kept";
    // Sixth and seventh "-": two reports, the text after them goes nowhere.
    EXPECT_EQ(splitAtDashes("0-1-2-3-4-5-6-7", g.data(), 5, 5), 3);
    EXPECT_EQ(g[4], "4");
    EXPECT_EQ(g[5], "kept5");
}

TEST(Splitter, ClearsOnlyTheLeadingFields) {
    std::array<QString, 6> f{"x", "x", "x", "x", "x", "old"};
    EXPECT_EQ(splitAtDashes("credit-95", f.data(), 5, 5), 0);
    EXPECT_EQ(f[0], "credit");
    EXPECT_EQ(f[1], "95");
    EXPECT_EQ(f[2], "");
    EXPECT_EQ(f[5], "old");
}
