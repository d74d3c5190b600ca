// Unit conversions of the screen and control geometry set in twips.
#include "platform/TwipsGeometry.h"

#include <QWidget>
#include <gtest/gtest.h>

using platform::Units;
namespace twips = platform::twips;

namespace {

TEST(TwipsGeometry, RoundsToTheNearestPixelAndReadsBackWhatWasSetUnlessQtMovedIt) {
    // A screen reporting no density is taken as a usual desktop.
    EXPECT_DOUBLE_EQ(Units(0).twipsPerPixel(), 15.0);
    EXPECT_EQ(Units(96).himetricToPixels(50800), 1920);
    const Units u(96);
    QWidget w;
    twips::setGeometry(&w, u, 1000, 2003, 4007, 508);
    EXPECT_EQ(w.geometry(), QRect(67, 134, 267, 34));
    EXPECT_EQ(twips::left(&w, u), 1000);
    EXPECT_EQ(twips::width(&w, u), 4007);
    // A pixel change made outside the helper wins.
    w.move(10, 134);
    EXPECT_EQ(twips::left(&w, u), 150);
    EXPECT_EQ(twips::top(&w, u), 2003);
    twips::setWidth(&w, u, -300);
    EXPECT_EQ(w.width(), 0);
}

} // namespace
