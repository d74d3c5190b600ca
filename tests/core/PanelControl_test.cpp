// Panel-control timer: the four command states, the panel buttons, the orderly end and the
// bar's exit button.
#include "FormFixture.h"
#include "WindowCloseSpy.h"

#include "core/ClickLabel.h"
#include "core/PanelControl.h"
#include "core/Shape.h"
#include "storage/ConfigFiles.h"

#include <QFile>
#include <QLabel>
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
        state().Lingua = 1;
        form().panControl.start();
    }

    PanelControl& control() { return form().panelControl(); }
    PanelControls& panel() { return form().panel; }

    void expectButtons(bool idle) {
        for (QWidget* w : {panel().SSTCfg_ExitProgram, panel().SSTCfg_cmdConferma}) {
            EXPECT_EQ(!w->isHidden(), idle);
            EXPECT_EQ(w->isEnabled(), idle);
        }
        for (QWidget* w : {panel().SSTCfg_ExitProgram_BW, panel().SSTCfg_cmdConferma_BW}) {
            EXPECT_EQ(!w->isHidden(), !idle);
            EXPECT_EQ(w->isEnabled(), !idle);
        }
        EXPECT_EQ(panel().SSTCfg_ExitProgram2->text(),
                  idle ? QStringLiteral("Exit Progr.") : QStringLiteral("Wait.."));
    }
};

TEST_F(PanelControlTest, TheTickWrapsAfter31999AndCommandsWaitForTheRunningStep) {
    WindowCloseSpy closes(&form());
    form().imgClock.stop();
    state().clockStatus = 1;
    state().panelTick = 31998;
    control().panControl_Timer();
    EXPECT_EQ(state().panelTick, 31999);
    EXPECT_FALSE(form().imgClock.isActive());
    state().clockStatus = 0;
    control().panControl_Timer(); // the running state switches the slideshow timer on
    EXPECT_EQ(state().panelTick, 1);
    EXPECT_TRUE(form().imgClock.isActive());

    QFile::remove(workPath(kConfig));
    state().clockStatus = 1;
    state().flagCmdButton = 2;
    control().panControl_Timer();
    EXPECT_EQ(closes.closeRequests, 0);
    EXPECT_FALSE(workFileExists(kConfig));
    state().clockStatus = 0;
    control().panControl_Timer();
    EXPECT_EQ(closes.closeRequests, 1);
}

TEST_F(PanelControlTest, OpenPanelStateOpensItAndKeepsButtonsUsable) {
    state().flagCmdButton = 1;
    state().cntCounterDwLoadImage = 300;
    panel().SSTCfg_ExitProgram2->hide();
    control().panControl_Timer();
    EXPECT_EQ(state().flagCmdButton, 3);
    EXPECT_EQ(state().cntCounterDwLoadImage, 0);
    EXPECT_FALSE(panel().SSTCfg->isHidden());
    EXPECT_EQ(panel().SSTCfg->currentWidget(), panel().pageTools);
    EXPECT_FALSE(panel().SSTCfg_ExitProgram2->isHidden());
    EXPECT_TRUE(form().panControl.isActive());
    EXPECT_EQ(form().bar.timerflag->FillColor(), 65280);
    expectButtons(false);

    control().panControl_Timer();
    EXPECT_EQ(state().flagCmdButton, 3);
    expectButtons(true);
}

TEST_F(PanelControlTest, OrderlyEndSavesClosesSaysGoodbyeAndOpensTheInfoPage) {
    WindowCloseSpy closes(&form());
    panel().SSTCfg_timeRefresh->setText(QStringLiteral("12"));
    QFile::remove(workPath(kConfig));
    QFile::remove(workPath(kSelection));
    messages().clear();
    emit panel().SSTCfg_ExitProgram2->clicked(); // the caption forwards to the quit button
    EXPECT_EQ(state().flagCmdButton, 2);
    state().flagCmdButton = 0;
    emit panel().SSTCfg_ExitProgram->clicked();
    EXPECT_EQ(state().flagCmdButton, 2);
    control().panControl_Timer();

    EXPECT_TRUE(workFileExists(kSelection));
    EXPECT_TRUE(readWorkFile(kConfig).contains("12"));
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_EQ(state().ExitToProgram, kTrue);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_TRUE(messages().shown[0].text.startsWith(QStringLiteral("Program ended")));
    EXPECT_EQ(shell().opened, std::vector<QString>{"http://www.nimbrisco.net/info.html"});
    for (QTimer* t : {&form().generalClock, &form().utilityTmr, &form().panControl,
                      &form().imgClock, &form().Timer4000})
        EXPECT_FALSE(t->isActive());
    EXPECT_FALSE(panel().SSTCfg_ExitProgram->isEnabled()); // no second end
    EXPECT_EQ(form().bar.timerflag->FillColor(), 255);
}

TEST_F(PanelControlTest, EndAfterACleanupLeavesTheFilesDeleted) {
    form().configFiles().DeleteConfigurationFiles();
    state().FlagRestart = kTrue;
    state().flagCmdButton = 2;
    control().panControl_Timer();
    EXPECT_FALSE(workFileExists(kConfig));
    EXPECT_FALSE(workFileExists(kSelection));
    EXPECT_EQ(shell().opened.size(), 1u);
}

TEST_F(PanelControlTest, ExitButtonClosesWithoutSavingOrTalking) {
    WindowCloseSpy closes(&form());
    QFile::remove(workPath(kConfig));
    messages().clear();
    emit form().bar.btTermina->clicked();
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_EQ(state().ExitToProgram, kTrue);
    EXPECT_FALSE(form().generalClock.isActive());
    EXPECT_FALSE(workFileExists(kConfig));
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_TRUE(shell().opened.empty());
}

} // namespace
