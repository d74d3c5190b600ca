#pragma once
// The controls of the configuration panel and of the frames around it, by the names the program
// uses for them. The page layouts place them; every other part reaches them through these
// pointers.

#include "base/TextBox.h"

#include <QString>

#include <utility>
#include <vector>

class ClickLabel;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWebEngineView;
class QWidget;
class Shape;

namespace platform {
class Units;
}

struct PanelControls {
    QTabWidget* SSTCfg = nullptr;
    // The pages of SSTCfg, in tab order.
    QWidget* pageDisplayTimers = nullptr;
    QWidget* pagePictureSelection = nullptr;
    QWidget* pageRunExit = nullptr;
    QWidget* pageTools = nullptr;

    // ---- Display Timers page ----
    QLabel* SfondoDisplayTimer = nullptr; // page background
    QLabel* TextDisplayTimers = nullptr;  // title
    ClickLabel* TextTool1 = nullptr;      // link back to Tools
    QLabel* Box_Help_Display_Timer = nullptr;
    ClickLabel* SSTCfg_Download = nullptr;
    ClickLabel* SSTCfg_Download2 = nullptr;
    ClickLabel* SSTCfg_Aggiorna = nullptr;
    ClickLabel* SSTCfg_Aggiorna2 = nullptr;
    ClickLabel* dyMode = nullptr;
    ClickLabel* dyMode2 = nullptr;
    ClickLabel* helpTime = nullptr;
    ClickLabel* helpTime2 = nullptr;
    TextBox* SSTCfg_timeDwLoad = nullptr;  // minutes between downloads
    TextBox* SSTCfg_timeRefresh = nullptr; // seconds per picture
    TextBox* txtDisplay = nullptr;         // hidden: the display-mode key
    TextBox* txtDisplay2 = nullptr;        // the display-mode name in the user's language
    QLabel* TextMinuts = nullptr;
    QLabel* textSeconds = nullptr;
    // Navigation column.
    ClickLabel* LittleTool00 = nullptr;
    ClickLabel* LittleTool02 = nullptr;
    ClickLabel* LittleTool03 = nullptr;
    ClickLabel* TextDisplayTimers0 = nullptr;
    ClickLabel* TextPictureSelection0 = nullptr;
    ClickLabel* TextRunExit0 = nullptr;
    Shape* Pallino_Rosso_Timers = nullptr;

    // ---- Picture Selection page ----
    QLabel* SfondoPicturSel = nullptr;
    // The title; the opening makes it the caption of the preview check box.
    QLabel* TextPictureSelection = nullptr;
    ClickLabel* TextTool3 = nullptr;
    ClickLabel* Image3 = nullptr; // the Tools link's icon
    ClickLabel* SSTCfg_FileUser = nullptr;
    ClickLabel* SSTCfg_FileUser2 = nullptr;
    ClickLabel* SSTCfg_resetUserImg = nullptr;
    ClickLabel* SSTCfg_resetUserImg2 = nullptr;
    ClickLabel* helpImg = nullptr;
    ClickLabel* helpImg2 = nullptr;
    ClickLabel* SSTCfg_BackUpcnf = nullptr;
    ClickLabel* SSTCfg_Backupconf = nullptr;
    ClickLabel* SSTCfg_Loadcnf = nullptr;
    ClickLabel* SSTCfg_Loadconf = nullptr;
    ClickLabel* ClearListDB = nullptr; // the icon of "CLEAR LIST", without an action of its own
    ClickLabel* Label11 = nullptr;     // clears the selection
    QListWidget* Tabella_Mappe_Selezionate = nullptr;
    QCheckBox* PreViewEnabled = nullptr;
    QLabel* LabelOwnerImage = nullptr;
    QLabel* SSTCfg_LblinserisciImg = nullptr; // path of the user's own picture
    QLabel* Wait_Ico = nullptr;
    // Caption-table labels this page keeps hidden: it has no navigation column.
    QLabel* TextDisplayTimers1 = nullptr;
    QLabel* TextPictureSelection1 = nullptr;
    QLabel* TextRunExit1 = nullptr;
    QLabel* TextTool2 = nullptr;

