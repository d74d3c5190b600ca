// Unit conversions of the screen and control geometry set in twips.
#include "platform/TwipsGeometry.h"

#include <QWidget>
#include <gtest/gtest.h>

using platform::Units;
namespace twips = platform::twips;

namespace {

TEST(Units, At96DpiAPixelIs15TwipsAnd2540Over96Himetric) {
    const Units u(96);
    EXPECT_DOUBLE_EQ(u.twipsPerPixel(), 15.0);
    EXPECT_EQ(u.pixelsToTwips(1920), 28800);
    EXPECT_EQ(u.pixelsToTwips(1080), 16200);
    EXPECT_EQ(u.twipsToPixels(28800), 1920);
    EXPECT_EQ(u.twipsToPixels(22), 1); // rounds to the nearest pixel
    EXPECT_EQ(u.twipsToPixels(23), 2);
    EXPECT_DOUBLE_EQ(u.himetricPerPixel(), 2540.0 / 96.0);
    EXPECT_EQ(u.pixelsToHimetric(96), 2540);
    EXPECT_EQ(u.pixelsToHimetric(1920), 50800);
    EXPECT_EQ(u.himetricToPixels(50800), 1920);
}

TEST(Units, OtherDensitiesAndFixedRatios) {
    EXPECT_DOUBLE_EQ(Units(120).twipsPerPixel(), 12.0);
    EXPECT_DOUBLE_EQ(Units(144).twipsPerPixel(), 10.0);
    // A screen reporting no density is taken as a usual desktop.
    EXPECT_DOUBLE_EQ(Units(0).twipsPerPixel(), 15.0);
    EXPECT_DOUBLE_EQ(Units(-5).dpi(), 96.0);
    EXPECT_DOUBLE_EQ(Units::twipsToPoints(200), 10.0);
    EXPECT_DOUBLE_EQ(Units::pointsToTwips(8.25), 165.0);
    EXPECT_EQ(Units::himetricToTwips(2540), 1440);
    EXPECT_EQ(Units::twipsToHimetric(1440), 2540);
}

TEST(TwipsGeometry, ReadsBackExactlyWhatWasSet) {
    const Units u(96);
    QWidget w;
    twips::setGeometry(&w, u, 1000, 2003, 4007, 508);
    EXPECT_EQ(w.geometry(), QRect(67, 134, 267, 34));
    EXPECT_EQ(twips::left(&w, u), 1000);
    EXPECT_EQ(twips::top(&w, u), 2003);
    EXPECT_EQ(twips::width(&w, u), 4007);
    EXPECT_EQ(twips::height(&w, u), 508);

    twips::setLeft(&w, u, 31);
    EXPECT_EQ(w.x(), 2);
    EXPECT_EQ(twips::left(&w, u), 31);
    EXPECT_EQ(twips::top(&w, u), 2003);
}

TEST(TwipsGeometry, PixelChangesOutsideTheHelperWin) {
    const Units u(96);
    QWidget w;
    twips::move(&w, u, 1000, 2003);
    w.move(10, 134); // moved by Qt code, not in twips
    EXPECT_EQ(twips::left(&w, u), 150);
    EXPECT_EQ(twips::top(&w, u), 2003);
    twips::setWidth(&w, u, -300);
    EXPECT_EQ(w.width(), 0);
}

} // namespace
