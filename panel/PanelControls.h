#pragma once
// The controls of the configuration panel, by the names the program uses for them. The panel's
// pages lay them out; every other part reaches them through these pointers.

#include <QString>

class ClickLabel;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
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

    // Display-timers page.
    QLineEdit* SSTCfg_timeDwLoad = nullptr;  // minutes between downloads
    QLineEdit* SSTCfg_timeRefresh = nullptr; // seconds per picture
    QLineEdit* txtDisplay = nullptr;         // hidden: the display-mode key
    QLineEdit* txtDisplay2 = nullptr;        // the display-mode name in the user's language
    ClickLabel* dyMode = nullptr;
    ClickLabel* dyMode2 = nullptr;
    QLabel* SSTCfg_Aggiorna2 = nullptr;
    QLabel* textSeconds = nullptr;
    QLabel* SSTCfg_Download2 = nullptr;
    QLabel* TextMinuts = nullptr;
    QLabel* Box_Help_Display_Timer = nullptr;
    Shape* Pallino_Rosso_Timers = nullptr;

    // Picture-selection page.
    QListWidget* Tabella_Mappe_Selezionate = nullptr;
    QLabel* SSTCfg_LblinserisciImg = nullptr; // path of the user's own picture
    ClickLabel* Label11 = nullptr;            // clears the selection
    ClickLabel* SSTCfg_FileUser = nullptr;
    ClickLabel* SSTCfg_FileUser2 = nullptr;
    ClickLabel* SSTCfg_resetUserImg = nullptr;
    ClickLabel* SSTCfg_resetUserImg2 = nullptr;
    ClickLabel* SSTCfg_Backupconf = nullptr;
    ClickLabel* SSTCfg_Loadconf = nullptr;
    QLabel* LabelOwnerImage = nullptr;

    // Run / Exit page.
    ClickLabel* SSTCfg_cmdConferma = nullptr;
    ClickLabel* SSTCfg_cmdConferma_BW = nullptr; // greyed twin, shown while the panel is busy
    ClickLabel* SSTCfg_cmdConferma2 = nullptr;
    ClickLabel* SSTCfg_salvaConfig = nullptr;
    ClickLabel* SSTCfg_salvaConfig2 = nullptr;
    ClickLabel* SSTCfg_ExitProgram = nullptr;
    ClickLabel* SSTCfg_ExitProgram_BW = nullptr; // greyed twin, shown while the panel is busy
    ClickLabel* SSTCfg_ExitProgram2 = nullptr;
    ClickLabel* zepStatusBar = nullptr;
    ClickLabel* zepStatusBar2 = nullptr;
    QLabel* Box_Help_Run_Exit = nullptr;
    Shape* Pallino_Rosso_Run_Exit = nullptr;

    // Tools page.
    ClickLabel* IcoSwapSST6 = nullptr; // language icon
    ClickLabel* LabelLanguage = nullptr;
    ClickLabel* Cleanup = nullptr;
    ClickLabel* Cleanup2 = nullptr;
    ClickLabel* YourTownIco = nullptr;
    ClickLabel* RunTeamViewer = nullptr;
    ClickLabel* IcoHelpTools2 = nullptr;
    QPushButton* Connection = nullptr;    // "Modif. Connection"
    QPushButton* TestReadProxy = nullptr; // "Test Read Proxy"
    QLabel* LeftTipText = nullptr;
    Shape* Pallino_Rosso_Tools = nullptr;

    // Page icons and their captions (one set per page, so every page links to the others).
    ClickLabel* IcoSwapSST02 = nullptr;
    ClickLabel* IcoSwapSST22 = nullptr;
    ClickLabel* IcoSwapSST32 = nullptr;
    QLabel* TextTools = nullptr;
    QLabel* TextTool1 = nullptr;
    QLabel* TextTool2 = nullptr;
    QLabel* TextTool3 = nullptr;
    QLabel* TextTool4 = nullptr;
    QLabel* TextTool5 = nullptr;
    QLabel* TextDisplayTimers = nullptr;
    QLabel* TextDisplayTimers0 = nullptr;
    QLabel* TextDisplayTimers1 = nullptr;
    QLabel* TextDisplayTimers3 = nullptr;
    QLabel* TextPictureSelection = nullptr;
    QLabel* TextPictureSelection0 = nullptr;
    QLabel* TextPictureSelection1 = nullptr;
    QLabel* TextPictureSelection3 = nullptr;
    QLabel* TextRunExit = nullptr;
    QLabel* TextRunExit0 = nullptr;
    QLabel* TextRunExit1 = nullptr;
    QLabel* TextRunExit3 = nullptr;
    ClickLabel* helpTime2 = nullptr;
    ClickLabel* helpImg2 = nullptr;
    ClickLabel* helpEsegui2 = nullptr;

    // Around the panel.
    QFrame* FrameWizard = nullptr; // the hover-help frame below the panel
    QLabel* lVersion = nullptr;
    QFrame* FrameDescPreview = nullptr;
    QLabel* DescPreview = nullptr;
    QWidget* BrowserImgPreview = nullptr;
};

// Creates the panel's controls as children of `form`, hidden until the panel is opened.
// Creates the panel's controls as children of `form`, at their design-time sizes.
PanelControls createPanelControls(QWidget* form, const platform::Units& units);
