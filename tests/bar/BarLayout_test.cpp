// The bar's geometry from the screen size and aspect ratio.
#include "FormFixture.h"

#include "base/ClickLabel.h"
#include "platform/TwipsGeometry.h"

#include "bar/ControlBar.h"
#include <QLabel>
#include <QScrollBar>

namespace tw = platform::twips;

class BarLayout : public FormFixture {};

TEST_F(BarLayout, LaysOutTheControlsOnFullHdAndFollowsTheScrollBar) {
    state().Ratio_X_Y = 28800.0f / 16200.0f;
    state().weAre = "w e  Ver. 7.8.12P ";
    form().parts().controlBar->Disegna_Barra2();
    const platform::Units u = form().platform().units();
    const BarControls& b = form().parts().bar;
    EXPECT_EQ(tw::width(b.btSetup, u), 2115);
    EXPECT_EQ(tw::left(b.connectStatus, u) + tw::width(b.connectStatus, u), 28800);
    EXPECT_EQ(tw::top(b.whoWeAre, u), 16200 - 648);
    EXPECT_EQ(b.whoWeAre->text(), "w e  Ver. 7.8.12P \r\n. . . ");

    // The scroll bar replaces the aspect ratio; at k = 1 btTermina is as wide as the bar is high.
    b.PotBar->setRange(0, 100);
    b.PotBar->setValue(16);
    EXPECT_FLOAT_EQ(state().Ratio_X_Y, 1.6f);
    EXPECT_EQ(tw::width(b.btTermina, u), 648);
}
