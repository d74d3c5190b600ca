// Hiding and showing the bar as a whole, and the bar's buttons.
#include "FormFixture.h"

#include "bar/ControlBar.h"
#include "base/ClickLabel.h"
#include "base/DownloadLimit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

class BarVisibility : public FormFixture {
protected:
    ControlBar& bar() { return *form().parts().controlBar; }
};

TEST_F(BarVisibility, HideThenShowRestoresEachControl) {
    BarControls& b = form().parts().bar;
    b.lCountDown->show();
    b.btSetup->hide();
    bar().Nascondi_Barra();
    EXPECT_TRUE(b.lCountDown->isHidden());
    bar().Esponi_Barra();
    EXPECT_FALSE(b.lCountDown->isHidden());
    EXPECT_TRUE(b.btSetup->isHidden());
}

TEST_F(BarVisibility, ConnectionIndicatorForcesADownloadPass) {
    form().parts().panel.SSTCfg_timeDwLoad->setText("15");
    emit form().parts().bar.connectStatus->clicked();
    EXPECT_EQ(state().cntCounterDwLoadImage, 550);
    form().parts().panel.SSTCfg_timeDwLoad->setText("not a number");
    bar().ImageConnesso_Click();
    EXPECT_EQ(state().cntCounterDwLoadImage, 100);

    // Download times beyond the counter's range still leave it above the limit, not wrapped.
    for (const char* minutes : {"71582786", "1e9"}) {
        SCOPED_TRACE(minutes);
        form().parts().panel.SSTCfg_timeDwLoad->setText(minutes);
        bar().ImageConnesso_Click();
        EXPECT_GT(state().cntCounterDwLoadImage, 0);
        EXPECT_TRUE(downloadlimit::passDue(
            downloadlimit::advance(state().cntCounterDwLoadImage, "8"), minutes));
    }
}

TEST_F(BarVisibility, SetupButtonAsksForThePanelAlsoWhileAStepRunsButNotAtTheEnd) {
    prepareDirectoriesOnly();
    // The request made during a step is kept for the panel-control timer, which serves it once
    // the step has ended; the wait frame stands while it is pending.
    state().clockStatus = 1;
    bar().btSetup_Click();
    EXPECT_EQ(state().flagCmdButton, 1);
    EXPECT_FALSE(form().parts().bar.btSetup->isEnabled());
    EXPECT_FALSE(form().parts().panel.FormWait->isHidden());
    state().clockStatus = 0;
    bar().btSetup_Click();
    EXPECT_EQ(state().flagCmdButton, 1);
    // The end of the program outranks it, and leaves no wait frame behind.
    state().flagCmdButton = 2;
    bar().btSetup_Click();
    EXPECT_EQ(state().flagCmdButton, 2);
    EXPECT_TRUE(form().parts().panel.FormWait->isHidden());
}
