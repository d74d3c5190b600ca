#pragma once
// The configuration panel: opening it (a request, then the opening proper with the full
// catalogue), laying out its pages, the page change, moving between pages, the help button and
// the online help, and the save icons of the Run / Exit page.
//
// The class is split over two files:
//   ConfigPanel.cpp   Apre_Setup, OpenConfigPanel and its bounded waits, LayoutPanelPages,
//                     keeping the frames on the screen
//   PanelActions.cpp  SSTCfg_Click, the navigation, btHelp_Click, the online help, the save
//                     icons and the save bar, the controls' accessible names

#include "base/VbTypes.h"

#include <QString>
#include <functional>

struct AppState;
class CatalogueClient;
class ConfigFiles;
class ControlBar;
class DisplayTimersPage;
class Language;
struct PanelControls;
class PictureSelectionPage;
class QWidget;
class ShellActions;
struct Timers;
class TownSettings;
struct ViewControls;
namespace i18n {
struct FourLanguageRow;
}
namespace platform {
class HttpControl;
struct Platform;
} // namespace platform

// What the panel calls of the parts above it.
struct PanelLinks {
    // Reads the version page and sets the update notice.
    std::function<void()> CheckVersion;
    // Offers and unpacks the published collections when the version page announces them.
    std::function<void()> UpdateCollections;
};

// The lower parts the panel works with.
struct PanelParts {
    ControlBar& controlBar;
    ViewControls& views;
    Timers& timers;
    Language& language;
    TownSettings& townSettings;
    ConfigFiles& configFiles;
    CatalogueClient& catalogueClient;
    ShellActions& shellActions;
    platform::HttpControl& Inet1;
    DisplayTimersPage& displayTimers;
    PictureSelectionPage& pictureSelection;
};

class ConfigPanel {
public:
    // Help pages are opened at the state's `helpSite` followed by the page's name.
    ConfigPanel(PanelControls& controls, AppState& state, platform::Platform& platform,
                PanelParts parts, PanelLinks links);

    // Prepares the panel and asks the panel-control timer to open it.
    void Apre_Setup();
    // Shows the panel on its Tools page and loads the full catalogue into its list.
    void OpenConfigPanel();
    void LayoutPanelPages();
    void SSTCfg_Click();
    void btHelp_Click();
    // The navigation: makes `page` current.
    void showPage(QWidget* page);
    void helpTime_Click();
    void helpImg_Click();
    void helpEsegui_Click();
    void zepStatusBar_Click();
    void SSTCfg_salvaConfig_Click();
    void SSTCfg_salvaConfig2_Click();
    void AnimateSaveBar();
    // Gives every icon the text of its caption, and the preview check box the text beside it,
    // as their accessible names (after every change of language).
    void updateAccessibleNames();

    // Upper bound of the opening's wait for a running slideshow step, in real milliseconds.
    // The wait for an outstanding catalogue reply is bounded by Inet1's own time-out.
    int stepWaitMs = 600000;

private:
    // Waits until no catalogue reply is outstanding and no step runs; the reason when a wait
    // ran out, else an empty text.
    QString waitUntilQuiet();
    bool waitFor(const std::function<bool()>& done, int boundMs);
    void placeHelpFrame();
    void keepFramesOnScreen();
    // The panel opens without the catalogue: an empty list, no wait frame, and the reason.
    void catalogueUnavailable(const QString& reason);
    void openHelpPage(const i18n::FourLanguageRow& pages);

    PanelControls& controls_;
    AppState& state_;
    platform::Platform& platform_;
    PanelParts parts_;
    PanelLinks links_;
};
