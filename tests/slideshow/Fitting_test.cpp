// The fitting arithmetic of both display modes, in HIMETRIC, and its rounding.
#include "slideshow/Fitting.h"

#include <gtest/gtest.h>

namespace {

// 1920 x 1080 pixels at 96 DPI less a 600-twip bar, in HIMETRIC.
constexpr long SW = 50800;
constexpr long SH = 27517;

struct FitCase {
    const char* name;
    long SW, SH, w, h;
    FitRect expected;
};

class FullScreenFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FullScreenFitTest, PlacesThePicture) {
    const FitCase c = GetParam();
    const FitRect r = fitFullScreen(c.SW, c.SH, c.w, c.h);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.width, c.expected.width);
    EXPECT_EQ(r.height, c.expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullScreenFitTest,
    ::testing::Values(
        // 400 x 300 pixels fits: fills the height, the width follows from SH / h.
        FitCase{"SmallFillsHeight", SW, SH, 10583, 7938, {7057, 0, 36686, 27517}},
        // Exactly the area: equal margins take the second branch with r = 1.
        FitCase{"ExactSize", SW, SH, SW, SH, {0, 0, SW, SH}},
        // Larger both ways: a square and a portrait take the second branch, a landscape the
        // first (its height derived from SH, not from nw).
        FitCase{"LargeSquare", SW, SH, 79375, 79375, {0, 0, SW, SH}},
        FitCase{"LargePortrait", SW, SH, 52917, 79375, {8466, 0, 33867, SH}},
        FitCase{"LargeLandscape", SW, SH, 105833, 79375, {0, 3440, SW, 20638}},
        FitCase{"OnlyTooWide", SW, SH, 79375, 13229, {0, 11466, SW, 4586}},
        FitCase{"OnlyTooHigh", SW, SH, 26458, 39688, {8467, 0, 33866, SH}},
        // Case 4 overshooting the width: trimmed by nh x (nw / SW) / 100.
        FitCase{"CorrectionOfWidth", 100, 50, 90, 40, {0, 0, 100, 49}},
        // Case 4 overshooting the height: trimmed by nw x (nh / SH) / 100.
        FitCase{"CorrectionOfHeight", 50, 100, 41, 90, {0, 0, 49, 100}}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST(FullScreenFit, EmptySizesGiveAnEmptyRectangle) {
    const FitRect r = fitFullScreen(SW, SH, 0, 100);
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 0);
}

TEST(NormalFit, CentresAndCutsALargePictureOnAllSides) {
    // 4000 x 3000 pixels in a 1920 x 1080 window.
    const FitRect r = fitNormal(50800, 28575, 105833, 79375);
    EXPECT_EQ(r.left, 25400 - 52916); // 52916.5 rounds to even
    EXPECT_EQ(r.top, 14288 - 39688);
    EXPECT_EQ(r.width, 105833);
    EXPECT_EQ(r.height, 79375);
}

TEST(NormalFit, CentresASmallPicture) {
    const FitRect r = fitNormal(50800, 28575, 10583, 7938);
    EXPECT_EQ(r.left, 25400 - 5292);
    EXPECT_EQ(r.top, 14288 - 3969);
}

TEST(Rounding, HalvesGoToEvenAndValuesStayIn32Bits) {
    EXPECT_EQ(roundToLong(0.5), 0);
    EXPECT_EQ(roundToLong(1.5), 2);
    EXPECT_EQ(roundToLong(2.5), 2);
    EXPECT_EQ(roundToLong(-2.5), -2);
    EXPECT_EQ(roundToLong(2.6), 3);
    EXPECT_EQ(roundToLong(1e12), 2147483647L);
    EXPECT_EQ(roundToLong(-1e12), -2147483648L);
    // Huge pictures do not overflow the arithmetic.
    const FitRect r = fitFullScreen(SW, SH, 2000000000L, 1000000000L);
    EXPECT_EQ(r.width, SW);
    EXPECT_EQ(r.height, 13758); // SH / 2 = 13758.5, half to even
}

} // namespace
