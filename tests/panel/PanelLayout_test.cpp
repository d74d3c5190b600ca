// The places of the panel's controls after an opening, in twips as the layout sets them, the
// frames around the panel, also on small screens, and the texts whole in every language.
#include "PanelFixture.h"

#include "bar/ControlBar.h"
#include "base/FitText.h"
#include "core/PanelControl.h"
#include "i18n/Language.h"

#include "platform/TwipsGeometry.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QWebEngineView>

namespace tw = platform::twips;

namespace {

struct Expected {
    const char* control;
    int left;
    int top;
    int width = -1; // not checked when -1
};

// Icon grid: columns at 3721 and 5021, rows at 845, 2345 and 3845; captions 1200 wide, 270 to
// the left of and 700 below their icon.
const Expected kPlaces[] = {
    // Every page: the title and the link back to Tools.
    {"TextDisplayTimers", 3480, 530},
    {"TextRunExit", 3480, 530},
    {"TextTools", 3480, 530},
    {"TextTool1", 300, 650},
    {"TextTool4", 300, 650},
    {"TextTool5", 300, 650},
    {"TextTool3", 300, 3393},
    {"Box_Help_Display_Timer", 234, 3285},
    {"Box_Help_Run_Exit", 234, 3285},
    {"LeftTipText", 234, 1521},
    // Display Timers.
    {"SSTCfg_Download", 3721, 845},
    {"SSTCfg_Download2", 3451, 1545, 1200},
    {"SSTCfg_Aggiorna", 3721, 2345},
    {"SSTCfg_Aggiorna2", 3451, 3045, 1200},
    {"dyMode", 3721, 3845},
    {"dyMode2", 3451, 4545, 1200},
    {"SSTCfg_timeDwLoad", 4700, 960},
    {"TextMinuts", 4700, 1285},
    {"SSTCfg_timeRefresh", 4700, 2460},
    {"textSeconds", 4700, 2785},
    {"txtDisplay", 4700, 3845},
    {"txtDisplay2", 4700, 3845},
    {"helpTime", 6084, 845},
    {"helpTime2", 5814, 1545, 1200},
    {"LittleTool00", 117, 910},
    {"TextDisplayTimers0", 740, 1000},
    {"LittleTool02", 117, 1820},
    {"TextPictureSelection0", 740, 1880},
    {"LittleTool03", 117, 2223},
    {"TextRunExit0", 740, 2320},
    // Run / Exit.
    {"SSTCfg_cmdConferma", 3721, 845},
    {"SSTCfg_cmdConferma_BW", 3721, 845},
    {"SSTCfg_cmdConferma2", 3451, 1545, 1200},
    {"SSTCfg_salvaConfig", 5021, 845},
    {"SSTCfg_salvaConfig2", 4751, 1545, 1200},
    {"SSTCfg_ExitProgram", 3721, 2345},
    {"SSTCfg_ExitProgram_BW", 3721, 2345},
    {"SSTCfg_ExitProgram2", 3451, 3045, 1200},
    {"zepStatusBar", 5021, 2345},
    {"zepStatusBar2", 4751, 3045, 1200},
    {"helpEsegui", 3721, 3845},
    {"helpEsegui2", 3451, 4545, 1200},
    // The clean-up shares the help's cell: one column step to its left.
    {"Cleanup", 2421, 3845},
    {"Cleanup2", 2151, 4545, 1200},
    {"YourTownIco", 5021, 3845},
    {"YourTownLbl", 4751, 4545, 1200},
    {"LittleTool30", 117, 910},
    {"TextDisplayTimers3", 740, 1000},
    {"LittleTool32", 117, 1820},
    {"TextPictureSelection3", 740, 1880},
    {"LittleTool33", 117, 2223},
    {"TextRunExit3", 740, 2320},
    // Tools.
    {"IcoSwapSST0", 3721, 845},
    {"IcoSwapSST02", 3451, 1545, 1200},
    {"IcoSwapSST2", 3721, 2345},
    {"IcoSwapSST22", 3451, 3045, 1200},
    {"IcoSwapSST3", 5021, 2345},
    {"IcoSwapSST32", 4751, 3045, 1200},
    {"RunTeamViewer", 3721, 3845},
    {"IcoHelpTools2", 3451, 4545, 1200},
    {"IcoSwapSST6", 5021, 3845},
    {"LabelLanguage", 4751, 4545, 1200},
    // Picture Selection: the bottom row, the Tools icon, the list, the preview check box.
    {"SSTCfg_FileUser", 338, 3845},
    {"SSTCfg_FileUser2", 68, 4545, 1200},
    {"SSTCfg_resetUserImg", 1638, 3845},
    {"SSTCfg_resetUserImg2", 1368, 4545, 1200},
    {"helpImg", 2938, 3845},
    {"helpImg2", 2668, 4545, 1200},
    {"SSTCfg_BackUpcnf", 4238, 3845},
    {"SSTCfg_Backupconf", 3968, 4545, 1200},
    {"SSTCfg_Loadcnf", 5538, 3845},
    {"SSTCfg_Loadconf", 5268, 4545, 1200},
    {"Image3", 140, 690},
    {"Tabella_Mappe_Selezionate", 117, 1170},
    {"TextPictureSelection", 5040, 3393},
    {"PreViewEnabled", 4680, 3393},
    // Every page's background.
    {"SfondoDisplayTimer", 0, 500, 7095},
    {"SfondoPicturSel", 0, 500, 7095},
    {"SfondoRunExit", 0, 500, 7095},
    {"SfondoTools", 0, 500, 7095},
};

class PanelLayoutTest : public PanelFixture {
protected:
    platform::Units units() { return form().platform().units(); }
};

} // namespace

