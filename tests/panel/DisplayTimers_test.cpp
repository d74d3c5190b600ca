// The Display Timers page with real clicks and keys: every row of the highlighting table, the
// icons moving the focus, typing marking the configuration changed.
#include "PanelFixture.h"

#include "core/PanelControl.h"

#include <QApplication>
#include <QTabWidget>
#include <functional>

namespace {

constexpr int kFocus = 8454143;    // pale yellow
constexpr int kResting = 15111037; // blue 230, green 147, red 125
constexpr int kUntouched = 0x123456;

class DisplayTimersTest : public PanelFixture {
protected:
    void SetUp() override {
        PanelFixture::SetUp();
        ASSERT_TRUE(openPanel());
        form().parts().panelControl->panControl_Timer();
        clickTab(panel().pageDisplayTimers);
    }

    // The four boxes in the table's order: download, slide show, the mode key and its name.
    std::array<TextBox*, 4> boxes() {
        return {panel().SSTCfg_timeDwLoad, panel().SSTCfg_timeRefresh, panel().txtDisplay,
                panel().txtDisplay2};
    }
};

} // namespace

TEST_F(DisplayTimersTest, EveryRowOfTheHighlightingTable) {
    // F focus colour, R resting colour, - unchanged; boxes in the order of boxes().
    struct Row {
        const char* event;
        std::function<void()> act;
        const char* colours;
        QWidget* focus;
    };
    PanelControls& p = panel();
    const Row rows[] = {
        {"click in the download box", [&] { click(p.SSTCfg_timeDwLoad); }, "FRRR", nullptr},
        {"click on the download icon", [&] { click(p.SSTCfg_Download); }, "FRRR",
         p.SSTCfg_timeDwLoad},
        {"click on the download icon's label", [&] { click(p.SSTCfg_Download2); }, "FRRR",
         p.SSTCfg_timeDwLoad},
        {"click in the slide-show box", [&] { click(p.SSTCfg_timeRefresh); }, "RFRR", nullptr},
        {"click on the slide-show icon", [&] { click(p.SSTCfg_Aggiorna); }, "RFRR",
         p.SSTCfg_timeRefresh},
        {"click on the slide-show icon's label", [&] { click(p.SSTCfg_Aggiorna2); }, "RFRR",
         p.SSTCfg_timeRefresh},
        {"a change of the mode key", [&] { p.txtDisplay->setText("Normal?"); }, "RRFF", nullptr},
        {"the display-mode icon", [&] { click(p.dyMode); }, "RRFF", nullptr},
        {"the download box loses the focus",
         [&] {
             p.SSTCfg_timeDwLoad->setFocus();
             p.txtDisplay2->setFocus();
         },
         "R---", nullptr},
        {"the slide-show box loses the focus",
         [&] {
             p.SSTCfg_timeRefresh->setFocus();
             p.txtDisplay2->setFocus();
         },
         "-R--", nullptr},
        {"a page change", [&] { clickTab(p.pageRunExit); }, "RR--", nullptr},
        {"the page's help icon", [&] { click(p.helpTime); }, "RRRR", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.event);
        clickTab(p.pageDisplayTimers);
        p.txtDisplay2->setFocus();
        for (TextBox* box : boxes())
            box->setBackColor(kUntouched);
        row.act();
        for (int i = 0; i < 4; ++i) {
            const char c = row.colours[i];
            EXPECT_EQ(boxes()[i]->BackColor(), c == 'F'   ? kFocus
                                               : c == 'R' ? kResting
                                                          : kUntouched)
                << boxes()[i]->objectName().toStdString();
        }
        if (row.focus) {
            EXPECT_EQ(QApplication::focusWidget(), row.focus);
        }
    }
}

TEST_F(DisplayTimersTest, AKeyMarksTheConfigurationChangedAClickAloneDoesNot) {
    PanelControls& p = panel();
    state().configDirty = 0;
    click(p.SSTCfg_timeDwLoad);
    click(p.SSTCfg_timeRefresh);
    EXPECT_EQ(state().configDirty, 0);

    // Any character is taken as it is typed; the save checks the values later.
    p.SSTCfg_timeDwLoad->clear();
    click(p.SSTCfg_timeDwLoad);
    QTest::keyClicks(p.SSTCfg_timeDwLoad, "x1");
    EXPECT_EQ(p.SSTCfg_timeDwLoad->text(), QStringLiteral("x1"));
    EXPECT_EQ(state().configDirty, 1);
    EXPECT_EQ(QApplication::focusWidget(), p.SSTCfg_timeDwLoad);

    state().configDirty = 0;
    click(p.SSTCfg_timeRefresh);
    QTest::keyClick(p.SSTCfg_timeRefresh, Qt::Key_Backspace);
    EXPECT_EQ(state().configDirty, 1);
    // Arrow keys type nothing.
    state().configDirty = 0;
    QTest::keyClick(p.SSTCfg_timeRefresh, Qt::Key_Left);
    EXPECT_EQ(state().configDirty, 0);
}
