// The bar's geometry from the screen size and aspect ratio.
#include "FormFixture.h"

#include "bar/BarArithmetic.h"
#include "bar/ControlBar.h"
#include "core/ClickLabel.h"
#include "core/Shape.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>
#include <QScrollBar>

namespace tw = platform::twips;

TEST(BarArithmetic, ButtonWidthsFollowTheAspectRatio) {
    const BarGeometry hd = computeBarGeometry(28800, 16200, 28800.0f / 16200.0f);
    EXPECT_EQ(hd.connectLeft + hd.terminaWidth, 28800); // right edge on the screen's edge
    EXPECT_NEAR(hd.fontSize, (648 - 648 / 5.0) / 20 * 0.3, 1e-4);
    // 1280 x 1024: aspect 1.25, k = 0.78125.
    const BarGeometry g = computeBarGeometry(19200, 15360, 1.25f);
    EXPECT_EQ(g.U, 614); // 614.4 twips
    EXPECT_EQ(g.terminaWidth, 480);
    EXPECT_LT(g.setupWidth, computeBarGeometry(24576, 15360, 1.6f).setupWidth);
}

class BarLayout : public FormFixture {};

TEST_F(BarLayout, LaysOutTheControlsOnFullHd) {
    state().Ratio_X_Y = 28800.0f / 16200.0f;
    state().weAre = "w e  Ver. 7.8.12P ";
    form().Disegna_Barra2();
    const platform::Units u = form().units();
    const BarControls& b = form().bar;
    EXPECT_EQ(tw::width(b.btTermina, u), 720);
    EXPECT_EQ(tw::width(b.btSetup, u), 2115);
    EXPECT_EQ(tw::width(b.btWait, u), 2115);
    EXPECT_EQ(tw::width(b.btLogo, u), 4725);
    EXPECT_EQ(tw::width(b.whoWeAre, u), 20520);
    EXPECT_EQ(tw::left(b.btHelp, u), 2115);
    EXPECT_EQ(tw::left(b.BtAnimation, u), 2835);
    EXPECT_EQ(tw::left(b.whoWeAre, u), 2835);
    EXPECT_EQ(tw::left(b.btLogo, u), 2835 + 20520);
    EXPECT_EQ(tw::left(b.connectStatus, u), 28800 - 720);
    EXPECT_EQ(tw::top(b.whoWeAre, u), 16200 - 648);
    EXPECT_EQ(tw::top(b.connectStatus, u), 16200 - 648);
    EXPECT_EQ(tw::top(b.timerflag, u), 16200 - 2 * 648);
    EXPECT_EQ(tw::height(b.BackWhoWeAre, u), 648);
    EXPECT_FALSE(b.btSetup->isEnabled());
    EXPECT_FALSE(b.PotBar->isEnabled());
    EXPECT_EQ(b.whoWeAre->text(), "w e  Ver. 7.8.12P \r\n. . . ");
    EXPECT_TRUE(
        form().controlBar().DebugBarra.startsWith("Debug Barra\r\nBackWhoWeAre.Height  648"));

    // The scroll bar replaces the aspect ratio; at k = 1 btTermina is as wide as the bar is high.
    form().bar.PotBar->setRange(0, 100);
    form().bar.PotBar->setValue(16); // runs PotBar_Change
    EXPECT_FLOAT_EQ(state().Ratio_X_Y, 1.6f);
    EXPECT_EQ(tw::width(form().bar.btTermina, u), 648);
}
