#pragma once
// What the main window is made of: the controls several subsystems share, the five timers, the
// HTTP control and one object per subsystem, bottom up. The window hands each subsystem only the
// pieces it uses; the window's own machinery (start-up, clock loop, panel control, end) and the
// tests reach all of it here.

#include "bar/BarControls.h"
#include "base/Timers.h"
#include "panel/PanelControls.h"
#include "slideshow/ViewControls.h"

#include <memory>

class CatalogueClient;
class Collections;
class ClockLoop;
class ConfigFiles;
class ConfigPanel;
class ControlBar;
class Diagnostics;
class DisplayTimersPage;
class HoverHelp;
class Language;
class LanguageChoice;
class LanguageSettings;
class PanelControl;
class PictureFetcher;
class PictureLoader;
class PictureSelectionPage;
class Presentation;
class ProxySettings;
class ShellActions;
class Slideshow;
class Startup;
class TownSettings;
class VersionCheck;
namespace platform {
class HttpControl;
}

struct WindowParts {
    WindowParts();
    ~WindowParts();

    PanelControls panel;
    BarControls bar;
    ViewControls views;
    Timers timers;
    platform::HttpControl* Inet1 = nullptr;

    std::unique_ptr<Language> language;
    std::unique_ptr<LanguageSettings> languageSettings;
    std::unique_ptr<LanguageChoice> languageChoice;
    std::unique_ptr<ConfigFiles> configFiles;
    std::unique_ptr<ProxySettings> proxySettings;
    std::unique_ptr<TownSettings> townSettings;
    std::unique_ptr<ControlBar> controlBar;
    std::unique_ptr<Diagnostics> diagnostics;
    std::unique_ptr<Presentation> presentation;
    std::unique_ptr<ShellActions> shellActions;
    std::unique_ptr<PictureLoader> pictureLoader;
    std::unique_ptr<PictureFetcher> pictureFetcher;
    std::unique_ptr<CatalogueClient> catalogueClient;
    std::unique_ptr<Slideshow> slideshow;
    std::unique_ptr<VersionCheck> versionCheck;
    std::unique_ptr<DisplayTimersPage> displayTimers;
    std::unique_ptr<PictureSelectionPage> pictureSelection;
    std::unique_ptr<ConfigPanel> configPanel;
    std::unique_ptr<Collections> collections;
    HoverHelp* hoverHelp = nullptr; // owned by the window
    std::unique_ptr<PanelControl> panelControl;
    std::unique_ptr<ClockLoop> clockLoop;
    std::unique_ptr<Startup> startup;
};
