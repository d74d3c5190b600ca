// The fitting arithmetic of both display modes, in HIMETRIC, and its rounding.
#include "base/Fitting.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// 1920 x 1080 pixels at 96 DPI less a 600-twip bar, in HIMETRIC.
constexpr long SW = 50800;
constexpr long SH = 27517;

std::array<long, 4> ltwh(const FitRect& r) {
    return {r.left, r.top, r.width, r.height};
}

TEST(FullScreenFit, EveryBranchAndItsCorrection) {
    const struct {
        const char* name;
        long SW, SH, w, h;
        std::array<long, 4> expected;
    } cases[] = {
        // 400 x 300 pixels fits: fills the height, the width follows from SH / h.
        {"SmallFillsHeight", SW, SH, 10583, 7938, {7057, 0, 36686, 27517}},
        // Exactly the area: equal margins take the second branch with r = 1.
        {"ExactSize", SW, SH, SW, SH, {0, 0, SW, SH}},
        // Larger both ways: a square and a portrait take the second branch, a landscape the
        // first (its height derived from SH, not from nw).
        {"LargeSquare", SW, SH, 79375, 79375, {0, 0, SW, SH}},
        {"LargePortrait", SW, SH, 52917, 79375, {8466, 0, 33867, SH}},
        {"LargeLandscape", SW, SH, 105833, 79375, {0, 3440, SW, 20638}},
        {"OnlyTooWide", SW, SH, 79375, 13229, {0, 11466, SW, 4586}},
        {"OnlyTooHigh", SW, SH, 26458, 39688, {8467, 0, 33866, SH}},
        // Overshooting the width: trimmed by nh x (nw / SW) / 100.
        {"CorrectionOfWidth", 100, 50, 90, 40, {0, 0, 100, 49}},
        // Overshooting the height: trimmed by nw x (nh / SH) / 100.
        {"CorrectionOfHeight", 50, 100, 41, 90, {0, 0, 49, 100}},
        {"EmptyPicture", SW, SH, 0, 100, {0, 0, 0, 0}},
        // Huge pictures do not overflow; SH / 2 = 13758.5 rounds half to even.
        {"Huge", SW, SH, 2000000000L, 1000000000L, {0, 6880, SW, 13758}}};
    for (const auto& c : cases)
        EXPECT_EQ(ltwh(fitFullScreen(c.SW, c.SH, c.w, c.h)), c.expected) << c.name;
}

TEST(NormalFit, CentresAPictureAtItsOwnSizeCutOnAllSides) {
    // 4000 x 3000 pixels in a 1920 x 1080 window; 52916.5 rounds to even.
    EXPECT_EQ(ltwh(fitNormal(50800, 28575, 105833, 79375)),
              (std::array<long, 4>{25400 - 52916, 14288 - 39688, 105833, 79375}));
}

TEST(Rounding, HalvesGoToEvenAndValuesStayIn32Bits) {
    const std::pair<double, long> cases[] = {
        {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.6, 3}, {1e12, 2147483647L}, {-1e12, -2147483648L}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundToLong(value), rounded) << value;
}

} // namespace