TEST_F(PanelLayoutTest, EveryPlaceOfTheLayoutTablesReadsBackExactly) {
    ASSERT_TRUE(openPanel());
    const platform::Units u = units();
    EXPECT_EQ(tw::width(panel().SSTCfg, u), 7095);
    EXPECT_EQ(tw::height(panel().SSTCfg, u), 5055);
    for (const Expected& e : kPlaces) {
        SCOPED_TRACE(e.control);
        const QWidget* w = form().findChild<QWidget*>(QString::fromLatin1(e.control));
        ASSERT_NE(w, nullptr);
        // A page's controls are measured inside the tab control, tab strip included.
        EXPECT_EQ(w->mapTo(panel().SSTCfg, QPoint(0, 0)), w->pos());
        EXPECT_EQ(tw::left(w, u), e.left);
        EXPECT_EQ(tw::top(w, u), e.top);
        if (e.width >= 0) {
            EXPECT_EQ(tw::width(w, u), e.width);
        }
    }
    for (QWidget* background : {panel().SfondoDisplayTimer, panel().SfondoPicturSel,
                                panel().SfondoRunExit, panel().SfondoTools})
        EXPECT_EQ(tw::height(background, u), 4555);
    EXPECT_EQ(tw::height(panel().Tabella_Mappe_Selezionate, u), 1992);
}

TEST_F(PanelLayoutTest, TheHelpFrameStandsBelowThePanelAndTheWaitFrameByTheScreen) {
    const platform::Units u = units();
    // A request shows the wait frame at a third of the width and half the height.
    form().parts().controlBar->btSetup_Click();
    EXPECT_FALSE(panel().FormWait->isHidden());
    EXPECT_EQ(tw::left(panel().FormWait, u), 1920 * 15 / 3);
    EXPECT_EQ(tw::top(panel().FormWait, u), 1080 * 15 / 2);
    form().parts().panelControl->panControl_Timer();
    ASSERT_FALSE(panel().SSTCfg->isHidden());
    const int below = tw::top(panel().SSTCfg, u) + tw::height(panel().SSTCfg, u) + 200;
    EXPECT_FALSE(panel().FrameWizard->isHidden());
    EXPECT_EQ(tw::top(panel().FrameWizard, u), below);
    EXPECT_EQ(tw::width(panel().FrameWizard, u), 7095);
    EXPECT_EQ(tw::left(panel().FrameWizard, u), tw::left(panel().SSTCfg, u));
    EXPECT_EQ(tw::top(panel().FrameDescPreview, u), below);
}

TEST_F(PanelLayoutTest, EveryTextOfThePagesShowsWholeInEveryLanguage) {
    ASSERT_TRUE(openPanel());
    QTabWidget* tabs = panel().SSTCfg;
    int checked = 0;
    for (int lingua = 1; lingua <= 4; ++lingua) {
        state().Lingua = static_cast<Integer>(lingua);
        form().parts().language->ApplyLanguage();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            for (const QLabel* label : tabs->widget(i)->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                ++checked;
                EXPECT_TRUE(textFits(label)) << lingua << " " << label->objectName().toStdString()
                                             << ": " << label->text().toStdString();
            }
        }
    }
    EXPECT_GT(checked, 100);
    // A short text gets the label's own size back.
    state().Lingua = 1;
    form().parts().language->ApplyLanguage();
    const double english = panel().Box_Help_Run_Exit->font().pointSizeF();
    state().Lingua = 3;
    form().parts().language->ApplyLanguage();
    EXPECT_LT(panel().Box_Help_Run_Exit->font().pointSizeF(), english);
    state().Lingua = 1;
    form().parts().language->ApplyLanguage();
    EXPECT_EQ(panel().Box_Help_Run_Exit->font().pointSizeF(), english);
}
