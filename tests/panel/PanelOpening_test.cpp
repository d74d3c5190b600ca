// Opening the panel on the real window: the Tools page after every opening, a request made
// while a step runs, and a catalogue that cannot be had (a dead service, a reply that never
// ends, a step that never ends): the panel opens with an empty list and says why.
#include "PanelFixture.h"

#include "bar/ControlBar.h"
#include "catalogue/CatalogueClient.h"
#include "core/PanelControl.h"
#include "i18n/Messages.h"
#include "panel/ConfigPanel.h"
#include "panel/PictureSelectionPage.h"
#include "platform/HttpControl.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QListWidget>
#include <QTabWidget>
#include <QTcpServer>

namespace {

class PanelOpeningTest : public PanelFixture {
protected:
    void expectOpenedWithout(const QString& reason) {
        EXPECT_TRUE(panel().SSTCfg->isVisible());
        EXPECT_EQ(panel().SSTCfg->currentWidget(), panel().pageTools);
        EXPECT_TRUE(panel().FormWait->isHidden());
        EXPECT_EQ(panel().Tabella_Mappe_Selezionate->count(), 0);
        EXPECT_TRUE(messages().texts().contains(i18n::text::kCatalogueNotLoaded.arg(reason)))
            << messages().texts().join(" | ").toStdString();
    }
};

} // namespace

TEST_F(PanelOpeningTest, EveryOpeningShowsTheToolsPageWithTheFullCatalogue) {
    for (QWidget* left : {panel().pageRunExit, panel().pagePictureSelection}) {
        ASSERT_TRUE(openPanel());
        EXPECT_EQ(panel().SSTCfg->currentWidget(), panel().pageTools);
        EXPECT_EQ(panel().Tabella_Mappe_Selezionate->count(), demo.entries.size());
        // The saved positions 0 and 1 are marked.
        EXPECT_TRUE(panel().Tabella_Mappe_Selezionate->item(0)->isSelected());
        EXPECT_TRUE(panel().Tabella_Mappe_Selezionate->item(1)->isSelected());
        EXPECT_FALSE(panel().Tabella_Mappe_Selezionate->item(2)->isSelected());
        clickTab(left);
        form().parts().pictureSelection->hidePanel();
        form().parts().panelControl->panControl_Timer();
        form().parts().controlBar->BarButtonsIdle();
        state().flagCmdButton = 0;
    }
}

TEST_F(PanelOpeningTest, ARequestMadeDuringAStepIsServedWhenTheStepEnds) {
    state().clockStatus = 1;
    form().parts().controlBar->btSetup_Click();
    EXPECT_EQ(state().flagCmdButton, 1);
    EXPECT_TRUE(panel().FormWait->isVisible());
    form().parts().panelControl->panControl_Timer();
    EXPECT_TRUE(panel().SSTCfg->isHidden());
    EXPECT_TRUE(panel().FormWait->isVisible());

    state().clockStatus = 0;
    form().parts().panelControl->panControl_Timer();
    EXPECT_EQ(state().flagCmdButton, 3);
    EXPECT_TRUE(panel().SSTCfg->isVisible());
    EXPECT_TRUE(panel().FormWait->isHidden());
    EXPECT_GT(panel().Tabella_Mappe_Selezionate->count(), 0);
}

TEST_F(PanelOpeningTest, ADeadServiceOpensThePanelEmptyAndSaysWhy) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    state().endpointBase = QStringLiteral("http://127.0.0.1:%1/nimbrisco/catalogue?").arg(port);
    form().parts().controlBar->btSetup_Click();
    form().parts().panelControl->panControl_Timer();
    expectOpenedWithout(i18n::text::kCatalogueNoAnswer);
    EXPECT_EQ(state().flagCmdButton, 3);
}

TEST_F(PanelOpeningTest, AReplyOrAStepThatNeverEndsIsWaitedForABoundedTime) {
    // The bounds are real time: a stalled reply or step must not hold the screen.
    form().parts().Inet1->setRequestTimeout(500);
    state().flagReplyArrived = kFalse;
    QElapsedTimer waited;
    waited.start();
    form().parts().configPanel->OpenConfigPanel();
    expectOpenedWithout(i18n::text::kCatalogueRequestBusy);
    EXPECT_LE(waited.elapsed(), 500 + CatalogueClient::kCompletionGraceMs + 3000);

    messages().clear();
    state().flagReplyArrived = kTrue;
    state().clockStatus = 1;
    form().parts().configPanel->stepWaitMs = 1000;
    waited.restart();
    form().parts().configPanel->OpenConfigPanel();
    expectOpenedWithout(i18n::text::kSlideshowStepBusy);
    EXPECT_GE(waited.elapsed(), 1000);
    EXPECT_LE(waited.elapsed(), 1000 + 3000);
}
