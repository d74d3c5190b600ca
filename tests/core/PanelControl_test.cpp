// Panel-control timer: the four command states, the panel buttons, the orderly end and the
// bar's exit button.
#include "FormFixture.h"
#include "LoopbackHttpServer.h"
#include "WindowCloseSpy.h"

#include "base/ClickLabel.h"
#include "core/PanelControl.h"
#include "storage/ConfigFiles.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>

namespace {

const QString kConfig = ConfigFiles::kConfigFile;
const QString kSelection = ConfigFiles::kPictureListFile;

class PanelControlTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        loadForm();
        ASSERT_EQ(state().ExitToProgram, 0);
        // Opening the panel asks for the catalogue: only ever of a server on this machine.
        state().endpointBase = catalogue.url("/nimbrisco/catalogue?");
        state().Lingua = 1;
        form().parts().timers.panControl.start();
        messages().clear();
    }

    PanelControl& control() { return *form().parts().panelControl; }
    PanelControls& panel() { return form().parts().panel; }

    testsupport::LoopbackHttpServer catalogue;
};

TEST_F(PanelControlTest, TheTickWrapsAfter31999AndCommandsWaitForTheRunningStep) {
    WindowCloseSpy closes(&form());
    form().parts().timers.imgClock.stop();
    state().clockStatus = 1;
    state().panelTick = 31998;
    control().panControl_Timer();
    EXPECT_EQ(state().panelTick, 31999);
    EXPECT_FALSE(form().parts().timers.imgClock.isActive());
    state().clockStatus = 0;
    control().panControl_Timer(); // the running state switches the slideshow timer on
    EXPECT_EQ(state().panelTick, 1);
    EXPECT_TRUE(form().parts().timers.imgClock.isActive());

    // The end after a clean-up leaves the files deleted, so that the next start is a first run.
    form().parts().configFiles->DeleteConfigurationFiles();
    state().FlagRestart = kTrue;
    state().clockStatus = 1;
    state().flagCmdButton = 2;
    control().panControl_Timer();
    EXPECT_EQ(closes.closeRequests, 0);
    state().clockStatus = 0;
    control().panControl_Timer();
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_FALSE(workFileExists(kConfig));
    EXPECT_FALSE(workFileExists(kSelection));
}

TEST_F(PanelControlTest, OpenPanelStateOpensItWithTheQuitButtonOffUntilTheNextTick) {
    state().flagCmdButton = 1;
    state().cntCounterDwLoadImage = 300;
    control().panControl_Timer();
    EXPECT_EQ(state().flagCmdButton, 3);
    EXPECT_EQ(state().cntCounterDwLoadImage, 0);
    EXPECT_FALSE(panel().SSTCfg->isHidden());
    EXPECT_TRUE(form().parts().timers.panControl.isActive());
    EXPECT_FALSE(panel().SSTCfg_ExitProgram->isEnabled());
    control().panControl_Timer();
    EXPECT_TRUE(panel().SSTCfg_ExitProgram->isEnabled());
}

TEST_F(PanelControlTest, OrderlyEndSavesClosesSaysGoodbyeAndOpensTheInfoPage) {
    WindowCloseSpy closes(&form());
    panel().SSTCfg_timeRefresh->setText(QStringLiteral("12"));
    QFile::remove(workPath(kConfig));
    QFile::remove(workPath(kSelection));
    emit panel().SSTCfg_ExitProgram->clicked();
    control().panControl_Timer();

    EXPECT_TRUE(workFileExists(kSelection));
    EXPECT_TRUE(readWorkFile(kConfig).contains("12"));
    EXPECT_EQ(closes.closeRequests, 1);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_TRUE(messages().shown[0].text.startsWith(QStringLiteral("Program ended")));
    EXPECT_EQ(shell().opened, std::vector<QString>{"http://www.nimbrisco.net/info.html"});
    EXPECT_FALSE(form().parts().timers.generalClock.isActive());
    EXPECT_FALSE(panel().SSTCfg_ExitProgram->isEnabled()); // no second end
}

TEST_F(PanelControlTest, ExitButtonClosesWithoutSavingOrTalking) {
    WindowCloseSpy closes(&form());
    QFile::remove(workPath(kConfig));
    emit form().parts().bar.btTermina->clicked();
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_FALSE(form().parts().timers.generalClock.isActive());
    EXPECT_FALSE(workFileExists(kConfig));
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_TRUE(shell().opened.empty());
}

} // namespace