    // ---- Run / Exit page ----
    QLabel* SfondoRunExit = nullptr;
    QLabel* TextRunExit = nullptr;
    ClickLabel* TextTool4 = nullptr;
    QLabel* Box_Help_Run_Exit = nullptr;
    ClickLabel* SSTCfg_cmdConferma = nullptr;
    ClickLabel* SSTCfg_cmdConferma_BW = nullptr; // greyed twin, shown while the panel is busy
    ClickLabel* SSTCfg_cmdConferma2 = nullptr;
    ClickLabel* SSTCfg_ExitProgram = nullptr;
    ClickLabel* SSTCfg_ExitProgram_BW = nullptr; // greyed twin, shown while the panel is busy
    ClickLabel* SSTCfg_ExitProgram2 = nullptr;
    ClickLabel* SSTCfg_salvaConfig = nullptr;
    ClickLabel* SSTCfg_salvaConfig2 = nullptr;
    ClickLabel* zepStatusBar = nullptr; // About
    ClickLabel* zepStatusBar2 = nullptr;
    ClickLabel* helpEsegui = nullptr;
    ClickLabel* helpEsegui2 = nullptr;
    ClickLabel* YourTownIco = nullptr;
    ClickLabel* YourTownLbl = nullptr;
    ClickLabel* Cleanup = nullptr;
    ClickLabel* Cleanup2 = nullptr;
    QFrame* BarSaveAllBG = nullptr; // the save progress bar
    QFrame* BarSaveAllFG = nullptr;
    ClickLabel* LittleTool30 = nullptr;
    ClickLabel* LittleTool32 = nullptr;
    ClickLabel* LittleTool33 = nullptr;
    ClickLabel* TextDisplayTimers3 = nullptr;
    ClickLabel* TextPictureSelection3 = nullptr;
    ClickLabel* TextRunExit3 = nullptr;
    Shape* Pallino_Rosso_Run_Exit = nullptr;

    // ---- Tools page ----
    QLabel* SfondoTools = nullptr;
    QLabel* TextTools = nullptr;
    ClickLabel* TextTool5 = nullptr;
    QLabel* LeftTipText = nullptr;
    ClickLabel* IcoSwapSST0 = nullptr;
    ClickLabel* IcoSwapSST02 = nullptr;
    ClickLabel* IcoSwapSST2 = nullptr;
    ClickLabel* IcoSwapSST22 = nullptr;
    ClickLabel* IcoSwapSST3 = nullptr;
    ClickLabel* IcoSwapSST32 = nullptr;
    ClickLabel* RunTeamViewer = nullptr;
    ClickLabel* IcoHelpTools2 = nullptr;
    ClickLabel* IcoSwapSST6 = nullptr; // language icon
    ClickLabel* LabelLanguage = nullptr;
    QPushButton* Connection = nullptr;    // "Modif. Connection"
    QPushButton* TestReadProxy = nullptr; // "Test Read Proxy"
    Shape* Pallino_Rosso_Tools = nullptr;

    // ---- Around the panel ----
    QFrame* FrameWizard = nullptr; // the hover help below the panel
    QLabel* WizardPicture = nullptr;
    QLabel* WizardText = nullptr;
    QFrame* FormWait = nullptr; // stands over the screen while the catalogue list fills
    QLabel* LabelWait = nullptr;
    QLabel* lVersion = nullptr;
    QFrame* FrameDescPreview = nullptr;
    QLabel* DescPreview = nullptr;
    QWebEngineView* BrowserImgPreview = nullptr;
    QLabel* ImgPreview = nullptr;
};

// Creates the panel's controls as children of `form`, at their design-time sizes; the panel
// and the frames around it are hidden until the panel is opened.
PanelControls createPanelControls(QWidget* form, const platform::Units& units);

// Every icon with its caption label, as the panel's pages show them.
std::vector<std::pair<ClickLabel*, ClickLabel*>> iconCaptions(const PanelControls& c);
