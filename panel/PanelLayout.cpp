#include "panel/PanelLayout.h"

#include "base/ClickLabel.h"
#include "panel/PanelControls.h"
#include "platform/TwipsGeometry.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

namespace panellayout {
namespace {

namespace tw = platform::twips;

constexpr int kPanelWidth = 7095;
constexpr int kPanelHeight = 5055;
constexpr int kBackgroundTop = 500;
constexpr int kBackgroundHeight = 4555;

// The icon grid of the Display Timers, Run / Exit and Tools pages.
constexpr int kColumn[] = {3721, 5021};
constexpr int kRow[] = {845, 2345, 3845};
// A caption label stands this far left of and below its icon.
constexpr int kCaptionLeft = 270;
constexpr int kCaptionBelow = 700;
constexpr int kCaptionWidth = 1200;

struct Place {
    QWidget* control;
    int left;
    int top;
};

void place(const platform::Units& u, std::initializer_list<Place> places) {
    for (const Place& p : places)
        tw::move(p.control, u, p.left, p.top);
}

// An icon at (left, top) and its caption label under it.
void iconAt(const platform::Units& u, QWidget* icon, QWidget* caption, int left, int top) {
    tw::move(icon, u, left, top);
    tw::move(caption, u, left - kCaptionLeft, top + kCaptionBelow);
    tw::setWidth(caption, u, kCaptionWidth);
}

void inGrid(const platform::Units& u, QWidget* icon, QWidget* caption, int column, int row) {
    iconAt(u, icon, caption, kColumn[column], kRow[row]);
}

// What every page layout does first: the panel's size and the page's background.
void pageFrame(PanelControls& c, const platform::Units& u, QWidget* background) {
    tw::setWidth(c.SSTCfg, u, kPanelWidth);
    tw::setHeight(c.SSTCfg, u, kPanelHeight);
    tw::setGeometry(background, u, 0, kBackgroundTop, kPanelWidth, kBackgroundHeight);
}

// The navigation column of the Display Timers and Run / Exit pages.
void navigationColumn(const platform::Units& u, QWidget* timersIcon, QWidget* timersLabel,
                      QWidget* picturesIcon, QWidget* picturesLabel, QWidget* runIcon,
                      QWidget* runLabel) {
    place(u, {{timersIcon, 117, 910},
              {timersLabel, 740, 1000},
              {picturesIcon, 117, 1820},
              {picturesLabel, 740, 1880},
              {runIcon, 117, 2223},
              {runLabel, 740, 2320}});
}

} // namespace

void LayoutDisplayTimersPage(PanelControls& c, const platform::Units& u) {
    pageFrame(c, u, c.SfondoDisplayTimer);
    place(u, {{c.TextDisplayTimers, 3480, 530},
              {c.TextTool1, 300, 650},
              {c.Box_Help_Display_Timer, 234, 3285}});
    inGrid(u, c.SSTCfg_Download, c.SSTCfg_Download2, 0, 0);
    inGrid(u, c.SSTCfg_Aggiorna, c.SSTCfg_Aggiorna2, 0, 1);
    inGrid(u, c.dyMode, c.dyMode2, 0, 2);
    place(u, {{c.SSTCfg_timeDwLoad, 4700, 960},
              {c.TextMinuts, 4700, 1285},
              {c.SSTCfg_timeRefresh, 4700, 2460},
              {c.textSeconds, 4700, 2785},
              {c.txtDisplay, 4700, 3845},
              {c.txtDisplay2, 4700, 3845},
              {c.helpTime, 6084, 845}});
    tw::move(c.helpTime2, u, 5814, 1545);
    tw::setWidth(c.helpTime2, u, kCaptionWidth);
    navigationColumn(u, c.LittleTool00, c.TextDisplayTimers0, c.LittleTool02,
                     c.TextPictureSelection0, c.LittleTool03, c.TextRunExit0);
}

void LayoutPictureSelectionPage(PanelControls& c, const platform::Units& u) {
    pageFrame(c, u, c.SfondoPicturSel);
    tw::move(c.TextPictureSelection, u, 3480, 530);
    tw::move(c.TextTool3, u, 300, 3393);
    constexpr int kBottomRow = 3845;
    iconAt(u, c.SSTCfg_FileUser, c.SSTCfg_FileUser2, 338, kBottomRow);
    iconAt(u, c.SSTCfg_resetUserImg, c.SSTCfg_resetUserImg2, 1638, kBottomRow);
    iconAt(u, c.helpImg, c.helpImg2, 2938, kBottomRow);
    iconAt(u, c.SSTCfg_BackUpcnf, c.SSTCfg_Backupconf, 4238, kBottomRow);
    iconAt(u, c.SSTCfg_Loadcnf, c.SSTCfg_Loadconf, 5538, kBottomRow);
    tw::move(c.Image3, u, 140, 690);
    tw::move(c.Tabella_Mappe_Selezionate, u, 117, 1170);
    tw::setHeight(c.Tabella_Mappe_Selezionate, u, 1992);
    place(u, {{c.TextPictureSelection, 5040, 3393}, {c.PreViewEnabled, 4680, 3393}});
}

void LayoutRunExitPage(PanelControls& c, const platform::Units& u) {
    pageFrame(c, u, c.SfondoRunExit);
    place(u,
          {{c.TextRunExit, 3480, 530}, {c.TextTool4, 300, 650}, {c.Box_Help_Run_Exit, 234, 3285}});
    inGrid(u, c.SSTCfg_cmdConferma, c.SSTCfg_cmdConferma2, 0, 0);
    tw::move(c.SSTCfg_cmdConferma_BW, u, kColumn[0], kRow[0]);
    inGrid(u, c.SSTCfg_salvaConfig, c.SSTCfg_salvaConfig2, 1, 0);
    inGrid(u, c.SSTCfg_ExitProgram, c.SSTCfg_ExitProgram2, 0, 1);
    tw::move(c.SSTCfg_ExitProgram_BW, u, kColumn[0], kRow[1]);
    inGrid(u, c.zepStatusBar, c.zepStatusBar2, 1, 1);
    inGrid(u, c.helpEsegui, c.helpEsegui2, 0, 2);
    // The clean-up shares the help's cell of the third row: it stands one column step to its
    // left, so that both icons and both captions stay whole and clickable.
    iconAt(u, c.Cleanup, c.Cleanup2, kColumn[0] - (kColumn[1] - kColumn[0]), kRow[2]);
    inGrid(u, c.YourTownIco, c.YourTownLbl, 1, 2);
    navigationColumn(u, c.LittleTool30, c.TextDisplayTimers3, c.LittleTool32,
                     c.TextPictureSelection3, c.LittleTool33, c.TextRunExit3);
}

void LayoutToolsPage(PanelControls& c, const platform::Units& u) {
    pageFrame(c, u, c.SfondoTools);
    place(u, {{c.TextTools, 3480, 530}, {c.TextTool5, 300, 650}, {c.LeftTipText, 234, 1521}});
    inGrid(u, c.IcoSwapSST0, c.IcoSwapSST02, 0, 0);
    inGrid(u, c.IcoSwapSST2, c.IcoSwapSST22, 0, 1);
    inGrid(u, c.IcoSwapSST3, c.IcoSwapSST32, 1, 1);
    inGrid(u, c.RunTeamViewer, c.IcoHelpTools2, 0, 2);
    inGrid(u, c.IcoSwapSST6, c.LabelLanguage, 1, 2);
}

} // namespace panellayout
